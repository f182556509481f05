// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The comparison chart on a canvas: the core's drawing of it replayed as the main picture is,
// then its words (panel titles, tick labels, the measure, the legend) where the core places
// them, in the desktop chart's words and the language's numbers.
import type { ComparisonChart, KeptRun } from 'brontel-core';
import { design } from '../Layout';
import { replay } from '../Picture';
import { fill, language, tr } from '../Texts';

const words = (source: string) => tr('ChartPicture', source);
const textPixels = 11;
const linePixels = 16;

// A number as the desktop writes it: six significant figures, the language's decimal separator.
export function chartNumber(value: number): string {
    const text = String(Number(value.toPrecision(6)));
    return language() === 'cs' ? text.replace('.', ',') : text;
}

// A power of ten as 10 with a raised exponent: 10⁻³, 10⁴.
function powerOfTen(exponent: number): string {
    const raised = '⁰¹²³⁴⁵⁶⁷⁸⁹';
    return `10${exponent < 0 ? '⁻' : ''}${[...String(Math.abs(exponent))].map((d) => raised[Number(d)]).join('')}`;
}

// A kept run's settings in one line, as its legend entry names it.
export function describeRun(run: KeptRun): string {
    return fill(words('%1, n = %2, úhel %3°, H ve výšce %4 twipů'),
        words(run.substance === 'water' ? 'Voda' : 'Sklo'),
        chartNumber(run.index), chartNumber(run.alpha), chartNumber(run.distance));
}

// The chart's size in design pixels.
export function chartSize(chart: ComparisonChart): [number, number] {
    return [chart.width / design().twipsPerPixel, chart.height / design().twipsPerPixel];
}

// pixelsPerDesignPixel: how many canvas pixels one design pixel of the chart takes.
export function drawChart(context: CanvasRenderingContext2D, chart: ComparisonChart, runs: KeptRun[],
    pixelsPerDesignPixel: number): void {
    const f = pixelsPerDesignPixel;
    const at = (twips: number) => (twips / design().twipsPerPixel) * f;
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = '#fff';
    context.fillRect(0, 0, context.canvas.width, context.canvas.height);
    context.restore();
    replay(context, chart.lines, f);

    context.save();
    context.font = `${Math.max(1, Math.round(textPixels * f))}px "Liberation Sans", Arial, sans-serif`;
    context.fillStyle = '#000';
    const lineHeight = linePixels * f;
    const titles = [
        'Detektor V na svislé čáře: vlevo vzduch, za čárkovanou čarou látka',
        'Detektor H ve vzduchu',
        'Detektor L v látce',
    ];
    chart.panels.forEach((panel, d) => {
        context.textAlign = 'left';
        context.textBaseline = 'bottom';
        context.fillText(words(titles[d]), at(panel.left), at(panel.top) - lineHeight * 0.1);
        context.textAlign = 'right';
        context.textBaseline = 'middle';
        for (const tick of panel.valueTicks) {
            const label = chart.scale === 'logarithmic' ? powerOfTen(Math.round(Math.log10(tick.value)))
                : chartNumber(tick.value);
            context.fillText(label, at(tick.x), at(tick.y));
        }
        context.textAlign = 'center';
        context.textBaseline = 'top';
        for (const tick of panel.placeTicks) context.fillText(chartNumber(tick.value), at(tick.x), at(tick.y));
        context.textAlign = 'right';
        context.fillText(words('místo detektoru (twipy)'), at(panel.right), at(panel.bottom) + lineHeight * 1.6);
    });
    // The common measure, once, in the top left corner.
    context.textAlign = 'left';
    context.textBaseline = 'top';
    context.fillText(words('Druhá mocnina výslednice děleno druhou mocninou délky šipky: stejná míra pro každý úhel'),
        2 * f, 0);
    context.textBaseline = 'middle';
    runs.slice(0, chart.legend.length).forEach((run, k) => {
        const entry = chart.legend[k];
        context.fillText(describeRun(run), at(entry.x + chart.legendSampleLength) + 6 * f, at(entry.y));
    });
    context.restore();
}
