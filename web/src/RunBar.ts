// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run's commands as buttons for a finger or the mouse, outside the picture: Start, Pause
// (Continue), Step, Stop, as the keys Space, P, the Right arrow and Esc steer the run (the core
// says whether each would act now); full screen where the browser offers it; and how far the run
// has come, said to screen readers at each quarter of the run and at a pause, not at every step.
import type { PageCore, RunCommand } from 'brontel-core';
import { element } from './Layout';
import { fill, language, tr } from './Texts';

const words = {
    bar: { cs: 'Ovládání pokusu', en: 'Run controls' },
    pauseResume: { cs: 'Pozastavit', en: 'Pause' },
    resume: { cs: 'Pokračovat', en: 'Continue' },
    stepOnce: { cs: 'Krok', en: 'Step' },
    stop: { cs: 'Zastavit', en: 'Stop' },
    fullScreen: { cs: 'Celá obrazovka', en: 'Full screen' },
    leaveFullScreen: { cs: 'Zmenšit', en: 'Leave full screen' },
    keys: { cs: 'klávesa', en: 'key' },
};
// Drawn, for no font need have the signs.
const svg = (path: string) => `<svg viewBox="0 0 20 20" width="20" height="20" fill="currentColor">${path}</svg>`;
const icons = {
    play: svg('<path d="M5 3l12 7-12 7z"/>'),
    pause: svg('<path d="M4 3h4v14H4zM12 3h4v14h-4z"/>'),
    step: svg('<path d="M3 3l10 7-10 7zM14 3h3v14h-3z"/>'),
    stop: svg('<path d="M4 4h12v12H4z"/>'),
    full: svg('<path d="M2 2h6v2H4v4H2zM12 2h6v6h-2V4h-4zM2 12h2v4h4v2H2zM16 12h2v6h-6v-2h4z"/>'),
};
const say = (key: keyof typeof words) => words[key][language()];

interface BarButton {
    button: HTMLButtonElement;
    icon: HTMLSpanElement;
    word: HTMLSpanElement;
}

export interface RunBarActions {
    start(): void;
    steer(command: RunCommand): void;
}

export class RunBar {
    readonly box = element('div', { id: 'runBar', role: 'toolbar' });
    private readonly start: BarButton;
    private readonly commands: Record<RunCommand, BarButton>;
    private readonly fullScreen?: BarButton;
    private readonly progress: HTMLElement;
    // The words a screen reader hears, changed at a polite rate.
    private readonly said = element('div', { id: 'progressSaid', class: 'unseen', 'aria-live': 'polite' });
    private saidStage = -1;
    private saidState = '';

    // The last run's count stays in sight after it, until the next Start.
    private total = 0;
    private words = '';

    constructor(private readonly core: PageCore, private readonly root: HTMLElement, actions: RunBarActions,
        private readonly startCaption: () => string) {
        this.start = this.button('barStart', icons.play, () => actions.start());
        this.commands = {
            pauseResume: this.button('barPause', icons.pause, () => actions.steer('pauseResume')),
            stepOnce: this.button('barStep', icons.step, () => actions.steer('stepOnce')),
            stop: this.button('barStop', icons.stop, () => actions.steer('stop')),
        };
        if (document.fullscreenEnabled) {
            const full = this.button('barFullScreen', icons.full, () => {
                const done = document.fullscreenElement ? document.exitFullscreen() : document.documentElement.requestFullscreen();
                done.catch(() => undefined); // the browser may refuse; nothing is lost
            });
            document.addEventListener('fullscreenchange', () => this.retranslate());
            this.fullScreen = full;
        }
        this.progress = element('div', { id: 'progress' }, this.box);
        this.box.append(this.said);
        root.after(this.box);
    }

    private button(id: string, icon: string, act: () => void): BarButton {
        const button = element('button', { type: 'button', id, class: 'barButton' }, this.box);
        const iconPart = element('span', { class: 'icon', 'aria-hidden': 'true' }, button);
        iconPart.innerHTML = icon;
        const word = element('span', { class: 'word' }, button);
        button.addEventListener('click', act);
        return { button, icon: iconPart, word };
    }

    retranslate(): void {
        this.box.setAttribute('aria-label', say('bar'));
        this.start.word.textContent = this.startCaption();
        this.start.button.title = `${this.startCaption()} (${say('keys')} Enter)`;
        const keys: Record<RunCommand, string> = { pauseResume: 'P', stepOnce: '→', stop: 'Esc' };
        for (const [command, key] of Object.entries(keys) as [RunCommand, string][]) {
            this.commands[command].word.textContent = say(command);
            this.commands[command].button.title = `${say(command)} (${say('keys')} ${key})`;
        }
        if (this.fullScreen) {
            const full = document.fullscreenElement !== null;
            this.fullScreen.word.textContent = say(full ? 'leaveFullScreen' : 'fullScreen');
        }
        this.saidStage = -1;
        this.show();
    }

    // Shows what the run allows now and how far it has come.
    show(): void {
        const state = this.core.state();
        Object.assign(this.root.dataset, { state, steps: String(this.core.stepsShown()) });
        this.root.setAttribute('aria-busy', String(state !== 'idle'));
        this.start.button.disabled = state !== 'idle';
        for (const [command, b] of Object.entries(this.commands) as [RunCommand, BarButton][]) {
            b.button.disabled = !this.core.steers(command);
        }
        const pause = this.commands.pauseResume;
        // Its words say what it does now (not a pressed state as well).
        pause.word.textContent = say(state === 'paused' ? 'resume' : 'pauseResume');
        pause.icon.innerHTML = state === 'paused' ? icons.play : icons.pause;
        const progress = this.core.progress();
        if (progress !== null) [this.total, this.words] = [progress.total, progress.text];
        const drawn = this.core.stepsShown();
        const text = this.total === 0 ? '' : fill(tr('Brontel', this.words), String(drawn), String(this.total));
        const paused = state === 'paused' ? `${tr('Brontel', 'Pozastaveno')} · ` : '';
        this.progress.textContent = `${paused}${text}`;
        this.box.dataset.state = state;
        // Said when a quarter of the run is reached, at a pause, and when the run is over.
        const stage = progress?.stage ?? 4;
        if (stage !== this.saidStage || state !== this.saidState) {
            this.said.textContent = this.progress.textContent;
            this.saidStage = stage;
            this.saidState = state;
        }
    }
}
