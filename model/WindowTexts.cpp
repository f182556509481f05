// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowTexts.h"

namespace {
constexpr bool indexedByControl()
{
    for (std::size_t i = 0; i < controlTexts.size(); ++i) {
        if (std::size_t(controlTexts[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(indexedByControl());
} // namespace

const char* refusalInWindow(const Refusal& refusal)
{
    const bool index = refusal.field == Control::nIndex;
    switch (refusal.reason) {
    case Refusal::Reason::NotANumber:
        return index ? QT_TRANSLATE_NOOP("Brontel",
                                         "V poli „Index lomu“ je „%1“, a to není číslo.\n\n"
                                         "Zapište do pole číslo, například %4, a stiskněte "
                                         "Start znovu.")
                     : QT_TRANSLATE_NOOP("Brontel",
                                         "V poli „Úhel dopadu“ je „%1“, a to není číslo.\n\n"
                                         "Zapište do pole číslo, například %4, a stiskněte "
                                         "Start znovu.");
    case Refusal::Reason::TooLarge:
        return index ? QT_TRANSLATE_NOOP("Brontel",
                                         "V poli „Index lomu“ je číslo „%1“, které je pro "
                                         "výpočet příliš velké (nejvýše %3).\n\n"
                                         "Zapište do pole menší číslo a stiskněte Start znovu.")
                     : QT_TRANSLATE_NOOP("Brontel",
                                         "V poli „Úhel dopadu“ je číslo „%1“, které je pro "
                                         "výpočet příliš velké (nejvýše %3).\n\n"
                                         "Zapište do pole menší číslo a stiskněte Start znovu.");
    case Refusal::Reason::OutOfRange:
        return index ? QT_TRANSLATE_NOOP("Brontel",
                                         "S číslem %1 v poli „Index lomu“ pokus nemá smysl: "
                                         "index lomu musí být od %2 do %3.\n\n"
                                         "Zapište do pole číslo z tohoto rozsahu a stiskněte "
                                         "Start znovu.")
                     : QT_TRANSLATE_NOOP("Brontel",
                                         "S číslem %1 v poli „Úhel dopadu“ pokus nemá smysl: "
                                         "úhel dopadu musí být od %2 do %3 stupňů.\n\n"
                                         "Zapište do pole číslo z tohoto rozsahu a stiskněte "
                                         "Start znovu.");
    }
    return "";
}

const char* refusalOnCommandLine(const Refusal& refusal)
{
    const bool index = refusal.field == Control::nIndex;
    switch (refusal.reason) {
    case Refusal::Reason::NotANumber:
        return index ? QT_TRANSLATE_NOOP("CommandLine", "--index: „%1“ není číslo.")
                     : QT_TRANSLATE_NOOP("CommandLine", "--alpha: „%1“ není číslo.");
    case Refusal::Reason::TooLarge:
        return index ? QT_TRANSLATE_NOOP("CommandLine",
                                         "--index: číslo „%1“ je pro výpočet příliš velké "
                                         "(nejvýše %3).")
                     : QT_TRANSLATE_NOOP("CommandLine",
                                         "--alpha: číslo „%1“ je pro výpočet příliš velké "
                                         "(nejvýše %3).");
    case Refusal::Reason::OutOfRange:
        return index ? QT_TRANSLATE_NOOP("CommandLine",
                                         "--index: s indexem lomu %1 pokus nemá smysl; "
                                         "zadejte číslo od %2 do %3.")
                     : QT_TRANSLATE_NOOP("CommandLine",
                                         "--alpha: s úhlem dopadu %1° pokus nemá smysl; "
                                         "zadejte číslo od %2 do %3.");
    }
    return "";
}
