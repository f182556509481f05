// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as files and on paper: PNG at 1, 2 and 4 times, SVG, the curves as CSV, print;
// each with the captions the window's export draws, in its order, and the overlay when it is on.
import type { ControlName, PageCore, TeachingOverlay } from 'brontel-core';
import { download, downloadCanvas } from './Downloads';
import { controlLayout, design, element } from './Layout';
import { exportLetters } from './Letters';
import { drawOverlay } from './Overlay';
import { type Caption, pictureSvg, replay, serif } from './Picture';
import { tr } from './Texts';

export type CaptionOf = (name: ControlName) => string;

export function captions(core: PageCore, caption: CaptionOf): Caption[] {
    return design().sceneCaptions.filter((name) => core.visible(name)).map((name) => {
        const c = controlLayout(name);
        return {
            name,
            text: caption(name),
            place: name === 'nDetektorH' ? [core.detectorHLabelLeft(), core.detectorHLabelTop(), c.place[2], c.place[3]] : c.place,
            points: c.points,
            align: c.align,
            green: c.green,
        };
    });
}

// The scene captions' words one a line, in the design's order, as the core takes them.
const captionLines = (caption: CaptionOf): string => design().sceneCaptions.map((name) => caption(name)).join('\n');

// Drawing the user asked to have in saved pictures too, over the run's (the prediction).
export const alsoInExports: (() => Float32Array)[] = [];

function joined(parts: Float32Array[]): Float32Array {
    const all = new Float32Array(parts.reduce((n, p) => n + p.length, 0));
    parts.reduce((at, p) => (all.set(p, at), at + p.length), 0);
    return all;
}

const extraDrawing = (): Float32Array => joined(alsoInExports.map((drawing) => drawing()));

// The scene as the window saves it, times pixels to a design pixel: the run set into the pixels
// by the core's rasteriser, the captions on their grounds, the settings line under the scene,
// and the teaching overlay when it is on; no control panel.
export function picture(core: PageCore, caption: CaptionOf, times: number, overlay?: TeachingOverlay): HTMLCanvasElement {
    const { twipsPerPixel } = design();
    const scene = core.exportPixels(times);
    const canvas = document.createElement('canvas');
    canvas.width = scene.width;
    canvas.height = Math.round((scene.height / times + settingsLineHeight) * times);
    const context = canvas.getContext('2d');
    if (context === null) throw new Error('no 2D canvas');
    context.fillStyle = '#c0c0c0';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.putImageData(new ImageData(scene.data, scene.width, scene.height), 0, 0);
    // Drawing on the scene, in the window's design pixels, cut to the scene.
    const onScene = (draw: () => void): void => {
        context.save();
        context.beginPath();
        context.rect(0, 0, scene.width, scene.height);
        context.clip();
        context.translate(-scene.left * times, -scene.top * times);
        draw();
        context.restore();
    };
    const extra = extraDrawing();
    // The replay sets its own transform, from the scene's corner.
    if (extra.length > 0) onScene(() => replay(context, extra, times, [-scene.left * times, -scene.top * times]));
    const left = letterFromAtlas(core, context, times, caption);
    onScene(() => {
        for (const c of captions(core, caption).filter((c) => left.captions.includes(c.name))) {
            const [x, y, w, h] = c.place.map((v) => v / twipsPerPixel);
            context.fillStyle = c.green ? '#c0ffc0' : '#c0c0c0';
            context.fillRect(x * times, y * times, w * times, h * times);
            const size = Math.round((c.points * 96) / 72);
            writeLine(context, c.text, `bold ${size * times}px ${serif}`, size, [x + 2, y, w - 4, h], c.align, times);
        }
        if (overlay) drawOverlay(context, overlay, times, false);
    });
    if (left.settingsLine) {
        writeLine(context, settingsLine(core), `${13 * times}px "Liberation Sans", Arimo, Arial, sans-serif`, 13,
            [8, scene.height / times, scene.width / times - 16, settingsLineHeight], 'left', times);
    }
    return canvas;
}

// The captions on their grounds and the settings line set into the canvas as the desktop sets
// them, from its glyph atlas; what is left (all before the atlas is there, or a field's text with
// characters the atlas lacks) is the browser's to write.
function letterFromAtlas(core: PageCore, context: CanvasRenderingContext2D, times: number, caption: CaptionOf):
    { captions: ControlName[]; settingsLine: boolean } {
    const all = { captions: design().sceneCaptions.filter((name) => core.visible(name)), settingsLine: true };
    const letters = exportLetters();
    const { width, height } = context.canvas;
    const pixels = letters?.pixels(width, height);
    if (letters === undefined || pixels === null || pixels === undefined) return all;
    const image = context.getImageData(0, 0, width, height);
    pixels.set(image.data);
    const left = letters.letter(core, times, captionLines(caption), settingsLine(core));
    // The core's memory may have grown while it wrote: its pixels are looked up afresh.
    const lettered = letters.view();
    if (lettered === null) return all;
    image.data.set(lettered);
    context.putImageData(image, 0, 0);
    return left;
}

const settingsLineHeight = 24; // design pixels

// One line of text in a box of design pixels, centred up and down on its ascent and descent
// as the window's text layout centres it.
function writeLine(context: CanvasRenderingContext2D, text: string, font: string, size: number,
    box: number[], align: CanvasTextAlign, times: number): void {
    const [x, y, w, h] = box;
    const ascent = size * 0.891;
    const descent = size * 0.216;
    context.font = font;
    context.fillStyle = '#000';
    context.textAlign = align;
    context.textBaseline = 'alphabetic';
    const at = align === 'center' ? x + w / 2 : align === 'right' ? x + w : x;
    context.fillText(text, at * times, (y + (h - ascent - descent) / 2 + ascent) * times);
}

export function savePng(core: PageCore, caption: CaptionOf, times: number, overlay?: TeachingOverlay): void {
    downloadCanvas(`brontel-${times}x.png`, picture(core, caption, times, overlay));
}

// The line under a saved picture naming the settings, as the window writes it.
export function settingsLine(core: PageCore): string {
    return core.settingsLine(tr('ScenePicture', '%1, index lomu %2, úhel dopadu %3°, detektor H %4 twipů nad hladinou'),
        tr('SubstanceCaption', 'Voda'), tr('SubstanceCaption', 'Sklo'));
}

// The scene as SVG: written by the core byte for byte as the window writes it; with the teaching
// overlay on, drawn here with the overlay over it.
export function sceneSvg(core: PageCore, caption: CaptionOf, overlay?: TeachingOverlay): string {
    const extra = extraDrawing();
    if (overlay !== undefined || extra.length > 0) {
        return pictureSvg(joined([core.pictureFrom(0), extra]), core.markerY(), captions(core, caption), overlay);
    }
    return core.sceneSvg(captionLines(caption), settingsLine(core));
}

export function saveSvg(core: PageCore, caption: CaptionOf, overlay?: TeachingOverlay): void {
    download('brontel.svg', new Blob([sceneSvg(core, caption, overlay)], { type: 'image/svg+xml' }));
}

export function saveCsv(core: PageCore): void {
    download('brontel.csv', new Blob([core.csv()], { type: 'text/csv' }));
}

// The decimal separator of the reader's locale, as a spreadsheet opened there reads numbers.
export function localeDecimal(locale?: string): string {
    const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
    return parts.find((p) => p.type === 'decimal')?.value ?? '.';
}

// The curves for a spreadsheet in the reader's locale, as the window writes them for its user's.
export function saveSpreadsheetCsv(core: PageCore): void {
    const text = core.spreadsheetCsv(localeDecimal());
    // The core's text reaches the page through a UTF-8 decoder that takes the byte order mark
    // off its start; the spreadsheet needs it back.
    const mark = text.startsWith('\uFEFF') ? '' : '\uFEFF';
    download('brontel.csv', new Blob([mark + text], { type: 'text/csv' }));
}

export function printPicture(core: PageCore, caption: CaptionOf, alt: string, overlay?: TeachingOverlay): void {
    const holder = document.getElementById('print') as HTMLElement;
    const image = element('img', { alt });
    image.src = picture(core, caption, 4, overlay).toDataURL('image/png');
    holder.replaceChildren(image);
    print();
}
