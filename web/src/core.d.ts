// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core compiled to WebAssembly (web/core/Bindings.cpp), as the page sees it.
declare module 'brontel-core' {
    // The window's controls, in tab order, as the model names them (model/Control.h); the
    // test core_types holds this list to the model's.
    export type ControlName =
        | 'nuBrontel'
        | 'cmdStart'
        | 'nAlfa'
        | 'frmDopad'
        | 'opMezní'
        | 'opVětší'
        | 'opMenší'
        | 'nAlfaCaption'
        | 'nLátka'
        | 'nIndex'
        | 'frmLátka'
        | 'opVoda'
        | 'opSklo'
        | 'nDistance'
        | 'frmDistance'
        | 'opVelkáDistance'
        | 'opStředníDistance'
        | 'opMaláDistance'
        | 'nTextIndex'
        | 'nDetektorH'
        | 'nDetektorS'
        | 'nDetektorV'
        | 'nCornuovySpirály'
        | 'nPravd2podobnost'
        | 'cmdKonec'
        | 'labKlepnete'
        | 'nSklo'
        | 'nVoda'
        | 'nCornuLatka'
        | 'nSpomaleni'
        | 'frmAnimace'
        | 'opRychlá'
        | 'opPomalejší'
        | 'opPomalá'
        | 'HScroll1';
    export type Kind = 'caption' | 'field' | 'hidden' | 'button' | 'frame' | 'option' | 'scroll' | 'label';
    // One control of the window as designed: its place in twips (inside a frame relative to
    // it), the serif bold size of its text (0 for its kind's own font), and its look.
    export interface ControlLayout {
        name: ControlName;
        kind: Kind;
        place: [number, number, number, number];
        frame: ControlName | null;
        points: number;
        green: boolean;
        align: 'left' | 'center' | 'right';
        black: boolean;
    }
    export interface WindowLayout {
        controls: ControlLayout[];
        // The line controls: x1, y1, x2, y2 in twips and width in pixels; Line1 follows the
        // detector distance.
        lines: [number, number, number, number, number][];
        // The captions an exported picture draws, in its order.
        sceneCaptions: ControlName[];
        twipsPerPixel: number;
        width: number;
        height: number;
    }
    // What one action changed (model/ModelChange.h).
    export interface ModelChange {
        controls: ControlName[];
        marker: boolean;
        picture: boolean;
        run: boolean;
        step: boolean;
    }
    // What a screen reader says for a control a caption does not name, or for the picture.
    export interface AccessibleText {
        name: ControlName | 'picture';
        text: string;
        description: string | null;
    }
    // Why Start began no run. The sentence is the window's own (a Czech source in the context
    // "Brontel"); its arguments fill %1 ... %4: what was typed (cut as the window cuts it; the
    // number read, for outOfRange), the range, an example, numbers as the fields show them.
    export interface Refusal {
        kind: 'notANumber' | 'tooLarge' | 'outOfRange';
        field: 'nIndex' | 'nAlfa';
        sentence: string;
        arguments: [string, string, string, string];
    }
    // One row of the window's table of texts: Czech sources in the context "Brontel".
    export interface ControlTexts {
        name: ControlName;
        caption: string | null;
        translated: boolean;
        toolTip: string | null;
    }
    // Words of the teaching overlay (a Czech source in the context "TeachingOverlay") and the
    // numbers for their %1, %2, ...
    export interface Phrase {
        words: string;
        numbers: { value: number; decimals: number }[];
    }
    export type Anchor = 'topLeft' | 'topRight' | 'bottomLeft' | 'bottomRight' | 'left' | 'right';
    export interface OverlayText {
        x: number;
        y: number;
        anchor: Anchor;
        phrase: Phrase;
    }
    // The teaching overlay in twips; arcs' angles as the screen has them (0 to the right, 90
    // down, clockwise).
    export interface TeachingOverlay {
        lines: { x1: number; y1: number; x2: number; y2: number; critical: boolean }[];
        arcs: { x: number; y: number; radius: number; startDegrees: number; spanDegrees: number }[];
        texts: OverlayText[];
        controlCaptions: OverlayText[];
        panelX: number;
        panelY: number;
        panel: Phrase[];
    }
    export type RunCommand = 'stop' | 'pauseResume' | 'stepOnce';
    // Steps drawn of all the run's steps; the part of the run reached (0 ... 4), said to screen
    // readers when it changes; the words (a Czech source in the context "Brontel", %1 drawn,
    // %2 all).
    export interface RunProgress {
        drawn: number;
        total: number;
        stage: number;
        text: string;
    }
    export interface PageCore {
        setDecimalComma(comma: boolean): void;
        click(option: ControlName): boolean;
        type(field: 'nIndex' | 'nAlfa', text: string): boolean;
        scroll(value: number): void;
        start(): Refusal | null;
        // The pause after the step drawn, in microseconds; null when the run drew none.
        step(): number | null;
        advance(steps: number): number;
        // A key as the browser names it; whether it steered the run.
        pressKey(key: string, withShortcutModifier: boolean, autoRepeat: boolean): boolean;
        // A command of the run from the touch bar, by the keys' rules; whether it steered.
        steer(command: RunCommand): boolean;
        // Whether the command would steer the run now.
        steers(command: RunCommand): boolean;
        // How far the run has come; null when no run goes.
        progress(): RunProgress | null;
        subscribe(listener: (change: ModelChange) => void): void;
        end(): boolean;
        state(): 'idle' | 'running' | 'paused';
        stepsShown(): number;
        slowDownCount(): number;
        field(name: ControlName): string;
        selectedOption(frame: ControlName): ControlName | '';
        visible(name: ControlName): boolean;
        scrollValue(): number;
        markerY(): number;
        detectorHLabelLeft(): number;
        detectorHLabelTop(): number;
        pictureSize(): number;
        pictureFrom(from: number): Float32Array;
        // The picture's pixels brought up to date at a canvas' size, factor pixels to a design
        // pixel (the window's rules): the box that changed, empty when nothing did. Drawn
        // afresh when whole, or when the size, the factor, the marker or the run changed.
        drawPixels(width: number, height: number, factor: number, whole: boolean): PixelBox;
        // Those pixels for an ImageData of that size: a view of the core's memory, valid until
        // the core next draws.
        pixelData(): Uint8ClampedArray<ArrayBuffer>;
        detectorPlaces(): number[];
        csv(): string;
        // decimal: the locale's decimal separator; anything but a comma gives the point.
        spreadsheetCsv(decimal: string): string;
        // lineTemplate: the settings line with %1 to %4; water, glass: the substance's word.
        settingsLine(lineTemplate: string, water: string, glass: string): string;
        // captionLines: the words of design().sceneCaptions, one a line, in that order.
        sceneSvg(captionLines: string, settingsLine: string): string;
        // The scene of a saved picture at times pixels to a design pixel, without its captions
        // and settings line: the ground, the line controls and the run, by the window's rules;
        // left, top: where the scene begins in the design's window, in design pixels.
        exportPixels(times: number): { width: number; height: number; left: number; top: number; data: Uint8ClampedArray<ArrayBuffer> };
        teachingOverlay(): TeachingOverlay;
        theoryPanel(): Phrase[];
        delete(): void;
    }
    // A box of a canvas' pixels: columns x to x + width, rows y to y + height.
    export interface PixelBox {
        x: number;
        y: number;
        width: number;
        height: number;
    }
    // The explore view's settings as its model holds them (web/core/ExploreBindings.cpp).
    export interface ExploreSettings {
        alpha: number; // true degrees
        substance: 'water' | 'glass' | 'other';
        index: number;
        beam: 'hard' | 'gaussian';
        waist: number; // twips
        step: number; // twips
        arrows: 'exact' | 'equal';
        secondBlock: boolean;
        gapInDepths: number;
        gapTwips: number;
        index2: number;
        pickedHeight: number; // twips
    }
    // Classical optics for the settings; null where there is none (no critical angle, no d,
    // no second block).
    export interface ExploreReadouts {
        criticalAngle: number | null;
        brewsterAngle: number;
        depthTwips: number | null;
        depthWavelengths: number | null;
        reflectanceS: number;
        reflectanceP: number;
        transmittanceS: number;
        transmittanceP: number;
        gapTransmissionS: number | null;
        gapTransmissionP: number | null;
        falseBeam: boolean;
        largestCleanStep: number;
        neededWaist: number | null;
    }
    // A label of the explore pictures in twips: its words (a Czech source in the context
    // "ExploreView") or, when words is null, the literal text; numbers for %1, %2, ...
    export interface ExploreLabel {
        x: number;
        y: number;
        anchor: 'topLeft' | 'top' | 'topRight' | 'left' | 'right' | 'bottomLeft' | 'bottom';
        words: string | null;
        literal: string;
        numbers: { value: number; decimals: number }[];
        colour: number;
    }
    export interface ExploreView {
        set(name: string, value: number | string | boolean): void;
        settings(): ExploreSettings;
        readouts(): ExploreReadouts;
        // The pictures: seven numbers a command as PageCore.pictureFrom gives them, and labels.
        draw(): { lines: Float32Array; labels: ExploreLabel[] };
        // The height a point (twips) of the last drawing picks on the intensity plot.
        heightAt(x: number, y: number): number | null;
        csv(): string;
        delete(): void;
    }
    // A kept run's settings and its arrows' lengths (web/core/LessonBindings.cpp).
    export interface KeptRun {
        substance: 'water' | 'glass';
        index: number;
        alpha: number;
        distance: number;
        arrowLengthVH: number;
        arrowLengthL: number;
    }
    // A tick of the comparison chart: its value and where its label is anchored, in twips (left
    // of the value axis, right-aligned; under the place axis, centred).
    export interface ChartTick {
        value: number;
        x: number;
        y: number;
    }
    // The comparison chart in twips on a canvas of its own: its lines (seven numbers a command, as
    // PageCore.pictureFrom gives them), each detector's panel (V, H, L) with its ticks, and per
    // run where its legend entry starts and how its line is drawn (colour 0x00BBGGRR, dashes in
    // twips, none for solid).
    export interface ComparisonChart {
        lines: Float32Array;
        width: number;
        height: number;
        scale: ChartScale;
        panels: {
            left: number; top: number; right: number; bottom: number;
            valueTicks: ChartTick[]; placeTicks: ChartTick[];
        }[];
        legend: { x: number; y: number; colour: number; dashes: number[] }[];
        legendSampleLength: number;
    }
    export type ChartScale = 'linear' | 'logarithmic';
    // The runs a class keeps to compare, up to four, and its prediction sketch.
    export interface Lesson {
        // Whether the last run has ended and went to its end.
        canKeep(core: PageCore): boolean;
        keep(core: PageCore): 'kept' | 'notWhole' | 'alreadyKept' | 'full';
        drop(place: number): void;
        runs(): KeptRun[];
        setScale(scale: ChartScale): void;
        chart(): ComparisonChart;
        // The chart's table as the desktop's comparison saves it (standard CSV).
        comparisonCsv(): string;
        setSketching(on: boolean): void;
        sketching(): boolean;
        // A stroke point by point, in twips of the window; nothing while not sketching.
        beginStroke(x: number, y: number): void;
        extendStroke(x: number, y: number): void;
        clearPrediction(): void;
        strokes(): number;
        setPredictionInExports(on: boolean): void;
        predictionInExports(): boolean;
        // The sketch's drawing, as PageCore.pictureFrom gives commands.
        prediction(): Float32Array;
        // Called after every change of the kept runs, the scale or the prediction.
        subscribe(listener: () => void): void;
        delete(): void;
    }
    // The letters of saved pictures as the desktop sets them, from the glyph atlas it made
    // (web/core/LetterBindings.cpp).
    export interface ExportLetters {
        // Takes the atlas; false when the bytes are not one.
        load(bytes: Uint8Array): boolean;
        loaded(): boolean;
        // Pixels of a saved picture (an ImageData's bytes) for the page to fill, a view of the
        // core's memory; null when there can be none of that size.
        pixels(width: number, height: number): Uint8ClampedArray<ArrayBuffer> | null;
        // The same pixels again, after the core may have grown its memory.
        view(): Uint8ClampedArray<ArrayBuffer> | null;
        // Letters the picture in pixels(), saved at times, with the captions' words one a line
        // in the order of the design's scene captions; what the atlas did not hold is the page's.
        letter(core: PageCore, times: number, captions: string, settingsLine: string): { captions: ControlName[]; settingsLine: boolean };
        delete(): void;
    }
    export interface CoreModule {
        PageCore: new () => PageCore;
        ExportLetters: new () => ExportLetters;
        ExploreView: new () => ExploreView;
        Lesson: new () => Lesson;
        // Where a prediction's strokes may go, in twips of the window: left, top, right, bottom.
        sketchBounds(): [number, number, number, number];
        // The worksheet (or its key) as a whole HTML document, its words from lookup (a Czech
        // source in the context "Worksheet" in, the language's text out).
        worksheetHtml(part: 'sheet' | 'key', lookup: (source: string) => string, decimalComma: boolean): string;
        // Milliseconds for one live re-sum of the explore view's heights, the best of `repeats`.
        timeExploreSums(repeats: number, plain: boolean): number;
        exploreHeightCount(): number;
        timeSums(repeats: number): number;
        windowTexts(): ControlTexts[];
        // The characters a number field holds; the sentence (Czech, %1 the number) when a paste
        // goes past them.
        fieldLimit(): { longest: number; text: string };
        windowLayout(): WindowLayout;
        accessibleTexts(): AccessibleText[];
    }
    export default function createBrontelCore(): Promise<CoreModule>;
}
