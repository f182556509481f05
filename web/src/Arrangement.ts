// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window as designed, the run's bar and the settings go in the browser's window. Wide
// screens keep the design whole at one factor, the bar in the margin the letterbox leaves (on a
// touch screen room is made for it); a tall one (a phone or tablet upright) shows the design at
// its full width on top, the bar under it and the settings, at a finger's size, below.

// The bar's thickness in CSS pixels: 44-pixel buttons with room around them.
export const barThickness = 76;

// Below this factor the window's options, a little enlarged, would still crowd each other.
const smallestTouchFactor = 1.1;
// The settings' width when they stand beside the bar.
const settingsWidth = 300;

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
    settingsBelow: Box | null; // upright (or too small to touch): the settings' own area
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
    let factor = Math.min((width - barThickness) / designWidth, height / designHeight);
    // Too small for a finger (a phone held wide): the settings go beside the bar.
    const aside = touch && factor < smallestTouchFactor ? settingsWidth : 0;
    factor = Math.min((width - barThickness - aside) / designWidth, height / designHeight);
    const used = designWidth * factor + barThickness + aside;
    const left = (width - used) / 2;
    const top = (height - designHeight * factor) / 2;
    const barLeft = left + designWidth * factor;
    return {
        factor, left, top, across: false,
        bar: { left: barLeft, top, width: barThickness, height: designHeight * factor },
        settingsBelow: aside === 0 ? null : { left: barLeft + barThickness, top: 0, width: aside, height },
    };
}
