// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching overlay as the core lays it out (in twips), drawn over the picture on its own
// canvas, into exported pictures when it is on, and as SVG. Its words come in Czech from the
// core and are translated here; its numbers are written with the language's decimal mark.
import type { OverlayText, Phrase, TeachingOverlay } from 'brontel-core';
import { design } from './Layout';
import { fill, language, tr } from './Texts';

// Blue and orange stand out on the picture's black, white, grey and green, each over a white
// halo so that it reads over the black beam too. Sizes in design pixels.
const guideInk = 'rgb(0,48,192)';
const criticalInk = 'rgb(192,64,0)';
const haloInk = 'rgba(255,255,255,0.86)';
const textGround = 'rgba(255,255,255,0.78)';
const penWidth = 1.5;
const haloWidth = 4;
const textPixels = 11;
const panelPixels = 10; // a little smaller, so that it stays above the prompt to press Start
const padding = 2;
const sans = '"Liberation Sans", Arimo, Arial, Helvetica, sans-serif';

const remembered = 'brontel.teachingOverlay';

export function savedOverlay(): boolean {
    try {
        return localStorage.getItem(remembered) === 'on';
    } catch {
        return false; // storage may be off; the overlay then starts off, as the design's picture
    }
}

export function saveOverlay(on: boolean): void {
    try {
        localStorage.setItem(remembered, on ? 'on' : 'off');
    } catch {
        // the choice then lasts as long as the page
    }
}

export function overlayText(phrase: Phrase): string {
    const comma = language() === 'cs';
    const numbers = phrase.numbers.map((n) => {
        const text = n.value.toFixed(n.decimals);
        return comma ? text.replace('.', ',') : text;
    });
    return fill(tr('TeachingOverlay', phrase.words), ...numbers);
}

interface Box {
    left: number;
    top: number;
    width: number;
    height: number;
}

interface Label {
    text: string;
    box: Box;
    bold: boolean;
    pixels: number;
}

// Where each text goes, in design pixels: boxes with their padding, the panel's frame.
interface Layout {
    labels: Label[];
    panel?: Box;
}

type Measure = (text: string, pixels: number, bold: boolean) => number;

const font = (pixels: number, bold: boolean) => `${bold ? 'bold ' : ''}${pixels}px ${sans}`;
// A line's height as the desktop's font metrics give it for the overlay's face.
const lineHeight = (pixels: number) => pixels * 1.15;

function boxAt(x: number, y: number, width: number, height: number, anchor: OverlayText['anchor']): Box {
    let [left, top] = [x, y];
    if (anchor === 'topRight' || anchor === 'bottomRight' || anchor === 'right') left -= width;
    if (anchor === 'bottomLeft' || anchor === 'bottomRight') top -= height;
    if (anchor === 'left' || anchor === 'right') top -= height / 2;
    return { left, top, width, height };
}

function layOut(overlay: TeachingOverlay, onWindow: boolean, measure: Measure): Layout {
    const labels: Label[] = [];
    const texts = onWindow ? [...overlay.texts, ...overlay.controlCaptions] : overlay.texts;
    for (const t of texts) {
        const text = overlayText(t.phrase);
        const width = measure(text, textPixels, false) + 2 * padding;
        const height = lineHeight(textPixels) + 2 * padding;
        labels.push({ text, box: boxAt(t.x / design().twipsPerPixel, t.y / design().twipsPerPixel, width, height, t.anchor), bold: false, pixels: textPixels });
    }
    if (overlay.panel.length === 0) return { labels };
    const lines = overlay.panel.map(overlayText);
    const width = Math.max(...lines.map((l, i) => measure(l, panelPixels, i === 0)));
    const spacing = lineHeight(panelPixels);
    const panel = { left: overlay.panelX / design().twipsPerPixel, top: overlay.panelY / design().twipsPerPixel, width: width + 4 * padding, height: spacing * lines.length + 2 * padding };
    lines.forEach((text, i) => labels.push({
        text,
        box: { left: panel.left + padding, top: panel.top + padding + i * spacing, width: width + 2 * padding, height: spacing },
        bold: i === 0,
        pixels: panelPixels,
    }));
    return { labels, panel };
}

function canvasMeasure(context: CanvasRenderingContext2D): Measure {
    return (text, pixels, bold) => {
        context.font = font(pixels, bold);
        return context.measureText(text).width;
    };
}

// Draws the overlay at pixelsPerDesignPixel; onWindow adds the captions of the window's
// controls, which an exported picture, having no controls, leaves out.
export function drawOverlay(context: CanvasRenderingContext2D, overlay: TeachingOverlay,
    pixelsPerDesignPixel: number, onWindow: boolean): void {
    context.save();
    context.setTransform(pixelsPerDesignPixel, 0, 0, pixelsPerDesignPixel, 0, 0);
    context.lineCap = 'butt';
    const ink = (path: Path2D, colour: string, dashed: boolean) => {
        context.setLineDash([]);
        context.strokeStyle = haloInk;
        context.lineWidth = haloWidth;
        context.stroke(path);
        context.setLineDash(dashed ? [4 * penWidth, 2 * penWidth] : []);
        context.strokeStyle = colour;
        context.lineWidth = penWidth;
        context.stroke(path);
    };
    const p = (v: number) => v / design().twipsPerPixel;
    for (const l of overlay.lines) {
        const path = new Path2D();
        path.moveTo(p(l.x1), p(l.y1));
        path.lineTo(p(l.x2), p(l.y2));
        ink(path, l.critical ? criticalInk : guideInk, l.critical);
    }
    for (const a of overlay.arcs) {
        const path = new Path2D();
        const start = (a.startDegrees * Math.PI) / 180;
        const end = ((a.startDegrees + a.spanDegrees) * Math.PI) / 180;
        path.arc(p(a.x), p(a.y), p(a.radius), start, end, a.spanDegrees < 0);
        ink(path, guideInk, false);
    }
    context.setLineDash([]);
    const layout = layOut(overlay, onWindow, canvasMeasure(context));
    if (layout.panel) {
        const b = layout.panel;
        context.fillStyle = textGround;
        context.fillRect(b.left, b.top, b.width, b.height);
        context.strokeStyle = guideInk;
        context.lineWidth = 1;
        context.strokeRect(b.left, b.top, b.width, b.height);
    }
    context.textBaseline = 'middle';
    for (const label of layout.labels) {
        const b = label.box;
        if (label.pixels === textPixels) {
            context.fillStyle = textGround;
            context.fillRect(b.left, b.top, b.width, b.height);
        }
        context.fillStyle = guideInk;
        context.font = font(label.pixels, label.bold);
        context.fillText(label.text, b.left + padding, b.top + b.height / 2);
    }
    context.restore();
}

const escapeXml = (text: string) =>
    text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// The overlay as SVG elements in twips, for a picture exported as SVG (no control captions).
export function overlaySvg(overlay: TeachingOverlay): string {
    const measuring = document.createElement('canvas').getContext('2d');
    if (measuring === null) return '';
    const t = (v: number) => +(v * design().twipsPerPixel).toFixed(2);
    const parts: string[] = ['<g id="teachingOverlay" fill="none" stroke-linecap="butt">'];
    const ink = (shape: string, colour: string, dashed: boolean) => {
        parts.push(`<${shape} stroke="${haloInk}" stroke-width="${t(haloWidth)}"/>`);
        const dash = dashed ? ` stroke-dasharray="${t(4 * penWidth)} ${t(2 * penWidth)}"` : '';
        parts.push(`<${shape} stroke="${colour}" stroke-width="${t(penWidth)}"${dash}/>`);
    };
    for (const l of overlay.lines) {
        ink(`line x1="${l.x1}" y1="${l.y1}" x2="${l.x2}" y2="${l.y2}"`, l.critical ? criticalInk : guideInk, l.critical);
    }
    for (const a of overlay.arcs) {
        const at = (degrees: number) => {
            const r = (degrees * Math.PI) / 180;
            return `${+(a.x + a.radius * Math.cos(r)).toFixed(2)} ${+(a.y + a.radius * Math.sin(r)).toFixed(2)}`;
        };
        const large = Math.abs(a.spanDegrees) > 180 ? 1 : 0;
        const sweep = a.spanDegrees > 0 ? 1 : 0;
        ink(`path d="M${at(a.startDegrees)}A${a.radius} ${a.radius} 0 ${large} ${sweep} ${at(a.startDegrees + a.spanDegrees)}"`, guideInk, false);
    }
    const layout = layOut(overlay, false, canvasMeasure(measuring));
    if (layout.panel) {
        const b = layout.panel;
        parts.push(`<rect x="${t(b.left)}" y="${t(b.top)}" width="${t(b.width)}" height="${t(b.height)}" fill="${textGround}" stroke="${guideInk}" stroke-width="${design().twipsPerPixel}"/>`);
    }
    for (const label of layout.labels) {
        const b = label.box;
        if (label.pixels === textPixels) {
            parts.push(`<rect x="${t(b.left)}" y="${t(b.top)}" width="${t(b.width)}" height="${t(b.height)}" fill="${textGround}"/>`);
        }
        parts.push(`<text x="${t(b.left + padding)}" y="${t(b.top + b.height / 2)}" dominant-baseline="central" fill="${guideInk}" font-family="'Liberation Sans', Arial, sans-serif" font-size="${t(label.pixels)}"${label.bold ? ' font-weight="bold"' : ''}>${escapeXml(label.text)}</text>`);
    }
    parts.push('</g>');
    return parts.join('\n');
}
