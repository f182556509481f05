// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A substance's name as the user reads it, in the interface's language. The settings tables'
// keys ("Voda", "Sklo") stay what they are: the hidden fields compare them.

#include "Substance.h"

#include <QString>

QString substanceCaption(Substance substance);
