// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window as designed, the run's bar and the settings go in the browser's window. Wide
// screens keep the design whole at one factor, the bar in the margin the letterbox leaves (on a
// touch screen room is made for it); a tall one (a phone or tablet upright) shows the design at
// its full width on top, the bar under it and the settings, at a finger's size, below.

// The bar's thickness in CSS pixels: 44-pixel buttons with room around them.
export const barThickness = 76;

export interface Box {
    left: number;
    top: number;
    width: number;
    height: number;
}

export interface Arrangement {
    factor: number;
    left: number; // the design's upper left corner
    top: number;
    bar: Box | null; // none where there is no room and no finger to need it
    across: boolean; // the bar runs across (under the design) rather than down its side
    settingsBelow: Box | null; // upright: the settings' own area under the bar
}

export function arrange(width: number, height: number, designWidth: number, designHeight: number, touch: boolean): Arrangement {
    if (height > width) {
        const factor = width / designWidth;
        const barTop = designHeight * factor;
        const below = barTop + barThickness;
        return {
            factor, left: 0, top: 0, across: true,
            bar: { left: 0, top: barTop, width, height: barThickness },
            settingsBelow: { left: 0, top: below, width, height: Math.max(0, height - below) },
        };
    }
    const whole = Math.min(width / designWidth, height / designHeight);
    const room = width - designWidth * whole;
    if (room < barThickness && !touch) {
        return { factor: whole, left: room / 2, top: (height - designHeight * whole) / 2, bar: null, across: false, settingsBelow: null };
    }
    const factor = Math.min((width - barThickness) / designWidth, height / designHeight);
    const used = designWidth * factor + barThickness;
    const left = (width - used) / 2;
    const top = (height - designHeight * factor) / 2;
    return {
        factor, left, top, across: false, settingsBelow: null,
        bar: { left: left + designWidth * factor, top, width: barThickness, height: designHeight * factor },
    };
}
