// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When the next step of a run is due: the slow-down count N the core gives with each step is a
// pause of N microseconds after it, as long as the desktop's countdown. At the fastest pace the
// desktop's run is bound by drawing its steps, so a step here is never due sooner than
// fastestStepMs after the one before: the run shows as an animation of many frames, several
// steps to a frame, not as one jump to its end, and takes about as long as the desktop's
// (web/measure.mjs compares the two).
export const fastestStepMs = 0.25;
// The most drawing one frame takes on: where steps draw slower than they fall due, the frame
// still reaches the screen, and the run goes on in the next.
export const frameBudgetMs = 12;

export class Pacer {
    private nextAt = 0;

    begin(now: number): void {
        this.nextAt = now;
    }

    // Whether the next step is due by `now`.
    due(now: number): boolean {
        // A tab in the background gets no frames; it goes on from where it was, not in a rush.
        if (this.nextAt < now - 250) this.nextAt = now;
        return this.nextAt <= now;
    }

    // A step was drawn; the next one waits for its pause.
    stepped(pauseMicroseconds: number): void {
        this.nextAt += Math.max(pauseMicroseconds / 1000, fastestStepMs);
    }

    // Milliseconds until the next step is due.
    wait(now: number): number {
        return Math.max(0, this.nextAt - now);
    }
}
