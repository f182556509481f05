// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowTexts.h"

#include "AngleCase.h"
#include "Substance.h"

#include <cmath>

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

// The sentences name each field in full, in a form of their own: the label beside a field may
// be shortened where its box is narrow ("Refr. index"), a sentence may not. lupdate gives a
// translator's comment to the one text after it, so each text has its own.
const char* refusalInWindow(const Refusal& refusal)
{
    const bool index = refusal.field == Control::nIndex;
    switch (refusal.reason) {
    case Refusal::Reason::NotANumber:
        if (index) {
            //: A message box when Start is refused. %1 is what was typed, %4 an example of a
            //: number as the fields take it; the field is named in full, in the language's
            //: quotation marks. The blank line parts what is wrong from what to do.
            return QT_TRANSLATE_NOOP("Brontel", "V poli „Index lomu“ je „%1“, a to není číslo.\n\n"
                                                "Zapište do pole číslo, například %4, a stiskněte "
                                                "Start znovu.");
        }
        //: As for the refractive index: %1 is what was typed, %4 an example of a number.
        return QT_TRANSLATE_NOOP("Brontel", "V poli „Úhel dopadu“ je „%1“, a to není číslo.\n\n"
                                            "Zapište do pole číslo, například %4, a stiskněte "
                                            "Start znovu.");
    case Refusal::Reason::TooLarge:
        if (index) {
            //: %1 is the number typed, %3 the largest number the run computes with.
            return QT_TRANSLATE_NOOP("Brontel",
                                     "V poli „Index lomu“ je číslo „%1“, které je pro "
                                     "výpočet příliš velké (nejvýše %3).\n\n"
                                     "Zapište do pole menší číslo a stiskněte Start znovu.");
        }
        // The angle's range ends far below that largest number: said as any angle out of it.
        [[fallthrough]];
    case Refusal::Reason::OutOfRange:
        if (index) {
            //: %1 is the number typed, %2 to %3 the refractive indices the experiment takes.
            return QT_TRANSLATE_NOOP("Brontel",
                                     "S číslem %1 v poli „Index lomu“ pokus nemá smysl: "
                                     "index lomu musí být od %2 do %3.\n\n"
                                     "Zapište do pole číslo z tohoto rozsahu a stiskněte "
                                     "Start znovu.");
        }
        //: %1 is the number typed, %2 to %3 the angles the experiment takes, in degrees.
        return QT_TRANSLATE_NOOP("Brontel", "S číslem %1 v poli „Úhel dopadu“ pokus nemá smysl: "
                                            "úhel dopadu musí být od %2 do %3 stupňů.\n\n"
                                            "Zapište do pole číslo z tohoto rozsahu a stiskněte "
                                            "Start znovu.");
    }
    return "";
}

// The same refusals on the command line name the option given instead of the field; the option
// names are the same in every language.
const char* refusalOnCommandLine(const Refusal& refusal)
{
    const bool index = refusal.field == Control::nIndex;
    switch (refusal.reason) {
    case Refusal::Reason::NotANumber:
        if (index) {
            //: Printed on the standard error output when a run from the command line is
            //: refused; the option's name stays. %1 is the value given.
            return QT_TRANSLATE_NOOP("CommandLine", "--index: „%1“ není číslo.");
        }
        //: As for --index; %1 is the value given.
        return QT_TRANSLATE_NOOP("CommandLine", "--alpha: „%1“ není číslo.");
    case Refusal::Reason::TooLarge:
        if (index) {
            //: %1 is the value given, %3 the largest number the run computes with.
            return QT_TRANSLATE_NOOP("CommandLine",
                                     "--index: číslo „%1“ je pro výpočet příliš velké "
                                     "(nejvýše %3).");
        }
        [[fallthrough]]; // as in the window
    case Refusal::Reason::OutOfRange:
        if (index) {
            //: %1 is the value given, %2 to %3 the refractive indices the experiment takes.
            return QT_TRANSLATE_NOOP("CommandLine", "--index: s indexem lomu %1 pokus nemá smysl; "
                                                    "zadejte číslo od %2 do %3.");
        }
        //: %1 is the value given, %2 to %3 the angles the experiment takes, in degrees.
        return QT_TRANSLATE_NOOP("CommandLine", "--alpha: s úhlem dopadu %1° pokus nemá smysl; "
                                                "zadejte číslo od %2 do %3.");
    }
    return "";
}

double refusalExample(const Refusal& refusal)
{
    return refusal.field == Control::nIndex ? facts(Substance::Water).refrIndex
                                            : *facts(AngleCase::Angle35).degrees;
}

namespace {
// The length of a UTF-8 sequence that starts with lead.
std::size_t sequenceLength(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

std::string cut(const std::string& text, std::size_t longest)
{
    if (longest == 0) {
        return text;
    }
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
        units += length == 4 ? 2 : 1; // beyond the basic plane: two UTF-16 units
        if (units > longest) {
            return text.substr(0, i) + "…";
        }
        i += length;
    }
    return text;
}
} // namespace

namespace {
// A number too small to hold reads as 0 ("1e-400"), one too large as the largest double
// ("-1e309"); its sentence then names it as typed, since "an index of 0" is not what the user
// wrote. So does a huge one, which would read as 2e+06 or worse.
bool namedAsTyped(const Refusal& refusal)
{
    const std::string_view typed = refusal.typed;
    const std::string_view digits = typed.substr(0, typed.find_first_of("eE"));
    const bool underflows =
        refusal.value == 0 && digits.find_first_of("123456789") != std::string_view::npos;
    return underflows || std::abs(refusal.value) > ranges::largestSetting;
}
} // namespace

std::array<std::string, 4> refusalArguments(const Refusal& refusal, const NumberFormat& format,
                                            std::size_t longestTyped)
{
    const bool asNumber = refusal.reason == Refusal::Reason::OutOfRange && !namedAsTyped(refusal);
    return {asNumber ? formatNumber(refusal.value, format) : cut(refusal.typed, longestTyped),
            formatNumber(refusal.range.lowest, format), formatNumber(refusal.range.highest, format),
            formatNumber(refusalExample(refusal), format)};
}
