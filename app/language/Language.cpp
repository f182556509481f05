// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {
const QString languageKey = QStringLiteral("interface/language");

struct Installed
{
    Language language = Language::Czech;
    // Owned here rather than by the application, so that a switch replaces them.
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

void remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}
} // namespace

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("cs");
}

std::optional<Language> languageFromCode(const QString& code)
{
    const QString normalised = code.trimmed().toLower();
    if (normalised == QLatin1String("cs")) {
        return Language::Czech;
    }
    if (normalised == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

std::optional<Language> readLanguage(const QSettings& settings)
{
    return languageFromCode(settings.value(languageKey).toString());
}

void writeLanguage(QSettings& settings, Language language)
{
    settings.setValue(languageKey, languageCode(language));
}

namespace {
// Qt's own dialogs and buttons speak the interface's language too; without Debian's Qt
// translations they stay in Qt's English, which is no reason to refuse a language.
void installQtTranslation(Installed& state, Language language)
{
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + languageCode(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
}
} // namespace

namespace {
// Numbers go with the words: a Czech text under an English system locale would write 1.5 and
// 1,500 (which a Czech reader takes for one and a half) and refuse 48,9. The system's own locale
// is kept where it is of the same language (British English, say).
void followWithNumbers(Language language)
{
    const QLocale::Language wanted =
        language == Language::Czech ? QLocale::Czech : QLocale::English;
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == wanted ? system : QLocale(wanted));
}
} // namespace

bool installLanguage(Language language, const QString& folder)
{
    Installed& state = installed();
    remove(state.program);
    remove(state.qt);
    state.language = Language::Czech;
    if (language == Language::Czech) {
        installQtTranslation(state, language);
        followWithNumbers(language);
        return true; // the program's own texts are Czech
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("brontel_") + languageCode(language), folder)) {
        installQtTranslation(state, Language::Czech);
        followWithNumbers(Language::Czech);
        qWarning().noquote() << QStringLiteral("brontel: the translation brontel_%1 could not be "
                                               "loaded from %2; the interface stays Czech")
                                    .arg(languageCode(language), folder);
        return false;
    }
    installQtTranslation(state, language);
    followWithNumbers(language);
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    state.language = language;
    return true;
}

Language currentLanguage()
{
    return installed().language;
}
