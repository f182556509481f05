// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How many steps of a run are due at a moment: the slow-down count N is a pause of N
// microseconds between steps, as long as the desktop's countdown. Steps are never shown faster
// than one per fastestStepMs, so that the fastest run takes about as long as on the desktop,
// several steps to each frame of the screen.
export const fastestStepMs = 2;

export class Pacer {
    private nextAt = 0;

    begin(now: number): void {
        this.nextAt = now;
    }

    // Steps due by `now`, with the pause between them in microseconds.
    due(now: number, pauseMicroseconds: number): number {
        const interval = Math.max(pauseMicroseconds / 1000, fastestStepMs);
        let steps = 0;
        while (this.nextAt <= now && steps < 467) {
            this.nextAt += interval;
            ++steps;
        }
        // A tab in the background gets no frames; it goes on from where it was, not in a rush.
        if (this.nextAt < now - 250) this.nextAt = now;
        return steps;
    }

    // Milliseconds until the next step is due.
    wait(now: number): number {
        return Math.max(0, this.nextAt - now);
    }
}
