// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The prediction over the picture: the class's sketch drawn dashed over the scene, through the
// run and after it, on a canvas of its own above the picture. While sketching, a mouse, a pen or
// a finger on the scene draws strokes (pointer events); the rest of the time every click goes
// through to the page.
import type { Lesson } from 'brontel-core';
import { design, element, place } from '../Layout';
import { replay } from '../Picture';
import type { Stage } from '../Stage';

export class PredictionLayer {
    private readonly canvas = element('canvas', { id: 'prediction', 'aria-hidden': 'true' });
    // Where strokes may go: it takes the pointer only while sketching.
    private readonly pad = element('div', { id: 'sketchPad', hidden: '' });

    constructor(private readonly lesson: Lesson, private readonly stage: Stage,
        bounds: [number, number, number, number]) {
        const [left, top, right, bottom] = bounds;
        place(this.pad, [left, top, right - left, bottom - top]);
        // Over the picture, its rings and the overlay; under the menu and the controls after them.
        const overlay = stage.canvas.parentElement?.querySelector('#overlay') ?? stage.canvas;
        overlay.after(this.canvas, this.pad);
        this.pad.addEventListener('pointerdown', (e) => {
            if (!e.isPrimary) return;
            e.preventDefault();
            this.pad.setPointerCapture(e.pointerId);
            this.lesson.beginStroke(...this.twips(e));
        });
        this.pad.addEventListener('pointermove', (e) => {
            if (!this.pad.hasPointerCapture(e.pointerId)) return;
            for (const p of e.getCoalescedEvents?.() ?? [e]) this.lesson.extendStroke(...this.twips(p));
        });
        lesson.subscribe(() => this.draw());
        // The stage sets its factor on every fit; the canvas follows it.
        new MutationObserver(() => this.draw()).observe(stage.canvas, { attributes: true, attributeFilter: ['width', 'height'] });
        this.draw();
    }

    // A point of the pointer in twips of the window.
    private twips(e: PointerEvent): [number, number] {
        const rect = this.stage.canvas.getBoundingClientRect();
        const { width, height, twipsPerPixel } = design();
        return [((e.clientX - rect.left) / rect.width) * width * twipsPerPixel,
            ((e.clientY - rect.top) / rect.height) * height * twipsPerPixel];
    }

    private draw(): void {
        const sketching = this.lesson.sketching();
        this.pad.hidden = !sketching;
        const strokes = this.lesson.strokes();
        Object.assign(this.canvas.dataset, { strokes: String(strokes), sketching: String(sketching) });
        const { width, height } = this.stage.canvas;
        if (this.canvas.width !== width || this.canvas.height !== height) [this.canvas.width, this.canvas.height] = [width, height];
        const context = this.canvas.getContext('2d');
        if (context === null) return;
        context.clearRect(0, 0, width, height);
        replay(context, this.lesson.prediction(), this.stage.pixelRatio);
    }
}
