// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run, stepped from the browser's frames: each step's pause as the core gives it, never a
// loop that holds the page; and the run's keys, which the core says whether they steer it.
import type { PageCore, RunCommand } from 'brontel-core';
import { Pacer, frameBudgetMs } from './Pacer';

export class RunLoop {
    private readonly pacer = new Pacer();
    private scheduled = false;

    constructor(private readonly core: PageCore) {}

    // A run has just begun (or not: a refusal, or a press during a run).
    started(): void {
        if (this.core.state() === 'running' && this.core.stepsShown() === 0) this.pacer.begin(performance.now());
        this.schedule();
    }

    // The run's state and the steps shown, on the page's root for tests and scripts; busy while
    // a run goes, for screen readers.
    showOn(root: HTMLElement): void {
        Object.assign(root.dataset, { state: this.core.state(), steps: String(this.core.stepsShown()) });
        root.setAttribute('aria-busy', String(this.core.state() !== 'idle'));
    }

    // A key pressed on the page; whether it steered the run.
    key(e: KeyboardEvent): boolean {
        if (!this.steered(() => this.core.pressKey(e.key, e.ctrlKey || e.altKey || e.metaKey, e.repeat))) return false;
        e.preventDefault();
        return true;
    }

    // A button of the run's bar, by the same rules as its key.
    steer(command: RunCommand): boolean {
        return this.steered(() => this.core.steer(command));
    }

    private steered(press: () => boolean): boolean {
        const wasPaused = this.core.state() === 'paused';
        if (!press()) return false;
        // While paused, a step asked for is drawn at once.
        if (this.core.state() === 'paused') this.core.step();
        if (wasPaused && this.core.state() === 'running') this.pacer.begin(performance.now());
        this.schedule();
        return true;
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
        const until = performance.now() + frameBudgetMs;
        while (this.core.state() === 'running' && this.pacer.due(now) && performance.now() < until) {
            const pause = this.core.step();
            if (pause === null) break;
            this.pacer.stepped(pause);
        }
        this.schedule();
    }
}
