// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as designed, as the core gives it (web/core windowLayout()): every control's kind,
// place and look, the line controls, the captions an exported picture draws, the design's size.
import type { ControlLayout, ControlName, WindowLayout } from 'brontel-core';

let current: WindowLayout | undefined;

export function useLayout(layout: WindowLayout): void {
    current = layout;
}

export function design(): WindowLayout {
    if (current === undefined) throw new Error('Brontel: the layout is read before the core is loaded');
    return current;
}

export function controlLayout(name: ControlName): ControlLayout {
    const found = design().controls.find((c) => c.name === name);
    if (found === undefined) throw new Error(`Brontel: no control ${name}`);
    return found;
}

export const px = (twips: number) => `${twips / design().twipsPerPixel}px`;

export function element<K extends keyof HTMLElementTagNameMap>(tag: K, attributes: Record<string, string> = {},
    parent?: HTMLElement): HTMLElementTagNameMap[K] {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    parent?.append(e);
    return e;
}

export function place(e: HTMLElement, [left, top, width, height]: [number, number, number, number]): void {
    e.style.left = px(left);
    e.style.top = px(top);
    e.style.width = px(width);
    e.style.height = px(height);
}
