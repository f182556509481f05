// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view: the evanescent wave and tunnelling, beside the main window and free of its
// three settings. Its state and rules are the core's explore model; this shows them, hands it
// the user's changes, draws its pictures again within the frame, and saves its table. Opened
// from the page's menu or F3; whether it is open is remembered between visits.
import type { CoreModule, ExploreView as CoreExploreView } from 'brontel-core';
import { download } from '../Downloads';
import { fill, language, pageText, tr } from '../Texts';
import { ExploreControls } from './ExploreControls';
import { drawExplore, exploreHeight, exploreWidth, formatNumber } from './ExplorePicture';

const remembered = 'brontel.explore';
// As page.css has it: the controls go below the pictures.
const narrow = '(max-aspect-ratio: 1/1), (max-width: 700px)';

function savedOpen(): boolean {
    try {
        return localStorage.getItem(remembered) === 'open';
    } catch {
        return false; // storage may be off
    }
}

function saveOpen(open: boolean): void {
    try {
        localStorage.setItem(remembered, open ? 'open' : 'closed');
    } catch {
        // then it lasts as long as the page
    }
}

export class Explore {
    private readonly view: CoreExploreView;
    private readonly section = document.createElement('section');
    private readonly title = document.createElement('h2');
    private readonly canvas = document.createElement('canvas');
    private readonly readouts = document.createElement('div');
    private readonly save = document.createElement('button');
    private readonly close = document.createElement('button');
    private readonly controls: ExploreControls;
    private scheduled = false;
    private returnFocus?: HTMLElement;

    constructor(module: CoreModule) {
        this.view = new module.ExploreView();
        this.section.id = 'explore';
        this.section.hidden = true;
        this.section.setAttribute('role', 'dialog');
        this.section.setAttribute('aria-labelledby', 'exploreTitle');
        const head = document.createElement('div');
        head.id = 'exploreHead';
        this.title.id = 'exploreTitle';
        this.close.type = 'button';
        this.close.id = 'exploreClose';
        this.close.textContent = '✕';
        this.close.addEventListener('click', () => this.hide());
        head.append(this.title, this.close);
        const side = document.createElement('div');
        side.id = 'exploreSide';
        this.controls = new ExploreControls(side, (name, value) => {
            this.view.set(name, value);
            this.changed();
        });
        this.readouts.id = 'exploreReadouts';
        this.readouts.setAttribute('role', 'status');
        this.save.type = 'button';
        this.save.id = 'exploreSave';
        this.save.addEventListener('click', () => this.saveTable());
        side.append(this.readouts, this.save);
        this.canvas.id = 'explorePicture';
        this.canvas.setAttribute('role', 'img');
        // A click or drag on the intensity plot picks the Cornu spiral's height.
        const pick = (e: PointerEvent) => {
            const rect = this.canvas.getBoundingClientRect();
            const twips = (15 * exploreWidth) / rect.width;
            const z = this.view.heightAt((e.clientX - rect.left) * twips, (e.clientY - rect.top) * twips);
            if (z !== null) {
                this.view.set('pickedHeight', z);
                this.changed();
            }
        };
        this.canvas.addEventListener('pointerdown', (e) => {
            pick(e);
            this.canvas.setPointerCapture(e.pointerId);
        });
        this.canvas.addEventListener('pointermove', (e) => {
            if (this.canvas.hasPointerCapture(e.pointerId)) pick(e);
        });
        const body = document.createElement('div');
        body.id = 'exploreBody';
        body.append(side, this.canvas);
        this.section.append(head, body);
        document.body.append(this.section);
        // Before the page's own keys, which steer the main window's run hidden under this view.
        document.addEventListener('keydown', (e) => this.key(e), true);
        addEventListener('resize', () => this.changed());
        if (savedOpen()) this.show();
    }

    get open(): boolean {
        return !this.section.hidden;
    }

    show(): void {
        this.returnFocus = (document.activeElement as HTMLElement | null) ?? undefined;
        this.section.hidden = false;
        saveOpen(true);
        this.retranslate();
        this.close.focus();
    }

    hide(): void {
        this.section.hidden = true;
        saveOpen(false);
        this.returnFocus?.focus();
    }

    // The language chosen in the page's menu.
    retranslate(): void {
        this.title.textContent = tr('ExploreWindow', 'Zkoumat: evanescentní vlna a tunelování');
        this.save.textContent = tr('ExploreWindow', 'Uložit tabulku').concat(' (CSV)');
        this.close.setAttribute('aria-label', pageText('close'));
        this.close.title = this.close.getAttribute('aria-label') ?? '';
        this.controls.retranslate();
        this.section.lang = language();
        this.changed();
    }

    // Redrawn once in the next frame, however many changes come before it.
    private changed(): void {
        if (!this.open || this.scheduled) return;
        this.scheduled = true;
        requestAnimationFrame(() => {
            this.scheduled = false;
            this.redraw();
        });
    }

    private redraw(): void {
        const settings = this.view.settings();
        this.controls.show(settings);
        this.section.dataset.alpha = String(settings.alpha);
        const width = this.pictureWidth();
        this.canvas.style.width = `${width}px`;
        this.canvas.style.height = `${(width * exploreHeight) / exploreWidth}px`;
        const ratio = Math.max(width / exploreWidth, 0.1) * devicePixelRatio;
        const [w, h] = [Math.round(exploreWidth * ratio), Math.round(exploreHeight * ratio)];
        if (this.canvas.width !== w || this.canvas.height !== h) [this.canvas.width, this.canvas.height] = [w, h];
        const context = this.canvas.getContext('2d');
        const drawing = this.view.draw();
        if (context !== null) drawExplore(context, drawing.lines, drawing.labels, ratio);
        this.showReadouts();
        this.section.dataset.drawn = String(Number(this.section.dataset.drawn ?? 0) + 1);
    }

    // As wide as the view allows: beside the controls, the whole picture within the window's
    // height; below them on a narrow or upright screen, the window's width.
    private pictureWidth(): number {
        const body = this.canvas.parentElement?.getBoundingClientRect();
        if (body === undefined) return exploreWidth;
        const padding = 16;
        if (matchMedia(narrow).matches) return Math.max(body.width - padding, 100);
        const beside = body.width - padding - 8 - 330;
        const below = innerHeight - body.top - padding;
        return Math.max(Math.min(beside, (below * exploreWidth) / exploreHeight), 100);
    }

    private showReadouts(): void {
        const r = this.view.readouts();
        const n = formatNumber;
        const w = (source: string, ...values: string[]) => fill(tr('ExploreWindow', source), ...values);
        const lines = [
            r.criticalAngle !== null ? w('Mezní úhel θc = %1°', n(r.criticalAngle, 2)) : w('Mezní úhel: žádný (n = 1)'),
            w('Brewsterův úhel θB = %1°', n(r.brewsterAngle, 2)),
            r.depthTwips !== null && r.depthWavelengths !== null
                ? w('Hloubka průniku d = %1 twipu = %2 λ₀', n(r.depthTwips, 3), n(r.depthWavelengths, 3))
                : w('Pod mezním úhlem: světlo se láme do vzduchu, d není.'),
            w('Odrazivost R: s %1 %, p %2 %', n(r.reflectanceS, 1), n(r.reflectanceP, 1)),
            w('Propustnost T: s %1 %, p %2 %', n(r.transmittanceS, 1), n(r.transmittanceP, 1)),
        ];
        if (r.gapTransmissionS !== null && r.gapTransmissionP !== null) {
            lines.push(w('Mezera %1 twipu propustí: s %2 %, p %3 %', n(this.view.settings().gapTwips, 3),
                n(r.gapTransmissionS, 2), n(r.gapTransmissionP, 2)));
        }
        this.readouts.replaceChildren(...lines.map((line) => {
            const p = document.createElement('p');
            p.textContent = line;
            return p;
        }));
        this.canvas.setAttribute('aria-label', [this.title.textContent ?? '', ...lines].join('. '));
    }

    private saveTable(): void {
        download('brontel-explore.csv', new Blob([this.view.csv()], { type: 'text/csv' }));
    }

    // F3 opens and closes the view; within it Ctrl+E saves the table and Escape closes it.
    private key(e: KeyboardEvent): void {
        if (e.key === 'F3') {
            e.preventDefault();
            if (this.open) this.hide();
            else this.show();
            return;
        }
        if (!this.open) return;
        e.stopPropagation();
        if (e.key === 'Escape') {
            e.preventDefault();
            this.hide();
        } else if (e.ctrlKey && (e.key === 'e' || e.key === 'E')) {
            e.preventDefault();
            this.saveTable();
        }
    }
}
