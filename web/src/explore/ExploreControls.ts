// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view's controls as HTML controls. Each hands its value to the model behind the
// core, which clamps and rounds it; `show` then puts the model's values back into them all.
import type { ExploreSettings } from 'brontel-core';
import { tr } from '../Texts';

type Setter = (name: string, value: number | string | boolean) => void;

function make<K extends keyof HTMLElementTagNameMap>(tag: K, attributes: Record<string, string>,
    parent: HTMLElement): HTMLElementTagNameMap[K] {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    parent.append(e);
    return e;
}

interface Row {
    caption: HTMLElement;
    source: string;
}

export class ExploreControls {
    readonly element: HTMLElement;
    private readonly rows: Row[] = [];
    private readonly options: { option: HTMLOptionElement; source: string }[] = [];
    private readonly angleSlider: HTMLInputElement;
    private readonly angle: HTMLInputElement;
    private readonly substance: HTMLSelectElement;
    private readonly index: HTMLInputElement;
    private readonly beam: HTMLSelectElement;
    private readonly waistSlider: HTMLInputElement;
    private readonly waist: HTMLInputElement;
    private readonly step: HTMLSelectElement;
    private readonly arrows: HTMLSelectElement;
    private readonly block: HTMLInputElement;
    private readonly blockCaption: HTMLElement;
    private readonly gap: HTMLInputElement;
    private readonly index2: HTMLInputElement;

    constructor(parent: HTMLElement, set: Setter) {
        this.element = make('div', { id: 'exploreControls' }, parent);
        const row = (id: string, source: string) => {
            const div = make('div', { class: 'exploreRow' }, this.element);
            const caption = make('label', { for: id }, div);
            this.rows.push({ caption, source });
            return div;
        };
        const number = (id: string, parent: HTMLElement, min: number, max: number, step: number) =>
            make('input', { id, type: 'number', min: String(min), max: String(max), step: String(step), inputmode: 'decimal' }, parent);
        const choice = (id: string, parent: HTMLElement, values: [string, string][]) => {
            const select = make('select', { id }, parent);
            for (const [value, source] of values) {
                const option = make('option', { value }, select);
                this.options.push({ option, source });
            }
            return select;
        };
        // A number field reports a finished number only; what is half typed waits.
        const onNumber = (input: HTMLInputElement, name: string, scale = 1) => input.addEventListener('change', () => {
            if (input.value !== '' && Number.isFinite(Number(input.value))) set(name, Number(input.value) / scale);
        });

        let r = row('exploreAngle', 'Úhel dopadu:');
        this.angleSlider = make('input', { id: 'exploreAngleSlider', type: 'range', min: '0', max: '899', step: '1' }, r);
        this.angle = number('exploreAngle', r, 0, 89.9, 0.1);
        this.angleSlider.addEventListener('input', () => set('alpha', Number(this.angleSlider.value) / 10));
        onNumber(this.angle, 'alpha');

        r = row('exploreSubstance', 'Látka:');
        this.substance = choice('exploreSubstance', r, [['water', 'voda'], ['glass', 'sklo'], ['other', 'jiný index']]);
        this.substance.addEventListener('change', () => set('substance', this.substance.value));
        r = row('exploreIndex', 'Index lomu:');
        this.index = number('exploreIndex', r, 1, 3, 0.01);
        onNumber(this.index, 'index');

        r = row('exploreBeam', 'Svazek:');
        this.beam = choice('exploreBeam', r, [['hard', 'ostré okraje, 1000 twipů (hlavní okno)'], ['gaussian', 'Gaussův svazek']]);
        this.beam.addEventListener('change', () => set('beam', this.beam.value));
        r = row('exploreWaist', 'Pás svazku (twipy):');
        this.waistSlider = make('input', { id: 'exploreWaistSlider', type: 'range', min: '100', max: '5000', step: '10' }, r);
        this.waist = number('exploreWaist', r, 100, 5000, 10);
        this.waistSlider.addEventListener('input', () => set('waist', Number(this.waistSlider.value)));
        onNumber(this.waist, 'waist');

        r = row('exploreStep', 'Vzorkování:');
        this.step = choice('exploreStep', r, [['0.5', '0,5 twipu'], ['1', '1 twip (hlavní okno)']]);
        this.step.addEventListener('change', () => set('step', Number(this.step.value)));
        r = row('exploreArrows', 'Šipky:');
        this.arrows = choice('exploreArrows', r, [['exact', 'přesné Huygensovy vlnky'], ['equal', 'stejně dlouhé šipky hlavního okna']]);
        this.arrows.addEventListener('change', () => set('arrows', this.arrows.value));

        const blockRow = make('div', { class: 'exploreRow exploreCheck' }, this.element);
        this.block = make('input', { id: 'exploreBlock', type: 'checkbox' }, blockRow);
        this.blockCaption = make('label', { for: 'exploreBlock' }, blockRow);
        this.block.addEventListener('change', () => set('secondBlock', this.block.checked));
        r = row('exploreGap', 'Mezera (d):');
        this.gap = make('input', { id: 'exploreGap', type: 'range', min: '0', max: '100', step: '1' }, r);
        this.gap.addEventListener('input', () => set('gapInDepths', Number(this.gap.value) / 10));
        r = row('exploreIndex2', 'Index bloku:');
        this.index2 = number('exploreIndex2', r, 1, 3, 0.01);
        onNumber(this.index2, 'index2');
    }

    retranslate(): void {
        for (const { caption, source } of this.rows) caption.textContent = tr('ExploreWindow', source);
        for (const { option, source } of this.options) option.textContent = tr('ExploreWindow', source);
        this.blockCaption.textContent = tr('ExploreWindow', 'Druhý blok za vzduchovou mezerou');
    }

    // The model's values in every control; a field being typed in keeps what is typed.
    show(s: ExploreSettings): void {
        const put = (input: HTMLInputElement, value: string) => {
            if (document.activeElement !== input || input.type === 'range') input.value = value;
        };
        put(this.angleSlider, String(Math.round(s.alpha * 10)));
        put(this.angle, s.alpha.toFixed(1));
        this.substance.value = s.substance;
        put(this.index, String(s.index));
        this.beam.value = s.beam;
        put(this.waistSlider, String(Math.round(s.waist)));
        put(this.waist, String(Math.round(s.waist)));
        this.waistSlider.disabled = this.waist.disabled = s.beam !== 'gaussian';
        this.step.value = s.step < 1 ? '0.5' : '1';
        this.arrows.value = s.arrows;
        this.block.checked = s.secondBlock;
        put(this.gap, String(Math.round(s.gapInDepths * 10)));
        put(this.index2, String(s.index2));
        this.gap.disabled = this.index2.disabled = !s.secondBlock;
    }
}
