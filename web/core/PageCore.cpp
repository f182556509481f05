// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageCore.h"

#include "CurvesCsv.h"
#include "PixelRaster.h"
#include "SceneSvg.h"
#include "WindowLayout.h"

#include <algorithm>

namespace {

std::optional<Control> controlNamed(std::string_view name)
{
    const auto found = std::find(controlNames.begin(), controlNames.end(), name);
    if (found == controlNames.end()) {
        return std::nullopt;
    }
    return Control(found - controlNames.begin());
}

bool isOption(Control control)
{
    return std::any_of(optionTable.begin(), optionTable.end(),
                       [control](const OptionRow& row) { return row.option == control; });
}

NumberFormat formatFor(bool comma)
{
    return NumberFormat{comma ? "," : "."};
}

} // namespace

PageCore::PageCore()
{
    m_model.setNumberFormat(formatFor(true));
    m_model.load();
}

void PageCore::setDecimalComma(bool comma)
{
    // Numbers the program wrote itself follow the language; typed texts stay as typed.
    const NumberFormat before = m_model.numberFormat();
    const NumberFormat after = formatFor(comma);
    for (Control field : {Control::nIndex, Control::nAlfa, Control::nSpomaleni}) {
        const std::string& text = m_model.state(field).text;
        const ParsedNumber number = parseNumber(text, before);
        if (number.kind == ParsedNumber::Kind::Number &&
            text == formatNumber(number.value, before)) {
            m_model.setText(field, formatNumber(number.value, after));
        }
    }
    m_model.setNumberFormat(after);
}

bool PageCore::click(std::string_view option)
{
    const std::optional<Control> control = controlNamed(option);
    if (!control || !isOption(*control)) {
        return false;
    }
    take({*control, {}, 0}, InputKind::Press);
    return true;
}

bool PageCore::type(std::string_view field, std::string_view text)
{
    const std::optional<Control> control = controlNamed(field);
    if (control != Control::nIndex && control != Control::nAlfa) {
        return false;
    }
    take({*control, std::string(text), 0}, InputKind::Other);
    return true;
}

void PageCore::scroll(int value)
{
    take({Control::HScroll1, {}, value}, InputKind::Other);
}

void PageCore::take(Input input, InputKind kind)
{
    if (!m_model.running()) {
        act(input);
        return;
    }
    switch (inputDuringRun(input.target, kind)) {
    case InputVerdict::Deliver:
        act(input);
        break;
    case InputVerdict::Hold:
        m_held.push_back(std::move(input));
        break;
    case InputVerdict::Drop:
        break;
    }
}

void PageCore::act(const Input& input)
{
    if (input.target == Control::HScroll1) {
        m_model.scroll(input.value);
    } else if (isOption(input.target)) {
        m_model.click(input.target);
    } else {
        m_model.setText(input.target, input.text);
    }
}

std::optional<Refusal> PageCore::start()
{
    if (m_model.running()) {
        // Dropped or held as the rule says; a press is never acted on during a run.
        if (inputDuringRun(Control::cmdStart, InputKind::Press) != InputVerdict::Deliver) {
            return std::nullopt;
        }
    }
    const std::optional<Refusal> refusal = m_model.start();
    if (!refusal) {
        ++m_runsBegun;
        m_stepEnds.clear();
        m_lastStep.reset();
    }
    return refusal;
}

PixelBox PageCore::drawPixels(int width, int height, double factor, bool whole)
{
    return m_pixels.update(m_picture, m_runsBegun, markerY(), width, height, factor, whole);
}

std::optional<std::int64_t> PageCore::step()
{
    const std::optional<DrawnStep> drawn = m_model.step();
    if (drawn) {
        m_stepEnds.push_back(m_picture.size());
        m_lastStep = drawn->step;
    }
    endRunIfOver();
    if (!drawn) {
        return std::nullopt;
    }
    return drawn->slowDownCount;
}

int PageCore::advance(int steps)
{
    for (int i = 0; i < steps && step(); ++i) {
    }
    return stepsShown();
}

bool PageCore::press(RunKey key, bool autoRepeat)
{
    const bool steered = m_model.press(key, autoRepeat);
    endRunIfOver(); // a stop while paused waits for no step
    return steered;
}

bool PageCore::pressKey(std::string_view key, bool withShortcutModifier, bool autoRepeat)
{
    const std::optional<RunKey> runKey = runKeyNamed(key, withShortcutModifier);
    return runKey && press(*runKey, autoRepeat);
}

bool PageCore::end()
{
    if (m_model.requestEnd() == EndAction::CloseNow) {
        return false;
    }
    m_held.clear(); // the program ends with its run: nothing is left for it to act on
    endRunIfOver();
    return true;
}

void PageCore::endRunIfOver()
{
    if (!m_model.runOver()) {
        return;
    }
    m_model.endRun();
    m_lastStep.reset();
    // What was held during the run acts now, in the order it was made.
    const std::vector<Input> held = std::move(m_held);
    m_held.clear();
    for (const Input& input : held) {
        act(input);
    }
}

std::string PageCore::field(std::string_view name) const
{
    const std::optional<Control> control = controlNamed(name);
    return control ? m_model.state(*control).text : std::string();
}

std::string PageCore::selectedOption(std::string_view frame) const
{
    for (const OptionRow& row : optionTable) {
        if (nameOf(row.frame) == frame && m_model.state(row.option).checked) {
            return std::string(nameOf(row.option));
        }
    }
    return {};
}

bool PageCore::visible(std::string_view name) const
{
    const std::optional<Control> control = controlNamed(name);
    return control && m_model.state(*control).visible;
}

std::vector<double> PageCore::detectorPlaces() const
{
    if (!m_lastStep || !m_model.running()) {
        return {};
    }
    std::vector<double> places;
    for (const layout::Point& p :
         layout::detectorPlaces(*m_lastStep, m_model.runSettings().detectorDistance)) {
        places.insert(places.end(), {p.x, p.y});
    }
    return places;
}

std::string PageCore::csv() const
{
    const std::optional<CurveRecord>& curves = m_model.lastCurves();
    return curvesCsv(curves ? *curves : CurveRecord{});
}

std::string PageCore::spreadsheetCsv(char decimal) const
{
    const std::optional<CurveRecord>& curves = m_model.lastCurves();
    return curvesCsv(curves ? *curves : CurveRecord{}, CsvSeparators::forSpreadsheets(decimal));
}

namespace {
// A field's text as far as it fits the settings line: a field holds whatever was typed.
std::string fieldText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    const std::string_view trimmed =
        first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
    constexpr std::size_t longest = 24;
    std::size_t letters = 0;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if ((static_cast<unsigned char>(trimmed[i]) & 0xC0) != 0x80 && ++letters == longest) {
            return std::string(trimmed.substr(0, i)) + "…";
        }
    }
    return std::string(trimmed);
}

std::string filled(std::string_view lineTemplate, const std::array<std::string, 4>& values)
{
    std::string out;
    for (std::size_t i = 0; i < lineTemplate.size(); ++i) {
        if (lineTemplate[i] == '%' && i + 1 < lineTemplate.size() && lineTemplate[i + 1] >= '1' &&
            lineTemplate[i + 1] <= '4') {
            out += values[std::size_t(lineTemplate[++i] - '1')];
        } else {
            out += lineTemplate[i];
        }
    }
    return out;
}
} // namespace

std::string PageCore::settingsLine(const std::string& lineTemplate, const std::string& water,
                                   const std::string& glass) const
{
    const auto word = [&](Substance s) {
        return s == Substance::Water ? water : glass;
    };
    if (const std::optional<CurveRecord>& curves = m_model.lastCurves()) {
        const RunSettings& s = curves->settings;
        const NumberFormat& format = m_model.numberFormat();
        return filled(lineTemplate,
                      {word(s.substance), formatNumber(s.refrIndex, format),
                       formatNumber(s.alpha, format), formatNumber(s.detectorDistance, format)});
    }
    const PanelState& panel = m_model.panel();
    return filled(lineTemplate, {word(panel.substance), fieldText(panel[Control::nIndex].text),
                                 fieldText(panel[Control::nAlfa].text),
                                 std::to_string(facts(panel.distance).twips)});
}

std::vector<std::string> PageCore::captionLines(const std::string& lines)
{
    std::vector<std::string> captions;
    std::size_t from = 0;
    for (std::size_t end; (end = lines.find('\n', from)) != std::string::npos; from = end + 1) {
        captions.push_back(lines.substr(from, end - from));
    }
    captions.push_back(lines.substr(from));
    return captions;
}

std::string PageCore::sceneSvg(const std::vector<std::string>& captionTexts,
                               const std::string& settingsLine) const
{
    const PanelState& panel = exportPanel();
    const auto text = [&](Control control) {
        return captionIn(captionTexts, control);
    };
    return ::sceneSvg({&m_picture, nullptr, panel.markerY, svgCaptions(panel, text), settingsLine});
}

namespace {
constexpr int sceneLeftPixels = int(layout::sceneBounds.leftX / 15);
constexpr int sceneTopPixels = int(layout::sceneBounds.topY / 15);
} // namespace

int PageCore::scenePixelWidth(double times)
{
    return int(std::lround(sceneSvgWidth * times));
}

int PageCore::scenePixelHeight(double times)
{
    return int(std::lround((sceneSvgHeight - 24) * times));
}

std::vector<std::uint32_t> PageCore::scenePixels(double times) const
{
    // The whole design area, as the window renders it, then the scene cut out of it.
    const int wholeWidth = int(std::lround(763 * times));
    const int wholeHeight = int(std::lround(575 * times));
    std::vector<std::uint32_t> whole(std::size_t(wholeWidth) * std::size_t(wholeHeight),
                                     toPixel(colours::sceneGrey, PixelOrder::Rgba));
    const PixelCanvas canvas{whole.data(), wholeWidth, wholeHeight, wholeWidth, PixelOrder::Rgba};
    const PanelState& panel = exportPanel();
    DrawingList lines;
    for (std::size_t i = 0; i < layout::lines.size(); ++i) {
        const layout::LineControl& line = layout::lines[i];
        const float y1 = float(i == 0 ? panel.markerY : line.y1);
        const float y2 = float(i == 0 ? panel.markerY : line.y2);
        lines.setDrawWidth(line.width);
        lines.line(float(line.x1), y1, float(line.x2), y2);
    }
    rasterisePicture(canvas, lines, 0, lines.size(), times);
    rasterisePicture(canvas, m_picture, 0, m_picture.size(), times);

    const int width = scenePixelWidth(times);
    const int height = scenePixelHeight(times);
    const int left = int(std::lround(sceneLeftPixels * times));
    const int top = int(std::lround(sceneTopPixels * times));
    std::vector<std::uint32_t> scene(std::size_t(width) * std::size_t(height),
                                     toPixel(colours::sceneGrey, PixelOrder::Rgba));
    for (int y = 0; y < height && top + y < wholeHeight; ++y) {
        for (int x = 0; x < width && left + x < wholeWidth; ++x) {
            scene[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                whole[std::size_t(top + y) * std::size_t(wholeWidth) + std::size_t(left + x)];
        }
    }
    return scene;
}
