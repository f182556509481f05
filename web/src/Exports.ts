// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as files and on paper: PNG at 1, 2 and 4 times, SVG, the curves as CSV, print;
// each with the captions the window's export draws, in its order, and the overlay when it is on.
import type { ControlName, PageCore, TeachingOverlay } from 'brontel-core';
import { download, downloadCanvas } from './Downloads';
import { controlLayout, design, element } from './Layout';
import { type Caption, pictureCanvas, pictureSvg } from './Picture';
import { tr } from './Texts';

export type CaptionOf = (name: ControlName) => string;

export function captions(core: PageCore, caption: CaptionOf): Caption[] {
    return design().sceneCaptions.filter((name) => core.visible(name)).map((name) => {
        const c = controlLayout(name);
        return {
            text: caption(name),
            place: name === 'nDetektorH' ? [core.detectorHLabelLeft(), core.detectorHLabelTop(), c.place[2], c.place[3]] : c.place,
            points: c.points,
            align: c.align,
            green: c.green,
        };
    });
}

export function picture(core: PageCore, caption: CaptionOf, times: number, overlay?: TeachingOverlay): HTMLCanvasElement {
    return pictureCanvas(core.pictureFrom(0), core.markerY(), captions(core, caption), times, overlay);
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
    if (overlay !== undefined) return pictureSvg(core.pictureFrom(0), core.markerY(), captions(core, caption), overlay);
    return core.sceneSvg(design().sceneCaptions.map((name) => caption(name)).join('\n'), settingsLine(core));
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
