// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When the next step of a run is due: the slow-down count N the core gives with each step is a
// pause of N microseconds after it, as long as the desktop's countdown. Steps are never shown
// faster than one per fastestStepMs, so that the fastest run takes about as long as on the
// desktop, several steps to each frame of the screen.
export const fastestStepMs = 2;

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
