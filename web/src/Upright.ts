// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A phone or tablet held upright: the window at full width is too small to touch, so its
// settings leave it for an area of their own under the run's bar, at a finger's size; held
// wide again, each goes back to its place in the window. They stay the same controls.
import type { ControlName } from 'brontel-core';
import type { Box } from './Arrangement';
import { element } from './Layout';

// What moves, in the order it is shown: the settings, the pace, Konec and the menu.
const moved: (ControlName | 'menuButton')[] = ['nTextIndex', 'nIndex', 'frmLátka', 'nAlfa', 'frmDopad', 'frmDistance',
    'frmAnimace', 'HScroll1', 'cmdKonec', 'menuButton'];

export class Upright {
    readonly area = element('div', { id: 'settings', hidden: '' });
    // Where each moved control stood: a mark in its place.
    private readonly homes = new Map<HTMLElement, Comment>();

    constructor(private readonly root: HTMLElement) {
        root.parentElement?.append(this.area);
    }

    place(box: Box | null): void {
        this.root.classList.toggle('upright', box !== null);
        this.area.hidden = box === null;
        if (box === null) {
            for (const [e, mark] of this.homes) mark.replaceWith(e);
            this.homes.clear();
            return;
        }
        Object.assign(this.area.style, { left: `${box.left}px`, top: `${box.top}px`, width: `${box.width}px`, height: `${box.height}px` });
        if (this.homes.size > 0) return;
        for (const name of moved) {
            const e = document.getElementById(name);
            if (e === null) continue;
            const mark = document.createComment(name);
            e.replaceWith(mark);
            this.homes.set(e, mark);
            this.area.append(e);
        }
    }
}
