// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the web page asks of the program, behind one small boundary: the panel's settings
// fields and options, the start check, the run shown step by step with its steering, the picture
// as drawing commands and the curves as CSV. The page only shows what this says and passes on
// what the user does; nothing here knows about a browser.
//
// A run is summed and drawn whole when it starts (its sums take some tens of milliseconds); the
// page then shows it one step at a time, so pausing and stopping act between steps as in the
// desktop window.

#include "CurveRecord.h"
#include "DrawingList.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RunState
{
    Idle,
    Running,
    Paused
};

// Why Start did not begin a run, as data; the page words it in its language.
struct Refusal
{
    enum class Kind
    {
        NotANumber,
        TooLarge,   // beyond the largest setting
        OutOfRange, // a number, but outside what the experiment accepts
    };
    Kind kind = Kind::NotANumber;
    std::string field; // "nIndex" or "nAlfa"
    std::string text;  // what the field held
    double value = 0;
    double lowest = 0;
    double highest = 0;
};

class PageCore
{
public:
    // The window after start-up: water, 35 degrees, distance 750, the fastest pace.
    PageCore();

    // Numbers are shown with a decimal comma (Czech) or point (English).
    void setDecimalComma(bool comma);
    bool decimalComma() const { return m_comma; }

    // An option button clicked by its design name ("opVoda", "opMezní", ...). During a run the
    // click is held and acted on after it. False for an unknown name.
    bool click(std::string_view option);
    // Text typed into a visible settings field ("nIndex" or "nAlfa"); held during a run.
    bool type(std::string_view field, std::string_view text);
    // The pace scroll bar's value (0 ... 1000); acts at once, also during a run.
    void scroll(int value);

    // Checks the settings; a refusal leaves everything as it was, otherwise the run begins.
    std::optional<Refusal> start();
    // While running, shows up to `steps` more steps; returns the steps shown so far.
    int advance(int steps);
    void pause();
    void resume();
    // While paused, shows one more step.
    void singleStep();
    // Ends the run after the steps shown; its picture and curves stay as they are.
    void stop();

    RunState state() const { return m_state; }
    int stepsShown() const { return m_shown; }
    // The pause between steps, in microseconds: the slow-down count N.
    std::int64_t slowDownCount() const;

    // The settings fields as texts and the options selected, as the window holds them.
    std::string field(std::string_view name) const;
    std::string selectedOption(std::string_view frame) const;
    int scrollValue() const { return m_scroll; }
    // Where the marker line Line1 runs and the label nDetektorH's top stands, twips, for the
    // distance chosen; and which substance tag shows ("nVoda" or "nSklo").
    int markerY() const;
    int detectorHLabelTop() const;
    std::string substanceTag() const;

    // The picture shown: every command drawn so far (the scene, the steps shown, marks).
    const std::vector<DrawCommand>& picture() const { return m_picture; }
    // Where the detectors stand at the last step shown (x, y of V, H, L in twips); empty before.
    std::vector<double> detectorPlaces() const;
    // The curves of the steps shown, as CSV.
    std::string csv() const;
    const CurveRecord& curves() const { return m_shownCurves; }

    // A number as the settings fields show it, and a field's text read back as a number.
    std::string numberText(double value) const;
    static std::optional<double> textToNumber(std::string_view text);

private:
    struct HeldInput
    {
        bool isClick = true;
        std::string name;
        std::string text;
    };

    void act(const HeldInput& input);
    void chooseSubstance(bool water);
    void chooseAngle(std::string_view option);
    void chooseDistance(std::string_view option);
    void showSteps(int count);
    void endRun();
    std::optional<Refusal> check(std::string_view field, std::string_view text, double lowest,
                                 double highest, double& value) const;

    bool m_comma = true;
    std::string m_index, m_alfa, m_alfaCaption, m_latka, m_distance, m_spomaleni;
    std::string m_substanceOption, m_angleOption, m_distanceOption, m_speedOption;
    int m_scroll = 0;

    RunState m_state = RunState::Idle;
    std::vector<DrawCommand> m_picture;
    DrawingList m_run;                   // the whole run, drawn at Start
    std::vector<std::size_t> m_stepEnds; // where each step's commands end in m_run
    CurveRecord m_runCurves;
    CurveRecord m_shownCurves;
    int m_shown = 0;
    double m_detectorDistance = 0;
    std::vector<HeldInput> m_held;
};
