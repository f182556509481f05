// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as designed: its size, and every visible control's kind, place (twips; inside a
// frame relative to the frame) and font. Captions and tooltips are the model's (the core's
// windowTexts()).

export const twipsPerPixel = 15;
export const designWidth = 763;
export const designHeight = 575;

export type Kind = 'caption' | 'field' | 'button' | 'frame' | 'option' | 'scroll' | 'label';

export interface Control {
    name: string;
    kind: Kind;
    place: [number, number, number, number]; // left, top, width, height in twips
    frame?: string;
    points?: number; // serif bold font size
    green?: boolean; // on the substance's green
    align?: 'left' | 'center' | 'right';
    black?: boolean;
}

// In the design's tab order; frames carry their options.
export const controls: Control[] = [
    { name: 'nuBrontel', kind: 'caption', place: [4440, 0, 2295, 375], points: 15.75 },
    { name: 'cmdStart', kind: 'button', place: [6840, 0, 975, 375], points: 18 },
    { name: 'nAlfa', kind: 'field', place: [960, 5040, 855, 330], points: 14.25 },
    { name: 'frmDopad', kind: 'frame', place: [480, 5400, 1335, 1095] },
    { name: 'opMezní', kind: 'option', frame: 'frmDopad', place: [360, 480, 735, 255] },
    { name: 'opVětší', kind: 'option', frame: 'frmDopad', place: [480, 720, 615, 255] },
    { name: 'opMenší', kind: 'option', frame: 'frmDopad', place: [240, 240, 735, 195] },
    { name: 'nIndex', kind: 'field', place: [720, 1440, 855, 330], points: 14.25 },
    { name: 'frmLátka', kind: 'frame', place: [480, 1800, 975, 975] },
    { name: 'opVoda', kind: 'option', frame: 'frmLátka', place: [120, 240, 735, 255] },
    { name: 'opSklo', kind: 'option', frame: 'frmLátka', place: [120, 600, 735, 255] },
    { name: 'frmDistance', kind: 'frame', place: [240, 3120, 1935, 1335] },
    { name: 'opVelkáDistance', kind: 'option', frame: 'frmDistance', place: [120, 240, 1335, 255] },
    { name: 'opStředníDistance', kind: 'option', frame: 'frmDistance', place: [600, 600, 855, 255] },
    { name: 'opMaláDistance', kind: 'option', frame: 'frmDistance', place: [1080, 960, 615, 255] },
    { name: 'nTextIndex', kind: 'caption', place: [480, 1200, 1095, 285] },
    { name: 'nDetektorH', kind: 'caption', place: [5640, 3840, 1215, 285] },
    { name: 'nDetektorS', kind: 'caption', place: [8400, 6120, 1215, 255],
      green: true, align: 'center' },
    { name: 'nDetektorV', kind: 'caption', place: [5880, 1200, 1215, 285] },
    { name: 'nCornuovySpirály', kind: 'caption', place: [7800, 600, 1815, 255] },
    { name: 'nPravd2podobnost', kind: 'caption', place: [7440, 960, 1935, 285],
      align: 'right', black: true },
    { name: 'cmdKonec', kind: 'button', place: [8040, 0, 1215, 375], points: 18 },
    { name: 'labKlepnete', kind: 'label', place: [3960, 1800, 3255, 855],
      points: 18, align: 'center' },
    { name: 'nSklo', kind: 'caption', place: [8160, 5280, 615, 285], points: 14.25,
      green: true, align: 'center' },
    { name: 'nVoda', kind: 'caption', place: [8280, 5280, 735, 285], points: 14.25,
      green: true, align: 'center' },
    { name: 'nCornuLatka', kind: 'caption', place: [3240, 6600, 1815, 330],
      green: true },
    { name: 'HScroll1', kind: 'scroll', place: [4080, 480, 2415, 255] },
];

// The seven line controls: x1, y1, x2, y2 in twips and width in pixels. Line1 follows the
// detector distance.
export const lineControls: [number, number, number, number, number][] = [
    [2880, 3720, 11400, 3720, 1],
    [7320, 720, 7320, 7800, 1],
    [2880, 6480, 11400, 6480, 1],
    [2880, 5040, 11400, 5040, 2],
    [2880, 7080, 11400, 7080, 1],
    [9840, 600, 9840, 7800, 1],
    [3120, 840, 3120, 7800, 1],
];
