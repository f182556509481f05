// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays the core's drawing commands (seven numbers each: x1, y1, x2, y2 in twips, colour as
// 0x00BBGGRR, width in design pixels, kind: 0 line, 1 coloured line, 2 circle) onto a canvas at
// any scale, and writes them as SVG.
import type { ControlName, TeachingOverlay } from 'brontel-core';
import { design } from './Layout';
import { overlaySvg } from './Overlay';

export const stride = 7;
const circleKind = 2;

export function cssColour(colour: number): string {
    const r = colour & 0xff;
    const g = (colour >> 8) & 0xff;
    const b = (colour >> 16) & 0xff;
    return `rgb(${r},${g},${b})`;
}

// How many commands from `i` on are one line moved on across itself (down for a mostly level
// line, right for a mostly upright one), of one colour and width, each move no longer than the
// line's width: together they cover one parallelogram. A run wipes its picture with thousands of
// such lines a twip apart, which as strokes would paint every pixel many times over.
const roundingTwips = 0.05;

function band(c: Float32Array, i: number): number {
    if (c[i + 6] === circleKind) return 1;
    const level = Math.abs(c[i + 2] - c[i]) >= Math.abs(c[i + 3] - c[i + 1]);
    const along = level ? 0 : 1; // the coordinate that stays the same from line to line
    const across = 1 - along;
    const reach = c[i + 5] * design().twipsPerPixel;
    let j = i + stride;
    for (; j < c.length; j += stride) {
        if (c[j + 6] === circleKind || c[j + 4] !== c[i + 4] || c[j + 5] !== c[i + 5]) break;
        const step = c[j + across] - c[j - stride + across];
        // The ends are single-precision: a line moved on may differ from the first by a
        // rounding, far less than any pixel.
        if (Math.abs(c[j + along] - c[i + along]) > roundingTwips
            || Math.abs(c[j + 2 + along] - c[i + 2 + along]) > roundingTwips
            || Math.abs(c[j + 2 + across] - c[j + across] - (c[i + 2 + across] - c[i + across])) > roundingTwips
            || step < 0 || step > reach) break;
    }
    return (j - i) / stride;
}

function fillBand(context: CanvasRenderingContext2D, c: Float32Array, first: number, last: number,
    lineWidth: number): void {
    const half = lineWidth / 2;
    const level = Math.abs(c[first + 2] - c[first]) >= Math.abs(c[first + 3] - c[first + 1]);
    const [dx, dy] = level ? [0, half] : [half, 0];
    context.beginPath();
    context.moveTo(c[first] - dx, c[first + 1] - dy);
    context.lineTo(c[first + 2] - dx, c[first + 3] - dy);
    context.lineTo(c[last + 2] + dx, c[last + 3] + dy);
    context.lineTo(c[last] + dx, c[last + 1] + dy);
    context.closePath();
    context.fill();
}

// Lines and circles of one colour and width, commands `first` up to `end`. All are opaque and of
// one colour, so the order among them does not show. A level or upright line is filled as the
// rectangle its stroke covers, the same pixels at a fraction of the cost. The other lines and the
// circles are stroked in small paths: the canvas strokes one long path of thousands of short
// lines many times slower than the same lines in paths of a few dozen.
const strokesPerPath = 64;

function drawGroup(context: CanvasRenderingContext2D, c: Float32Array, first: number, end: number,
    colour: string, lineWidth: number): void {
    const half = lineWidth / 2;
    context.fillStyle = colour;
    context.beginPath();
    for (let j = first; j < end; j += stride) {
        if (c[j + 6] === circleKind) continue;
        const [x1, y1, x2, y2] = [c[j], c[j + 1], c[j + 2], c[j + 3]];
        if (y1 === y2) context.rect(Math.min(x1, x2), y1 - half, Math.abs(x2 - x1), lineWidth);
        else if (x1 === x2) context.rect(x1 - half, Math.min(y1, y2), lineWidth, Math.abs(y2 - y1));
    }
    context.fill();
    context.strokeStyle = colour;
    context.lineWidth = lineWidth;
    // Where lines meet, the bevel fills only the wedge between their ends.
    context.lineJoin = 'bevel';
    for (const circles of [false, true]) {
        let inPath = 0;
        let lastEnd = 0;
        context.beginPath();
        for (let j = first; j < end; j += stride) {
            if ((c[j + 6] === circleKind) !== circles) continue;
            if (circles) {
                context.moveTo(c[j] + c[j + 2], c[j + 1]);
                context.arc(c[j], c[j + 1], c[j + 2], 0, 2 * Math.PI);
            } else if (c[j] !== c[j + 2] && c[j + 1] !== c[j + 3]) {
                // A line going on from where the last one ended continues its path: a spiral's
                // thousands of short lines then cost a polyline's stroke, not thousands.
                if (inPath === 0 || c[j] !== c[lastEnd] || c[j + 1] !== c[lastEnd + 1]) context.moveTo(c[j], c[j + 1]);
                context.lineTo(c[j + 2], c[j + 3]);
                lastEnd = j + 2;
            } else {
                continue;
            }
            if (++inPath === strokesPerPath) {
                context.stroke();
                context.beginPath();
                inPath = 0;
            }
        }
        if (inPath > 0) context.stroke();
    }
}

// pixelsPerDesignPixel: the window's factor times the device pixel ratio; origin: where the
// design's corner falls on the canvas, in device pixels.
export function replay(context: CanvasRenderingContext2D, commands: Float32Array,
    pixelsPerDesignPixel: number, origin: [number, number] = [0, 0]): void {
    const scale = pixelsPerDesignPixel / design().twipsPerPixel;
    context.save();
    // Lines one device pixel wide fall on whole pixels, so they stay sharp.
    context.setTransform(scale, 0, 0, scale, origin[0] + 0.5, origin[1] + 0.5);
    context.lineCap = 'butt';
    let i = 0;
    while (i < commands.length) {
        const colour = commands[i + 4];
        const width = commands[i + 5];
        const lineWidth = Math.max(width * pixelsPerDesignPixel, 1) / scale;
        const lines = band(commands, i);
        if (lines > 2) {
            const last = i + (lines - 1) * stride;
            context.fillStyle = cssColour(colour);
            fillBand(context, commands, i, last, lineWidth);
            i = last + stride;
            continue;
        }
        let j = i + stride;
        while (j < commands.length && commands[j + 4] === colour && commands[j + 5] === width
            && band(commands, j) <= 2) j += stride;
        drawGroup(context, commands, i, j, cssColour(colour), lineWidth);
        i = j;
    }
    context.restore();
}

// The line controls, which the window shows under any picture.
export function drawLineControls(context: CanvasRenderingContext2D, markerY: number,
    pixelsPerDesignPixel: number): void {
    const scale = pixelsPerDesignPixel / design().twipsPerPixel;
    context.save();
    context.setTransform(scale, 0, 0, scale, 0.5, 0.5);
    context.strokeStyle = '#000';
    design().lines.forEach(([x1, y1, x2, y2, width], n) => {
        context.beginPath();
        context.moveTo(x1, n === 0 ? markerY : y1);
        context.lineTo(x2, n === 0 ? markerY : y2);
        context.lineWidth = Math.max(width * pixelsPerDesignPixel, 1) / scale;
        context.stroke();
    });
    context.restore();
}

export interface Caption {
    name: ControlName;
    text: string;
    place: [number, number, number, number];
    points: number;
    align: 'left' | 'center' | 'right';
    green: boolean;
}

export const serif = '"Times New Roman", "Liberation Serif", Tinos, "Brontel Serif", serif';

const escapeXml = (text: string) =>
    text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// The same as a vector picture in twips, lines and circles as they are.
export function pictureSvg(commands: Float32Array, markerY: number, captions: Caption[],
    overlay?: TeachingOverlay): string {
    const { width: designWidth, height: designHeight, twipsPerPixel } = design();
    const w = designWidth * twipsPerPixel;
    const h = designHeight * twipsPerPixel;
    const parts: string[] = [
        `<svg xmlns="http://www.w3.org/2000/svg" width="${designWidth}" height="${designHeight}" viewBox="0 0 ${w} ${h}">`,
        `<rect width="${w}" height="${h}" fill="#c0c0c0"/>`,
        '<g stroke="#000" stroke-width="15" fill="none">',
    ];
    design().lines.forEach(([x1, y1, x2, y2, width], n) => {
        parts.push(`<line x1="${x1}" y1="${n === 0 ? markerY : y1}" x2="${x2}" y2="${n === 0 ? markerY : y2}" stroke-width="${width * twipsPerPixel}"/>`);
    });
    parts.push('</g><g fill="none">');
    let i = 0;
    while (i < commands.length) {
        const colour = commands[i + 4];
        const width = commands[i + 5];
        let d = '';
        let j = i;
        for (; j < commands.length && commands[j + 4] === colour && commands[j + 5] === width; j += stride) {
            const [x1, y1, x2, y2] = [commands[j], commands[j + 1], commands[j + 2], commands[j + 3]];
            if (commands[j + 6] === circleKind) {
                parts.push(`<circle cx="${x1}" cy="${y1}" r="${x2}" stroke="${cssColour(colour)}" stroke-width="${width * twipsPerPixel}"/>`);
            } else if (Number.isFinite(x1 + y1 + x2 + y2)) {
                d += `M${+x1.toFixed(2)} ${+y1.toFixed(2)}L${+x2.toFixed(2)} ${+y2.toFixed(2)}`;
            }
        }
        if (d !== '') parts.push(`<path d="${d}" stroke="${cssColour(colour)}" stroke-width="${width * twipsPerPixel}"/>`);
        i = j;
    }
    parts.push('</g>');
    for (const c of captions) {
        const [left, top, width, height] = c.place;
        if (c.green) parts.push(`<rect x="${left}" y="${top}" width="${width}" height="${height}" fill="#c0ffc0"/>`);
        const x = c.align === 'center' ? left + width / 2 : c.align === 'right' ? left + width : left;
        const anchor = c.align === 'center' ? 'middle' : c.align === 'right' ? 'end' : 'start';
        parts.push(`<text x="${x}" y="${top + 15}" dominant-baseline="hanging" text-anchor="${anchor}" font-family="'Times New Roman', 'Liberation Serif', serif" font-weight="bold" font-size="${c.points * 20}">${escapeXml(c.text)}</text>`);
    }
    if (overlay) parts.push(overlaySvg(overlay));
    parts.push('</svg>');
    return parts.join('\n');
}
