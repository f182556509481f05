// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard in the page's modal dialog and its menu, as the ARIA authoring practices have
// them: Tab never leaves an open dialog for the window behind it (where Space would start a
// run), and the menu's items are walked with the arrow keys, Home and End.

const focusable = 'button:not([disabled]), a[href], input:not([disabled]), select, textarea, [tabindex]:not([tabindex="-1"])';

// Handles Tab and Shift+Tab in an open dialog; true when it took the key.
export function keepFocusWithin(dialog: HTMLElement, e: KeyboardEvent): boolean {
    if (e.key !== 'Tab') return false;
    const inside = [...dialog.querySelectorAll<HTMLElement>(focusable)].filter((x) => x.getClientRects().length > 0);
    if (inside.length === 0) return false;
    const at = inside.indexOf(document.activeElement as HTMLElement);
    const leaving = at < 0 || (e.shiftKey ? at === 0 : at === inside.length - 1);
    if (!leaving) return false; // the browser moves on within the dialog
    e.preventDefault();
    inside[e.shiftKey ? inside.length - 1 : 0].focus();
    return true;
}

// Handles the menu's arrow keys, Home and End; true when it took the key.
export function moveInMenu(menu: HTMLElement, e: KeyboardEvent): boolean {
    const items = [...menu.querySelectorAll<HTMLElement>('[role^="menuitem"]')];
    if (items.length === 0) return false;
    const at = items.indexOf(document.activeElement as HTMLElement);
    const to: Record<string, number> = {
        ArrowDown: (at + 1) % items.length,
        ArrowUp: (at - 1 + items.length) % items.length,
        Home: 0,
        End: items.length - 1,
    };
    const next = to[e.key];
    if (next === undefined) return false;
    e.preventDefault();
    items[next].focus();
    return true;
}
