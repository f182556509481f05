// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's tools in the page, as the desktop window's menu has them: keep the last run (K)
// and compare the kept runs, sketch a prediction over the picture before a run, and the
// worksheet. Their state is the core's lesson; the page's menu gets their entries and saved
// pictures the prediction when the user asks for it.
import type { CoreModule, Lesson, PageCore } from 'brontel-core';
import { alsoInExports } from '../Exports';
import type { MenuItem } from '../Menu';
import { moreMenuItems } from '../PictureMenu';
import type { Stage } from '../Stage';
import { tr } from '../Texts';
import { ComparisonView } from './ComparisonView';
import { PredictionLayer } from './PredictionLayer';
import { WorksheetView } from './WorksheetView';

const words = (source: string) => tr('LessonActions', source);

export class LessonTools {
    private readonly lesson: Lesson;
    readonly comparison: ComparisonView;
    readonly worksheet: WorksheetView;

    constructor(module: CoreModule, private readonly core: PageCore, stage: Stage) {
        this.lesson = new module.Lesson();
        this.comparison = new ComparisonView(this.lesson);
        this.worksheet = new WorksheetView(module);
        new PredictionLayer(this.lesson, stage, module.sketchBounds());
        // A run that begins ends the sketching; the sketch stays over the run.
        core.subscribe(() => {
            if (core.state() !== 'idle') this.lesson.setSketching(false);
        });
        moreMenuItems.push(() => this.menuItems());
        alsoInExports.push(() => (this.lesson.predictionInExports() ? this.lesson.prediction() : new Float32Array()));
        document.addEventListener('keydown', (e) => this.key(e));
    }

    private menuItems(): MenuItem[] {
        const lesson = this.lesson;
        const idle = this.core.state() === 'idle';
        return [
            { text: words('Ponechat běh'), act: () => this.keep(), disabled: !lesson.canKeep(this.core), id: 'keepRunItem' },
            { text: words('Srovnání běhů…'), act: () => this.comparison.show(), id: 'comparisonItem' },
            {
                text: words('Předpověď'), act: () => lesson.setSketching(!lesson.sketching()),
                checked: lesson.sketching(), disabled: !idle, id: 'predictionItem',
            },
            { text: words('Smazat předpověď'), act: () => lesson.clearPrediction(), disabled: lesson.strokes() === 0, id: 'clearPredictionItem' },
            {
                text: words('Předpověď i v uložených obrázcích'),
                act: () => lesson.setPredictionInExports(!lesson.predictionInExports()),
                checked: lesson.predictionInExports(), id: 'predictionInExportsItem',
            },
            { text: words('Pracovní list…'), act: () => this.worksheet.show(), id: 'worksheetItem' },
        ];
    }

    // Keeps the run that has just ended and shows the comparison; says why when it cannot.
    private keep(): void {
        switch (this.lesson.keep(this.core)) {
        case 'notWhole':
            this.comparison.show(words('Ponechat lze jen běh, který doběhl do konce.'));
            return;
        case 'full':
            this.comparison.show(words('Srovnat lze nejvýš čtyři běhy; nejdřív jeden odeberte.'));
            return;
        default:
            this.comparison.show();
        }
    }

    // K as the desktop window has it: only when a whole run has ended, never while typing.
    private key(e: KeyboardEvent): void {
        if (e.key !== 'k' && e.key !== 'K') return;
        if (e.ctrlKey || e.altKey || e.metaKey || e.defaultPrevented) return;
        const target = e.target as HTMLElement | null;
        const typing = target instanceof HTMLInputElement ? !['radio', 'checkbox', 'range', 'button'].includes(target.type)
            : target?.closest('textarea, select, [contenteditable="true"]') != null;
        if (typing) return;
        if (document.getElementById('dialog')?.hidden === false) return;
        if (!this.lesson.canKeep(this.core)) return;
        e.preventDefault();
        this.keep();
    }
}
