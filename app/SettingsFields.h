// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings fields of the window as the typed settings: key texts in and out, and the
// settings of a run read from the fields when Start is pressed.

#include "AngleCase.h"
#include "Substance.h"

#include <QString>

#include <optional>
#include <string_view>

class QLineEdit;

// A key of the settings tables as a field's text.
QString keyText(std::string_view key);

// The key a field holds, in UTF-8, as the settings tables spell keys.
std::string fieldKey(const QLineEdit* field);

// The substance the hidden field nLátka names. Any text but water's counts as glass, as the
// critical angle and index have always been chosen.
Substance substanceInForce(const QLineEdit* substanceField);

// Whether the hidden field nAlfaCaption names the critical angle.
bool criticalAngleChosen(const QLineEdit* angleCaseField);
