// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as files and on paper: PNG at 1, 2 and 4 times, SVG, the curves as CSV, print;
// each with the captions the window's export draws, in its order, and the overlay when it is on.
import type { ControlName, PageCore, TeachingOverlay } from 'brontel-core';
import { download, downloadCanvas } from './Downloads';
import { controlLayout, design, element } from './Layout';
import { type Caption, pictureCanvas, pictureSvg } from './Picture';

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

export function saveSvg(core: PageCore, caption: CaptionOf, overlay?: TeachingOverlay): void {
    const svg = pictureSvg(core.pictureFrom(0), core.markerY(), captions(core, caption), overlay);
    download('brontel.svg', new Blob([svg], { type: 'image/svg+xml' }));
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
    download('brontel.csv', new Blob([core.spreadsheetCsv(localeDecimal())], { type: 'text/csv' }));
}

export function printPicture(core: PageCore, caption: CaptionOf, alt: string, overlay?: TeachingOverlay): void {
    const holder = document.getElementById('print') as HTMLElement;
    const image = element('img', { alt });
    image.src = picture(core, caption, 4, overlay).toDataURL('image/png');
    holder.replaceChildren(image);
    print();
}
