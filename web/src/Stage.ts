// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's canvases: the run's picture over the line controls, the detectors' rings, the
// teaching overlay; the window scaled to the browser's at one uniform factor.
import type { PageCore } from 'brontel-core';
import { type Box, arrange } from './Arrangement';
import { design, element } from './Layout';
import { drawOverlay, overlayText, saveOverlay, savedOverlay } from './Overlay';
import { language } from './Texts';

export class Stage {
    readonly canvas = element('canvas', { id: 'picture', role: 'img', tabindex: '-1' });
    private readonly rings = element('canvas', { id: 'rings', 'aria-hidden': 'true' });
    // The teaching overlay, over the picture and under the controls; never drawn into the picture.
    private readonly overlay = element('canvas', { id: 'overlay', 'aria-hidden': 'true' });
    // Its words for screen readers, which the canvas cannot give.
    private readonly overlayWords = element('div', { id: 'overlayWords', class: 'unseen', role: 'note' });
    overlayOn = savedOverlay();
    private shownOverlay = '';
    factor = 1;

    // What goes beside the window: the run's bar.
    beside: HTMLElement[] = [];
    // Upright, the settings are shown at a finger's size under the bar, out of the window.
    upright: (area: Box | null) => void = () => undefined;

    constructor(private readonly core: PageCore, private readonly root: HTMLElement) {}

    get layers(): HTMLElement[] {
        return [this.canvas, this.rings, this.overlay, this.overlayWords];
    }

    get pixelRatio(): number {
        return this.factor * devicePixelRatio;
    }

    // The window at one uniform factor, with the run's bar beside or under it (see Arrangement),
    // the canvases at device pixels.
    fit(): void {
        const { width: designWidth, height: designHeight } = design();
        const width = document.documentElement.clientWidth;
        const height = document.documentElement.clientHeight;
        const touch = matchMedia('(any-pointer: coarse)').matches;
        const at = arrange(width, height, designWidth, designHeight, touch);
        this.factor = at.factor;
        this.root.style.transform = `translate(${at.left}px, ${at.top}px) scale(${this.factor})`;
        for (const e of this.beside) {
            e.hidden = at.bar === null;
            if (at.bar) Object.assign(e.style, pixels(at.bar));
            e.classList.toggle('across', at.across);
        }
        this.upright(at.settingsBelow);
        // A finger's target, 24 CSS pixels, in the window's own pixels (see page.css).
        this.root.style.setProperty('--target', touch ? `${24 / this.factor}px` : '0px');
        // Setting a canvas's size, even to the same, gives it a new buffer, which at 4K costs
        // more than drawing the whole picture.
        const [w, h] = [Math.round(designWidth * this.pixelRatio), Math.round(designHeight * this.pixelRatio)];
        for (const c of [this.canvas, this.rings, this.overlay]) {
            if (c.width !== w || c.height !== h) [c.width, c.height] = [w, h];
        }
        this.root.dataset.factor = String(this.factor);
        this.drawPicture(true);
        this.drawRings();
        this.drawOverlay(true);
    }

    // The line controls and the run's picture, set into the pixels by the window's rules in the
    // core; only the box a step changed is put.
    drawPicture(all = false): void {
        const context = this.canvas.getContext('2d');
        if (context === null) return;
        const { width, height } = this.canvas;
        const box = this.core.drawPixels(width, height, this.pixelRatio, all);
        if (box.width <= 0 || box.height <= 0) return;
        context.putImageData(new ImageData(this.core.pixelData(), width, height), 0, 0,
            box.x, box.y, box.width, box.height);
    }

    drawRings(): void {
        const context = this.rings.getContext('2d');
        if (context === null) return;
        context.clearRect(0, 0, this.rings.width, this.rings.height);
        const places = this.core.detectorPlaces();
        const scale = this.pixelRatio / design().twipsPerPixel;
        context.strokeStyle = 'red';
        context.lineWidth = 2 * this.pixelRatio;
        for (let i = 0; i + 1 < places.length; i += 2) {
            context.beginPath();
            context.arc(places[i] * scale, places[i + 1] * scale, 4 * this.pixelRatio, 0, 2 * Math.PI);
            context.stroke();
        }
    }

    // Redrawn only when what it shows changes: its settings, the language, the size.
    drawOverlay(all = false): void {
        const context = this.overlay.getContext('2d');
        if (context === null) return;
        this.root.dataset.overlay = this.overlayOn ? 'on' : 'off';
        const shown = this.overlayOn ? JSON.stringify([language(), this.core.teachingOverlay()]) : '';
        if (!all && shown === this.shownOverlay) return;
        this.shownOverlay = shown;
        context.clearRect(0, 0, this.overlay.width, this.overlay.height);
        const words: HTMLElement[] = [];
        if (this.overlayOn) {
            const overlay = this.core.teachingOverlay();
            drawOverlay(context, overlay, this.pixelRatio, true);
            for (const phrase of [...overlay.texts, ...overlay.controlCaptions].map((t) => t.phrase).concat(overlay.panel)) {
                const line = element('p');
                line.textContent = overlayText(phrase);
                words.push(line);
            }
        }
        this.overlayWords.replaceChildren(...words);
    }

    switchOverlay(on: boolean): void {
        this.overlayOn = on;
        saveOverlay(on);
        this.drawOverlay();
    }
}

const pixels = (b: Box) => ({ left: `${b.left}px`, top: `${b.top}px`, width: `${b.width}px`, height: `${b.height}px` });
