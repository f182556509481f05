// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The interface's language. Czech is the program's own (its texts are written in Czech) and the
// default whatever the system's locale; English comes from the translation built into the
// program. The choice is remembered in the settings file the window's place is kept in. Numbers
// follow the language chosen (the system's locale where it is of that language), so that a
// Czech text writes and reads 1,5; a CSV for spreadsheets keeps the system's locale.

#include <QString>

#include <optional>

class QSettings;

enum class Language
{
    Czech,
    English
};

// "cs" or "en", as the command line and the settings file spell them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);

// The remembered choice, if the settings hold a known one.
std::optional<Language> readLanguage(const QSettings& settings);
void writeLanguage(QSettings& settings, Language language);

// Installs the program's and Qt's own translations for language, the program's read from folder
// (built in as brontel_<code>.qm), in place of those installed before; every widget is then told
// by a LanguageChange event. If the program's own translation cannot be loaded, the interface
// falls back to Czech whole (Qt's dialogs too, not Czech captions over English buttons, and
// Czech numbers), a warning says so on the standard error output, and the result is false.
bool installLanguage(Language language, const QString& folder = QStringLiteral(":/i18n"));
// The language installed last; Czech before any.
Language currentLanguage();
