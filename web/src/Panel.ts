// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel as real HTML controls, built from the window's layout; it hands each action
// to the core and shows what the core says changed.
import type { AccessibleText, ControlLayout, ControlName, ControlTexts, ModelChange, PageCore } from 'brontel-core';
import { design, element, place, px } from './Layout';
import { language, tr } from './Texts';
import { wellFormed } from './TypedText';

export class Panel {
    readonly parts = new Map<ControlName, HTMLElement>();
    readonly inputs = new Map<ControlName, HTMLInputElement>();
    private readonly texts: Map<ControlName, ControlTexts>;

    constructor(private readonly core: PageCore, texts: ControlTexts[],
        private readonly accessible: AccessibleText[], private readonly buttons: { start(): void; end(): void },
        private readonly limit: { longest: number; text: string }) {
        this.texts = new Map(texts.map((t) => [t.name, t]));
    }

    // The prompt goes under the picture, as part of the window's surface; the rest above it.
    build(root: HTMLElement, picture: HTMLElement[]): void {
        const shown = design().controls.filter((c) => c.kind !== 'hidden' && c.frame === null &&
            (c.kind !== 'frame' || this.core.visible(c.name)));
        for (const c of shown.filter((c) => c.kind === 'label')) this.add(c, root);
        root.append(...picture);
        for (const c of shown.filter((c) => c.kind !== 'label')) this.add(c, root);
    }

    private add(c: ControlLayout, parent: HTMLElement): void {
        let e: HTMLElement;
        switch (c.kind) {
        case 'button': {
            const b = element('button', { type: 'button', class: 'command' }, parent);
            b.addEventListener('click', () => (c.name === 'cmdStart' ? this.buttons.start() : this.buttons.end()));
            e = b;
            break;
        }
        case 'field': {
            const input = element('input', { type: 'text', class: 'field', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' }, parent);
            const field = c.name as 'nIndex' | 'nAlfa';
            input.addEventListener('input', () => this.core.type(field, wellFormed(input.value)));
            // As on the desktop: a field holds so many characters, and a longer paste is cut
            // with a word beside the field, not silently.
            input.maxLength = this.limit.longest;
            const note = element('div', { class: 'fieldNote', role: 'status', hidden: '' }, parent);
            note.id = `${c.name}Note`;
            place(note, [c.place[0], c.place[1] + c.place[3], c.place[2], c.place[3]]);
            input.addEventListener('paste', (event) => {
                const pasted = event.clipboardData?.getData('text/plain') ?? '';
                const replaced = (input.selectionEnd ?? 0) - (input.selectionStart ?? 0);
                if (input.value.length - replaced + pasted.length <= this.limit.longest) return;
                note.textContent = tr('Brontel', this.limit.text).replace('%1', String(this.limit.longest));
                note.hidden = false;
            });
            input.addEventListener('blur', () => { note.hidden = true; });
            this.inputs.set(c.name, input);
            e = input;
            break;
        }
        case 'frame': {
            const fieldset = element('fieldset', { class: 'frame' }, parent);
            element('legend', {}, fieldset);
            for (const option of design().controls.filter((o) => o.frame === c.name)) this.add(option, fieldset);
            e = fieldset;
            break;
        }
        case 'option': {
            const labelElement = element('label', { class: 'option' }, parent);
            const radio = element('input', { type: 'radio', name: c.frame ?? '', value: c.name }, labelElement);
            element('span', {}, labelElement);
            radio.addEventListener('click', () => {
                this.core.click(c.name);
                // A click held during a run shows only when it acts.
                if (c.frame !== null) this.showSelection(c.frame);
            });
            this.inputs.set(c.name, radio);
            e = labelElement;
            break;
        }
        case 'scroll': {
            const range = element('input', { type: 'range', min: '0', max: '1000', step: '1', value: '0' }, parent);
            // Change comes when the value has been set, not while the thumb is dragged.
            range.addEventListener('change', () => this.core.scroll(Number(range.value)));
            this.inputs.set(c.name, range);
            e = range;
            break;
        }
        default:
            e = element('div', { class: c.kind === 'label' ? 'label' : 'caption' }, parent);
        }
        e.id = c.name;
        place(e, c.place);
        e.style.setProperty('--h', px(c.place[3])); // its height as designed, for a finger's target
        if (c.points > 0) e.style.fontSize = `${c.points}pt`;
        if (c.green) e.classList.add('green');
        if (c.align !== 'left') e.style.textAlign = c.align;
        if (c.black) e.classList.add('black');
        this.parts.set(c.name, e);
    }

    // A control's caption from the model's table, in the language chosen.
    caption(name: ControlName): string {
        const t = this.texts.get(name);
        if (!t?.caption) return '';
        return t.translated ? tr('Brontel', t.caption) : t.caption;
    }

    retranslate(canvas: HTMLElement): void {
        for (const c of design().controls) {
            const e = this.parts.get(c.name);
            if (!e) continue;
            const text = this.caption(c.name);
            if (c.kind === 'frame') (e.querySelector('legend') as HTMLElement).textContent = text;
            else if (c.kind === 'option') (e.querySelector('span') as HTMLElement).textContent = text;
            else if (c.kind !== 'field' && c.kind !== 'scroll') e.textContent = text;
            const tip = this.texts.get(c.name)?.toolTip;
            if (tip) e.title = tr('Brontel', tip);
        }
        for (const a of this.accessible) {
            const e = a.name === 'picture' ? canvas : this.inputs.get(a.name);
            e?.setAttribute('aria-label', tr('AccessibleNames', a.text));
            if (a.description !== null) e?.setAttribute('aria-description', tr('AccessibleNames', a.description));
        }
        document.documentElement.lang = language();
    }

    // Shows what one or more actions changed: the controls named, and detector H's label.
    show(changes: ModelChange[]): void {
        const running = this.core.state() !== 'idle';
        for (const name of new Set(changes.flatMap((c) => c.controls))) {
            const input = this.inputs.get(name);
            const frame = design().controls.find((c) => c.name === name)?.frame;
            // During a run what is typed waits in the core; the field keeps showing it.
            if (input?.type === 'text' && !running && input.value !== this.core.field(name)) input.value = this.core.field(name);
            else if (input?.type === 'radio' && frame) this.showSelection(frame);
            else if (name === 'nVoda' || name === 'nSklo') (this.parts.get(name) as HTMLElement).hidden = !this.core.visible(name);
        }
        if (changes.some((c) => c.marker)) {
            const label = this.parts.get('nDetektorH') as HTMLElement;
            label.style.top = px(this.core.detectorHLabelTop());
            label.style.left = px(this.core.detectorHLabelLeft());
        }
        (this.parts.get('cmdStart') as HTMLButtonElement).disabled = running;
    }

    // Every control as the core holds it, once, when the page is built.
    showAll(): void {
        this.show([{ controls: design().controls.map((c) => c.name), marker: true, picture: false, run: false, step: false }]);
    }

    private showSelection(frame: ControlName): void {
        const selected = this.inputs.get(this.core.selectedOption(frame) as ControlName);
        if (selected) selected.checked = true;
    }
}
