// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The comparison of kept runs, a view over the page as the explore view is: the chart on one
// scale, linear or logarithmic, each kept run with its legend entry and a button that drops it,
// the chart saved as PNG and its table as CSV. It shows what the core's lesson holds and hands
// it the user's choices.
import type { ChartScale, Lesson } from 'brontel-core';
import { download, downloadCanvas } from '../Downloads';
import { element } from '../Layout';
import { cssColour } from '../Picture';
import { language, pageText, tr } from '../Texts';
import { chartSize, describeRun, drawChart } from './ComparisonPicture';

const words = (source: string) => tr('ComparisonWindow', source);
// The saved picture's pixels per design pixel, the desktop's middle choice.
const savedTimes = 2;

export class ComparisonView {
    private readonly section = element('section', { id: 'comparison', role: 'dialog', 'aria-labelledby': 'comparisonTitle', hidden: '' });
    private readonly title = element('h2', { id: 'comparisonTitle' });
    private readonly close = element('button', { type: 'button', id: 'comparisonClose' });
    private readonly scaleName = element('span');
    private readonly scales = new Map<ChartScale, { input: HTMLInputElement; label: HTMLElement }>();
    private readonly savePicture = element('button', { type: 'button', id: 'comparisonSavePicture' });
    private readonly saveTable = element('button', { type: 'button', id: 'comparisonSaveTable' });
    private readonly status = element('p', { id: 'comparisonStatus', role: 'status' });
    private readonly runList = element('ul', { id: 'comparisonRuns' });
    private readonly empty = element('p', { id: 'comparisonEmpty' });
    private readonly canvas = element('canvas', { id: 'comparisonChart', role: 'img' });
    private scheduled = false;
    private returnFocus?: HTMLElement;

    constructor(private readonly lesson: Lesson) {
        const head = element('div', { id: 'comparisonHead' }, this.section);
        this.close.textContent = '✕';
        this.close.addEventListener('click', () => this.hide());
        head.append(this.title, this.close);
        const bar = element('div', { id: 'comparisonBar' }, this.section);
        bar.append(this.scaleName);
        for (const scale of ['linear', 'logarithmic'] as ChartScale[]) {
            const label = element('label', {}, bar);
            const input = element('input', { type: 'radio', name: 'comparisonScale', value: scale }, label);
            const text = element('span', {}, label);
            input.addEventListener('change', () => this.lesson.setScale(scale));
            this.scales.set(scale, { input, label: text });
        }
        this.savePicture.addEventListener('click', () => this.savePng());
        this.saveTable.addEventListener('click', () => this.saveCsv());
        bar.append(this.savePicture, this.saveTable);
        this.section.append(this.status, this.runList, this.empty, this.canvas);
        document.body.append(this.section);
        lesson.subscribe(() => this.changed());
        // Before the page's own keys, which steer the main window's run hidden under this view.
        document.addEventListener('keydown', (e) => this.key(e), true);
        addEventListener('resize', () => this.changed());
    }

    get open(): boolean {
        return !this.section.hidden;
    }

    // Opens the view, with a word on what became of the last keeping when there is one to say.
    show(message = ''): void {
        if (!this.open) this.returnFocus = (document.activeElement as HTMLElement | null) ?? undefined;
        this.section.hidden = false;
        this.status.textContent = message;
        this.retranslate();
        this.close.focus();
    }

    hide(): void {
        this.section.hidden = true;
        this.returnFocus?.focus();
    }

    private retranslate(): void {
        this.section.lang = language();
        this.title.textContent = words('Brontel: srovnání běhů');
        this.close.setAttribute('aria-label', pageText('close'));
        this.close.title = pageText('close');
        this.scaleName.textContent = words('Stupnice:');
        this.scales.get('linear')!.label.textContent = words('lineární');
        this.scales.get('logarithmic')!.label.textContent = words('logaritmická');
        this.savePicture.textContent = `${words('Uložit obrázek…')} (PNG)`;
        this.saveTable.textContent = `${words('Uložit tabulku…')} (CSV)`;
        this.empty.textContent = words('Zatím není ponechán žádný běh. Po skončení běhu zvolte v nabídce obrázku „Ponechat běh“ (klávesa K); srovnat lze až čtyři běhy.');
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
        const chart = this.lesson.chart();
        const runs = this.lesson.runs();
        this.scales.get(chart.scale)!.input.checked = true;
        this.runList.replaceChildren(...runs.map((run, k) => {
            const row = element('li');
            const sample = element('canvas', { 'aria-hidden': 'true', width: '40', height: '12' }, row);
            const context = sample.getContext('2d');
            if (context !== null) {
                const style = chart.legend[k];
                context.strokeStyle = cssColour(style.colour);
                context.lineWidth = 2;
                context.setLineDash(style.dashes.map((twips) => Math.max(0.1, twips / 30)));
                context.beginPath();
                context.moveTo(2, 6);
                context.lineTo(38, 6);
                context.stroke();
            }
            const name = element('span', {}, row);
            name.textContent = describeRun(run);
            const drop = element('button', { type: 'button', class: 'comparisonDrop' }, row);
            drop.textContent = words('Odebrat');
            drop.setAttribute('aria-label', words('Odebrat běh: %1').replace('%1', name.textContent));
            drop.addEventListener('click', () => this.lesson.drop(k));
            return row;
        }));
        this.empty.hidden = runs.length > 0;
        const [width, height] = chartSize(chart);
        const shown = this.chartWidth(width, height);
        this.canvas.style.width = `${shown}px`;
        this.canvas.style.height = `${(shown * height) / width}px`;
        const ratio = (shown / width) * devicePixelRatio;
        const [w, h] = [Math.round(width * ratio), Math.round(height * ratio)];
        if (this.canvas.width !== w || this.canvas.height !== h) [this.canvas.width, this.canvas.height] = [w, h];
        const context = this.canvas.getContext('2d');
        if (context !== null) drawChart(context, chart, runs, ratio);
        this.canvas.setAttribute('aria-label', [tr('ChartView', 'Graf srovnání běhů'), ...runs.map(describeRun)].join('. '));
        Object.assign(this.section.dataset, { runs: String(runs.length), scale: chart.scale, drawn: String(Number(this.section.dataset.drawn ?? 0) + 1) });
    }

    // As wide as the view, the whole chart within the window's height below what stands above it.
    private chartWidth(width: number, height: number): number {
        const room = this.section.clientWidth - 16;
        const below = innerHeight - this.canvas.getBoundingClientRect().top + this.section.scrollTop - 8;
        return Math.max(Math.min(room, (below * width) / height, width * 2), 200);
    }

    private savePng(): void {
        const chart = this.lesson.chart();
        const [width, height] = chartSize(chart);
        const canvas = document.createElement('canvas');
        [canvas.width, canvas.height] = [width * savedTimes, height * savedTimes];
        const context = canvas.getContext('2d');
        if (context === null) return;
        drawChart(context, chart, this.lesson.runs(), savedTimes);
        downloadCanvas('brontel-srovnani.png', canvas);
    }

    private saveCsv(): void {
        download('brontel-srovnani.csv', new Blob([this.lesson.comparisonCsv()], { type: 'text/csv' }));
    }

    // Within the view Ctrl+S saves the chart, Ctrl+E its table, and Escape closes it.
    private key(e: KeyboardEvent): void {
        if (!this.open) return;
        e.stopPropagation();
        const letter = e.key.toLowerCase();
        if (e.key === 'Escape') {
            e.preventDefault();
            this.hide();
        } else if (e.ctrlKey && (letter === 's' || letter === 'e')) {
            e.preventDefault();
            if (letter === 's') this.savePng();
            else this.saveCsv();
        }
    }
}
