// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The ending of a file named in a save dialog. A name typed with an ending one of the dialog's
// filters offers keeps it (the user asked for that kind of file); any other name gets the ending
// of the filter chosen, so that "pokus" saved as SVG becomes "pokus.svg", not a PNG without one.

#include <QString>
#include <QStringList>

// filters: the dialog's filters as it shows them, e.g. "Obrázek PNG (*.png)"; chosen: the one
// the dialog returned. A filter without a "*.ending" pattern adds nothing.
QString withFilterEnding(const QString& path, const QString& chosen, const QStringList& filters);
