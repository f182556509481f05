// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view's pictures on a canvas: the core's drawing replayed as the main picture is,
// then its labels, their words translated and their numbers in the language's format.
import type { ExploreLabel } from 'brontel-core';
import { design } from '../Layout';
import { cssColour, replay } from '../Picture';
import { fill, language, tr } from '../Texts';

// The drawing's size in design pixels (13 500 × 9 000 twips).
export const exploreWidth = 900;
export const exploreHeight = 600;
const labelPixels = 12;

export function formatNumber(value: number, decimals: number): string {
    const text = value.toFixed(decimals);
    return language() === 'cs' ? text.replace('.', ',') : text;
}

export function labelText(label: ExploreLabel): string {
    // Words that are only numbers, such as "%1", are not translated.
    const words = label.words === null ? label.literal
        : /\p{L}/u.test(label.words) ? tr('ExploreView', label.words) : label.words;
    return fill(words, ...label.numbers.map((n) => formatNumber(n.value, n.decimals)));
}

// The top-left corner of a box of this size placed by its anchor at (x, y).
function placed(x: number, y: number, width: number, height: number, anchor: ExploreLabel['anchor']): [number, number] {
    switch (anchor) {
    case 'top': return [x - width / 2, y];
    case 'topRight': return [x - width, y];
    case 'left': return [x, y - height / 2];
    case 'right': return [x - width, y - height / 2];
    case 'bottomLeft': return [x, y - height];
    case 'bottom': return [x - width / 2, y - height];
    default: return [x, y];
    }
}

// pixelsPerDesignPixel: how many canvas pixels one design pixel takes.
export function drawExplore(context: CanvasRenderingContext2D, lines: Float32Array, labels: ExploreLabel[],
    pixelsPerDesignPixel: number): void {
    const { canvas } = context;
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = '#fff';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.restore();
    replay(context, lines, pixelsPerDesignPixel);
    context.save();
    const size = labelPixels * pixelsPerDesignPixel;
    context.font = `${size}px "Liberation Sans", Arial, sans-serif`;
    context.textBaseline = 'top';
    const lineHeight = size * 1.2;
    for (const label of labels) {
        const rows = labelText(label).split('\n');
        const width = Math.max(...rows.map((r) => context.measureText(r).width));
        const height = rows.length * lineHeight;
        const x = (label.x / design().twipsPerPixel) * pixelsPerDesignPixel;
        const y = (label.y / design().twipsPerPixel) * pixelsPerDesignPixel;
        const [left, top] = placed(x, y, width, height, label.anchor);
        context.fillStyle = cssColour(label.colour);
        rows.forEach((row, i) => context.fillText(row, left, top + i * lineHeight + (lineHeight - size) / 2));
    }
    context.restore();
}
