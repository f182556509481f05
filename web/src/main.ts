// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the design's window scaled to the browser's, its controls as real HTML controls,
// the picture on a canvas. What the controls do is decided by the window's model behind the
// core (web/core/PageCore); the page passes on each action and shows the result.
import createBrontelCore, { type ControlTexts, type PageCore, type Refusal, type RunKey } from 'brontel-core';
import { type Control, controls, designHeight, designWidth, twipsPerPixel } from './Design';
import { download, downloadCanvas } from './Downloads';
import help from './generated/help.json';
import { Explore } from './explore/ExploreView';
import { drawOverlay, overlayText, saveOverlay, savedOverlay } from './Overlay';
import { Pacer, frameBudgetMs } from './Pacer';
import { type Caption, drawLineControls, pictureCanvas, pictureSvg, replay, serif } from './Picture';
import { fill, type Language, language, pageText, saveLanguage, setLanguage, tr } from './Texts';

const px = (twips: number) => `${twips / twipsPerPixel}px`;

function element<K extends keyof HTMLElementTagNameMap>(tag: K, attributes: Record<string, string> = {},
    parent?: HTMLElement): HTMLElementTagNameMap[K] {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    parent?.append(e);
    return e;
}

function place(e: HTMLElement, [left, top, width, height]: [number, number, number, number]): void {
    e.style.left = px(left);
    e.style.top = px(top);
    e.style.width = px(width);
    e.style.height = px(height);
}

class Page {
    private readonly stage = element('div', { id: 'stage' }, document.body);
    private readonly root = element('div', { id: 'brontel', role: 'application', 'aria-busy': 'false' }, this.stage);
    private readonly canvas = element('canvas', { id: 'picture', role: 'img', tabindex: '-1' });
    private readonly rings = element('canvas', { id: 'rings', 'aria-hidden': 'true' });
    // The teaching overlay, over the picture and under the controls; never drawn into the picture.
    private readonly overlay = element('canvas', { id: 'overlay', 'aria-hidden': 'true' });
    // Its words for screen readers, which the canvas cannot give.
    private readonly overlayWords = element('div', { id: 'overlayWords', class: 'unseen', role: 'note' });
    private overlayOn = savedOverlay();
    private shownOverlay = '';
    private readonly parts = new Map<string, HTMLElement>();
    private readonly inputs = new Map<string, HTMLInputElement>();
    private readonly menu = element('div', { id: 'menu', role: 'menu', hidden: '' });
    private readonly dialog = element('div', { id: 'dialog', role: 'alertdialog', 'aria-modal': 'true', hidden: '' });
    private readonly pacer = new Pacer();
    private factor = 1;
    private drawn = 0;
    private shownMarkerY = -1;
    private scheduled = false;

    private readonly texts: Map<string, ControlTexts>;
    explore?: Explore;

    constructor(private readonly core: PageCore, private readonly makeCore: () => PageCore, texts: ControlTexts[]) {
        this.texts = new Map(texts.map((t) => [t.name, t]));
        this.core.setDecimalComma(language() === 'cs');
        this.build();
        this.retranslate();
        this.sync();
        this.fit();
        addEventListener('resize', () => this.fit());
        matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => this.fit());
        document.addEventListener('keydown', (e) => this.key(e));
    }

    private build(): void {
        const label = controls.find((c) => c.name === 'labKlepnete');
        if (label) this.addControl(label, this.root); // under the picture, as part of the window's surface
        this.root.append(this.canvas, this.rings, this.overlay, this.overlayWords);
        for (const c of controls) {
            if (c.kind === 'label' || c.frame !== undefined) continue;
            this.addControl(c, this.root);
        }
        const menuButton = element('button', { id: 'menuButton', type: 'button', 'aria-haspopup': 'menu' }, this.root);
        menuButton.textContent = '☰';
        place(menuButton, [120, 60, 420, 315]);
        menuButton.addEventListener('click', () => this.openMenu(menuButton));
        this.canvas.addEventListener('contextmenu', (e) => {
            e.preventDefault();
            this.openMenu(menuButton, e.clientX, e.clientY);
        });
        this.root.append(this.menu);
        document.body.append(this.dialog);
        element('div', { id: 'print' }, document.body);
    }

    private addControl(c: Control, parent: HTMLElement): void {
        let e: HTMLElement;
        switch (c.kind) {
        case 'button': {
            const b = element('button', { type: 'button', class: 'command' }, parent);
            b.addEventListener('click', () => (c.name === 'cmdStart' ? this.start() : this.end()));
            e = b;
            break;
        }
        case 'field': {
            const input = element('input', { type: 'text', class: 'field', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' }, parent);
            input.addEventListener('input', () => {
                this.core.type(c.name, input.value);
            });
            this.inputs.set(c.name, input);
            e = input;
            break;
        }
        case 'frame': {
            const fieldset = element('fieldset', { class: 'frame' }, parent);
            element('legend', {}, fieldset);
            for (const option of controls.filter((o) => o.frame === c.name)) this.addControl(option, fieldset);
            e = fieldset;
            break;
        }
        case 'option': {
            const labelElement = element('label', { class: 'option' }, parent);
            const radio = element('input', { type: 'radio', name: c.frame ?? '', value: c.name }, labelElement);
            element('span', {}, labelElement);
            radio.addEventListener('click', () => {
                this.core.click(c.name);
                this.sync();
            });
            this.inputs.set(c.name, radio);
            e = labelElement;
            break;
        }
        case 'scroll': {
            const range = element('input', { type: 'range', min: '0', max: '1000', step: '1', value: '0' }, parent);
            // Change comes when the value has been set, not while the thumb is dragged.
            range.addEventListener('change', () => {
                this.core.scroll(Number(range.value));
            });
            this.inputs.set(c.name, range);
            e = range;
            break;
        }
        default:
            e = element('div', { class: c.kind === 'label' ? 'label' : 'caption' }, parent);
        }
        e.id = c.name;
        place(e, c.place);
        if (c.points !== undefined) e.style.fontSize = `${c.points}pt`;
        if (c.green) e.classList.add('green');
        if (c.align) e.style.textAlign = c.align;
        if (c.black) e.classList.add('black');
        this.parts.set(c.name, e);
    }

    private retranslate(): void {
        document.documentElement.lang = language();
        for (const c of controls) {
            const e = this.parts.get(c.name);
            if (!e) continue;
            const text = this.caption(c.name);
            if (c.kind === 'frame') (e.querySelector('legend') as HTMLElement).textContent = text;
            else if (c.kind === 'option') (e.querySelector('span') as HTMLElement).textContent = text;
            else if (c.kind !== 'field' && c.kind !== 'scroll') e.textContent = text;
            const tip = this.texts.get(c.name)?.toolTip;
            if (tip) e.title = tr('Brontel', tip);
        }
        const name = (id: string, source: string) => this.inputs.get(id)?.setAttribute('aria-label', tr('AccessibleNames', source));
        name('nIndex', 'Index lomu');
        name('nAlfa', 'Úhel dopadu ve stupních');
        name('HScroll1', 'Zpomalení animace');
        this.inputs.get('HScroll1')?.setAttribute('aria-description',
            tr('AccessibleNames', 'Čím dál vpravo, tím pomaleji se obrázek pokusu kreslí'));
        this.canvas.setAttribute('aria-label', tr('AccessibleNames',
            'Obrázek pokusu: látka pod vzduchem, paprsky světla, křivky pravděpodobnosti detektorů V, H a L a Cornuovy spirály'));
        this.canvas.title = tr('Brontel', 'Obrázek pokusu; pravé tlačítko myši: kopírovat, uložit, tisknout, nápověda');
        const menuButton = document.getElementById('menuButton');
        menuButton?.setAttribute('aria-label', pageText('menu'));
        if (menuButton) menuButton.title = pageText('menu');
    }

    // A control's caption from the model's table, in the language chosen.
    private caption(name: string): string {
        const t = this.texts.get(name);
        if (!t?.caption) return '';
        return t.translated ? tr('Brontel', t.caption) : t.caption;
    }

    // Shows the core's panel: fields, options, tags, the marker line, the picture.
    private sync(): void {
        const running = this.core.state() !== 'idle';
        for (const field of ['nIndex', 'nAlfa']) {
            const input = this.inputs.get(field);
            // During a run what is typed waits in the core; the field keeps showing it.
            if (input && !running && input.value !== this.core.field(field)) input.value = this.core.field(field);
        }
        // A click held during a run shows only when it acts.
        for (const frame of ['frmLátka', 'frmDopad', 'frmDistance']) {
            const selected = this.inputs.get(this.core.selectedOption(frame));
            if (selected) selected.checked = true;
        }
        for (const tag of ['nVoda', 'nSklo']) (this.parts.get(tag) as HTMLElement).hidden = !this.core.visible(tag);
        (this.parts.get('nDetektorH') as HTMLElement).style.top = px(this.core.detectorHLabelTop());
        (this.parts.get('nDetektorH') as HTMLElement).style.left = px(this.core.detectorHLabelLeft());
        this.root.setAttribute('aria-busy', String(running));
        this.root.dataset.state = this.core.state();
        this.root.dataset.steps = String(this.core.stepsShown());
        (this.parts.get('cmdStart') as HTMLButtonElement).disabled = running;
        this.drawPicture();
        this.drawRings();
        this.drawOverlay();
    }

    // Redrawn only when what it shows changes: its settings, the language, the size.
    private drawOverlay(all = false): void {
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

    private switchOverlay(on: boolean): void {
        this.overlayOn = on;
        saveOverlay(on);
        this.drawOverlay();
    }

    // The overlay for an exported picture, when it is on.
    private exportedOverlay() {
        return this.overlayOn ? this.core.teachingOverlay() : undefined;
    }

    private get pixelRatio(): number {
        return this.factor * devicePixelRatio;
    }

    private drawPicture(all = false): void {
        const context = this.canvas.getContext('2d');
        if (context === null) return;
        const size = this.core.pictureSize();
        const markerY = this.core.markerY();
        if (all || size < this.drawn || markerY !== this.shownMarkerY) {
            context.clearRect(0, 0, this.canvas.width, this.canvas.height);
            drawLineControls(context, markerY, this.pixelRatio);
            this.drawn = 0;
            this.shownMarkerY = markerY;
        }
        if (size > this.drawn) {
            replay(context, this.core.pictureFrom(this.drawn), this.pixelRatio);
            this.drawn = size;
        }
    }

    private drawRings(): void {
        const context = this.rings.getContext('2d');
        if (context === null) return;
        context.clearRect(0, 0, this.rings.width, this.rings.height);
        const places = this.core.detectorPlaces();
        const scale = this.pixelRatio;
        context.strokeStyle = 'red';
        context.lineWidth = 2 * scale;
        for (let i = 0; i + 1 < places.length; i += 2) {
            context.beginPath();
            context.arc((places[i] / twipsPerPixel) * scale, (places[i + 1] / twipsPerPixel) * scale, 4 * scale, 0, 2 * Math.PI);
            context.stroke();
        }
    }

    // The window at one uniform factor, centred in the browser's, the canvases at device pixels.
    fit(): void {
        this.layout();
        this.drawPicture(true);
        this.drawRings();
        this.drawOverlay(true);
    }

    private layout(): void {
        const width = document.documentElement.clientWidth;
        const height = document.documentElement.clientHeight;
        this.factor = Math.min(width / designWidth, height / designHeight);
        this.root.style.transform = `translate(${(width - designWidth * this.factor) / 2}px, ${(height - designHeight * this.factor) / 2}px) scale(${this.factor})`;
        // Setting a canvas's size, even to the same, gives it a new buffer, which at 4K costs
        // more than drawing the whole picture.
        const [w, h] = [Math.round(designWidth * this.pixelRatio), Math.round(designHeight * this.pixelRatio)];
        for (const c of [this.canvas, this.rings, this.overlay]) {
            if (c.width !== w || c.height !== h) [c.width, c.height] = [w, h];
        }
        this.root.dataset.factor = String(this.factor);
    }

    private start(): void {
        const refusal = this.core.start();
        if (refusal !== null) {
            this.tell(this.refusalText(refusal), this.inputs.get(refusal.field));
            return;
        }
        if (this.core.state() === 'running' && this.core.stepsShown() === 0) this.pacer.begin(performance.now());
        this.sync();
        this.schedule();
    }

    // The window's sentence for the refusal, what was typed cut short as the desktop cuts it.
    private refusalText(r: Refusal): string {
        const typed = r.kind === 'outOfRange' ? r.value : r.typed.length > 40 ? `${r.typed.slice(0, 40)}…` : r.typed;
        return fill(tr('Brontel', r.sentence), typed, r.lowest, r.highest, r.example);
    }

    private schedule(): void {
        if (this.scheduled || this.core.state() !== 'running') return;
        this.scheduled = true;
        const wait = this.pacer.wait(performance.now());
        // A long pause waits on a timer, a short one on the next frame; never in a loop.
        const next = () => requestAnimationFrame((now) => this.frame(now));
        if (wait > 20) setTimeout(next, wait - 10);
        else next();
    }

    // Draws the steps due by now, each one's pause as the core gives it, within a frame's budget.
    private frame(now: number): void {
        this.scheduled = false;
        let drawn = false;
        const until = performance.now() + frameBudgetMs;
        while (this.core.state() === 'running' && this.pacer.due(now) && performance.now() < until) {
            const pause = this.core.step();
            if (pause === null) break;
            this.pacer.stepped(pause);
            drawn = true;
        }
        if (drawn) this.sync();
        this.schedule();
    }

    // The run's keys, handed to the model, which says whether they steer it now.
    private key(e: KeyboardEvent): void {
        if (!this.dialog.hidden) {
            if (e.key === 'Escape' || e.key === 'Enter') {
                e.preventDefault();
                this.closeDialog();
            }
            return;
        }
        if (e.key === 'F1') {
            e.preventDefault();
            this.showHelp();
            return;
        }
        if (!this.menu.hidden && e.key === 'Escape') {
            this.closeMenu();
            return;
        }
        const keys: Record<string, RunKey> = { Escape: 'stop', p: 'pauseResume', P: 'pauseResume', ArrowRight: 'stepOnce' };
        const runKey = keys[e.key];
        if (runKey === undefined || e.ctrlKey || e.altKey || e.metaKey) return;
        const wasPaused = this.core.state() === 'paused';
        if (!this.core.press(runKey, e.repeat)) return;
        e.preventDefault();
        if (runKey === 'stepOnce') this.core.step(); // the one step asked for, at once
        if (wasPaused && this.core.state() === 'running') this.pacer.begin(performance.now());
        this.sync();
        this.schedule();
    }

    // Konec: a page cannot close its tab; it ends the run and says so.
    private end(): void {
        this.core.end();
        this.sync();
        this.tell(pageText('closed'));
    }

    private tell(message: string, focusAfter?: HTMLElement): void {
        this.dialog.replaceChildren();
        const text = element('p', { id: 'dialogText' }, this.dialog);
        text.textContent = message;
        this.dialog.setAttribute('aria-describedby', 'dialogText');
        const ok = element('button', { type: 'button' }, this.dialog);
        ok.textContent = 'OK';
        ok.addEventListener('click', () => this.closeDialog());
        this.dialog.hidden = false;
        this.returnFocus = focusAfter ?? (document.activeElement as HTMLElement | null) ?? undefined;
        ok.focus();
    }

    private returnFocus?: HTMLElement;

    private closeDialog(): void {
        this.dialog.hidden = true;
        this.dialog.classList.remove('help');
        this.returnFocus?.focus();
    }

    private captions(core: PageCore = this.core): Caption[] {
        const shown = ['nDetektorV', 'nDetektorH', 'nDetektorS', 'nPravd2podobnost', 'nCornuovySpirály',
            'nCornuLatka', 'nVoda', 'nSklo'].filter((name) => core.visible(name));
        return controls.filter((c) => shown.includes(c.name)).map((c) => ({
            text: this.caption(c.name),
            place: c.name === 'nDetektorH' ? [core.detectorHLabelLeft(), core.detectorHLabelTop(), c.place[2], c.place[3]] : c.place,
            points: c.points ?? 12,
            align: c.align ?? 'left',
            green: c.green ?? false,
        }));
    }

    private picture(times: number): HTMLCanvasElement {
        return pictureCanvas(this.core.pictureFrom(0), this.core.markerY(), this.captions(), times, this.exportedOverlay());
    }

    private openMenu(button: HTMLElement, x?: number, y?: number): void {
        this.menu.replaceChildren();
        const item = (text: string, act: () => void) => {
            const b = element('button', { type: 'button', role: 'menuitem' }, this.menu);
            b.textContent = text;
            b.addEventListener('click', () => {
                this.closeMenu();
                act();
            });
            return b;
        };
        const png = tr('SceneMenu', 'Obrázek PNG (*.png)');
        for (const times of [1, 2, 4]) item(`${png} ${times}×`, () => downloadCanvas(`brontel-${times}x.png`, this.picture(times)));
        item(tr('SceneMenu', 'Vektorový obrázek SVG (*.svg)'), () => download('brontel.svg',
            new Blob([pictureSvg(this.core.pictureFrom(0), this.core.markerY(), this.captions(), this.exportedOverlay())], { type: 'image/svg+xml' })));
        item(tr('SceneMenu', 'Uložit křivky jako CSV…'), () => download('brontel.csv', new Blob([this.core.csv()], { type: 'text/csv' })));
        item(tr('SceneMenu', 'Tisk…'), () => this.print());
        const overlayItem = item(tr('SceneMenu', 'Výukové popisky v obrázku'), () => this.switchOverlay(!this.overlayOn));
        overlayItem.setAttribute('role', 'menuitemcheckbox');
        overlayItem.setAttribute('aria-checked', String(this.overlayOn));
        overlayItem.id = 'overlayItem';
        overlayItem.textContent = `${this.overlayOn ? '✓' : '\u2003'} ${overlayItem.textContent ?? ''}`;
        item(tr('SceneMenu', 'Nápověda'), () => this.showHelp());
        if (this.explore) item(tr('ExploreSwitch', 'Zkoumat…'), () => this.explore?.show()).id = 'exploreItem';
        for (const [code, name] of [['cs', 'Čeština'], ['en', 'English']] as [Language, string][]) {
            item(name, () => this.switchLanguage(code));
        }
        const rect = this.root.getBoundingClientRect();
        const at = button.getBoundingClientRect();
        this.menu.style.left = `${((x ?? at.left) - rect.left) / this.factor}px`;
        this.menu.style.top = `${((y ?? at.bottom) - rect.top) / this.factor}px`;
        this.menu.hidden = false;
        (this.menu.firstElementChild as HTMLElement).focus();
        setTimeout(() => document.addEventListener('click', this.outside, { once: true }));
    }

    private readonly outside = (e: MouseEvent) => {
        if (!this.menu.contains(e.target as Node)) this.closeMenu();
    };

    private closeMenu(): void {
        this.menu.hidden = true;
    }

    switchLanguage(code: Language): void {
        setLanguage(code);
        saveLanguage(code);
        this.core.setDecimalComma(code === 'cs');
        this.retranslate();
        this.sync();
        this.explore?.retranslate();
    }

    private print(): void {
        const holder = document.getElementById('print') as HTMLElement;
        const image = element('img', { alt: this.canvas.getAttribute('aria-label') ?? '' });
        image.src = this.picture(4).toDataURL('image/png');
        holder.replaceChildren(image);
        print();
    }

    // The desktop's help, its picture drawn here from a start-up run.
    private showHelp(): void {
        this.dialog.replaceChildren();
        const body = element('div', { class: 'helpBody' }, this.dialog);
        body.innerHTML = (help as Record<Language, string>)[language()];
        const note = element('p', { class: 'pageNote' });
        note.textContent = pageText('helpNote');
        body.querySelector('h2')?.after(note);
        // What classical optics predicts for the settings the picture shows, as the desktop's
        // help window gives it.
        const theory = element('div', { class: 'theory', id: 'helpTheory' });
        for (const phrase of this.core.theoryPanel()) element('p', {}, theory).textContent = overlayText(phrase);
        note.after(theory);
        const image = body.querySelector('img[data-run-picture]') as HTMLImageElement | null;
        if (image) {
            const sample = this.makeCore();
            sample.setDecimalComma(language() === 'cs');
            sample.start();
            sample.advance(467);
            image.src = pictureCanvas(sample.pictureFrom(0), sample.markerY(), this.captions(sample), 1).toDataURL('image/png');
            sample.delete();
        }
        const ok = element('button', { type: 'button' }, this.dialog);
        ok.textContent = pageText('close');
        ok.addEventListener('click', () => this.closeDialog());
        this.dialog.classList.add('help');
        this.dialog.removeAttribute('aria-describedby');
        this.dialog.setAttribute('aria-label', tr('HelpWindow', 'Brontel – nápověda'));
        this.dialog.hidden = false;
        this.returnFocus = (document.activeElement as HTMLElement | null) ?? undefined;
        ok.focus({ preventScroll: true }); // the help is read from its top
    }
}

async function main(): Promise<void> {
    document.documentElement.style.setProperty('--serif', serif);
    const module = await createBrontelCore();
    const page = new Page(new module.PageCore(), () => new module.PageCore(), module.windowTexts());
    page.explore = new Explore(module);
    document.body.dataset.ready = 'true';
    performance.mark('brontel-ready');
    // For the measuring script (web/measure.mjs), which times the core and the drawing, and for
    // the test that holds the fast drawing to a plain one.
    Object.assign(globalThis, { brontel: { page, module, replay, explore: page.explore } });
    const manifest = document.querySelector('link[rel="manifest"]');
    if (manifest && location.protocol.startsWith('http') && 'serviceWorker' in navigator) {
        navigator.serviceWorker.register('sw.js').catch((e: unknown) => console.warn('Brontel: no offline copy', e));
    }
}

main().catch((e: unknown) => {
    console.error('Brontel could not start', e);
});
