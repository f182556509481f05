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

// Drawing the user asked to have in saved pictures too, over the run's (the prediction).
export const alsoInExports: (() => Float32Array)[] = [];

function exported(core: PageCore): Float32Array {
    const parts = [core.pictureFrom(0), ...alsoInExports.map((drawing) => drawing())];
    const all = new Float32Array(parts.reduce((n, p) => n + p.length, 0));
    parts.reduce((at, p) => (all.set(p, at), at + p.length), 0);
    return all;
}

export function picture(core: PageCore, caption: CaptionOf, times: number, overlay?: TeachingOverlay): HTMLCanvasElement {
    return pictureCanvas(exported(core), core.markerY(), captions(core, caption), times, overlay);
}

export function savePng(core: PageCore, caption: CaptionOf, times: number, overlay?: TeachingOverlay): void {
    downloadCanvas(`brontel-${times}x.png`, picture(core, caption, times, overlay));
}

export function saveSvg(core: PageCore, caption: CaptionOf, overlay?: TeachingOverlay): void {
    const svg = pictureSvg(exported(core), core.markerY(), captions(core, caption), overlay);
    download('brontel.svg', new Blob([svg], { type: 'image/svg+xml' }));
}

export function saveCsv(core: PageCore): void {
    download('brontel.csv', new Blob([core.csv()], { type: 'text/csv' }));
}

export function printPicture(core: PageCore, caption: CaptionOf, alt: string, overlay?: TeachingOverlay): void {
    const holder = document.getElementById('print') as HTMLElement;
    const image = element('img', { alt });
    image.src = picture(core, caption, 4, overlay).toDataURL('image/png');
    holder.replaceChildren(image);
    print();
}
