// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the web page asks of the program, behind one small boundary over the window's
// model: the page names controls as the design does and hands on what the user does; the model
// decides what a click does, whether Start begins a run or is refused, how the run is steered
// and what becomes of input made during it. PageCore records the model's drawing (with where
// each step's commands end), holds input the model says waits for the end of a run, and answers
// the page. Nothing here knows about a browser.

#include "CurveRecord.h"
#include "DrawingList.h"
#include "InputRule.h"
#include "PicturePixels.h"
#include "WindowModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PageCore
{
public:
    // The window after Load: water, 35 degrees, distance 750, the fastest pace.
    PageCore();

    // Numbers are shown with a decimal comma (Czech) or point (English).
    void setDecimalComma(bool comma);
    bool decimalComma() const { return m_model.numberFormat().decimalSeparator == ","; }

    // An option button clicked, by its design name ("opVoda", "opMezní", ...); false for a name
    // that is no option.
    bool click(std::string_view option);
    // Text typed into a settings field ("nIndex" or "nAlfa").
    bool type(std::string_view field, std::string_view text);
    // The pace scroll bar has come to rest at value.
    void scroll(int value);

    // Start pressed. A refusal leaves everything as it was; otherwise the run begins (a press
    // during a run does nothing).
    std::optional<Refusal> start();
    // Draws the next step if the run goes on now: the slow-down count after it (the pause, in
    // microseconds), or none when no step was drawn.
    std::optional<std::int64_t> step();
    // Draws up to `steps` steps as step() does; returns the steps of this run drawn so far.
    int advance(int steps);
    // A key that steers the run (Esc, P, Right arrow); whether it steered.
    bool press(RunKey key, bool autoRepeat = false);
    // A key named as browsers name keys; whether it steered the run (see runKeyNamed).
    bool pressKey(std::string_view key, bool withShortcutModifier, bool autoRepeat);
    // Tells listener what every later action changed (see WindowModel::subscribe).
    void subscribe(ModelListener listener) { m_model.subscribe(std::move(listener)); }
    // Konec. A page cannot close itself: a run in progress stops, and what was held for after
    // it is dropped, as the program would end. Whether a run was stopped.
    bool end();

    RunState state() const { return m_model.steering().state(); }
    int stepsShown() const { return int(m_stepEnds.size()); }
    // The slow-down count the panel holds now.
    std::int64_t slowDownCount() const { return m_model.slowDownCount(); }

    // A control's text as the model holds it (a field's number, a hidden field's key).
    std::string field(std::string_view name) const;
    // The option selected in a frame ("frmLátka", ...), empty when none.
    std::string selectedOption(std::string_view frame) const;
    bool visible(std::string_view name) const;
    int scrollValue() const { return m_model.scrollValue(); }
    int markerY() const { return m_model.panel().markerY; }
    int detectorHLabelLeft() const { return m_model.panel().detectorHLabelLeft; }
    int detectorHLabelTop() const { return m_model.panel().detectorHLabelTop; }

    // Every command drawn so far (a run's scene and steps, the handlers' marks).
    const std::vector<DrawCommand>& picture() const { return m_picture.commands(); }
    // Where each step's commands end in picture(), for the steps of this run drawn so far.
    const std::vector<std::size_t>& stepEnds() const { return m_stepEnds; }
    // Where the detectors stand at the last step drawn (x, y of V, H, L in twips; see
    // layout::detectorPlaces); empty when no run goes.
    std::vector<double> detectorPlaces() const;
    // The picture as pixels at width x height, factor pixels to a design pixel, brought up to
    // date (see PicturePixels::update); the box of pixels that changed.
    PixelBox drawPixels(int width, int height, double factor, bool whole);
    const PicturePixels& pixels() const { return m_pixels; }
    // The settings the picture shows (see WindowModel::shownSettings).
    RunSettings shownSettings() const { return m_model.shownSettings(); }
    // The curves of the last run, finished or stopped, as CSV (a header alone before any).
    std::string csv() const;
    // The same curves for a spreadsheet in a locale whose decimal separator is decimal: a
    // semicolon between columns, the comma kept where the locale has it, a byte order mark.
    std::string spreadsheetCsv(char decimal) const;
    // The line under a saved picture: lineTemplate ("%1, index lomu %2, …") filled with the
    // substance's word and the numbers of the last run as the page shows numbers; before any
    // run, with what the fields hold.
    std::string settingsLine(const std::string& lineTemplate, const std::string& water,
                             const std::string& glass) const;
    // The captions' words as the page hands them over, one a line.
    static std::vector<std::string> captionLines(const std::string& lines);
    // The scene of the last run as SVG, byte for byte as the window saves it; captionTexts are
    // the words of layout::sceneCaptions in that order, in the language shown.
    std::string sceneSvg(const std::vector<std::string>& captionTexts,
                         const std::string& settingsLine) const;
    // The scene of a saved picture as pixels (RGBA bytes) at times pixels to a design pixel,
    // 587 x 489 design pixels: the grey ground, the line controls and the run, set by the
    // window's rules; the captions and the settings line are the page's to write over it.
    std::vector<std::uint32_t> scenePixels(double times) const;
    static int scenePixelWidth(double times);
    static int scenePixelHeight(double times);

    const WindowModel& model() const { return m_model; }
    // The panel a saved picture shows: as it stood at the last run's Start, else as it stands.
    const PanelState& exportPanel() const
    {
        return m_model.lastCurves() ? m_model.runPanel() : m_model.panel();
    }

private:
    // A click of an option, a field's text, or the pace's value.
    struct Input
    {
        Control target;
        std::string text;
        int value = 0;
    };

    void take(Input input, InputKind kind);
    void act(const Input& input);
    void endRunIfOver();

    DrawingList m_picture;
    WindowModel m_model{m_picture};
    std::vector<std::size_t> m_stepEnds;
    std::optional<SweepStep> m_lastStep;
    std::vector<Input> m_held; // input made during the run, to act after it
    PicturePixels m_pixels;
    std::size_t m_runsBegun = 0; // each wiped the picture
};
