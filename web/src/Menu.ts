// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture's menu, opened by the menu button or the right mouse button.
import { moveInMenu } from './KeyboardFocus';
import { element } from './Layout';

export interface MenuItem {
    text: string;
    act: () => void;
    checked?: boolean; // a switch, on or off
    disabled?: boolean;
    chosen?: boolean; // one of a choice, the one in force marked
    lang?: string; // the item's own language, when it names one
    id?: string;
}

export class Menu {
    readonly box = element('div', { id: 'menu', role: 'menu', hidden: '' });

    constructor(private readonly root: HTMLElement, private readonly factor: () => number) {}

    get open(): boolean {
        return !this.box.hidden;
    }

    show(items: MenuItem[], button: HTMLElement, x?: number, y?: number): void {
        this.box.replaceChildren();
        for (const item of items) {
            const b = element('button', { type: 'button', role: 'menuitem' }, this.box);
            b.textContent = item.text;
            const on = item.checked ?? item.chosen;
            if (on !== undefined) {
                b.setAttribute('role', item.checked === undefined ? 'menuitemradio' : 'menuitemcheckbox');
                b.setAttribute('aria-checked', String(on));
                // The tick is seen; aria-checked says it.
                element('span', { class: 'tick', 'aria-hidden': 'true' }, b).textContent = on ? '✓' : '';
                b.append(item.text);
            }
            if (item.lang) b.lang = item.lang;
            if (item.id) b.id = item.id;
            if (item.disabled) b.disabled = true;
            b.addEventListener('click', () => {
                this.close();
                item.act();
            });
        }
        const rect = this.root.getBoundingClientRect();
        const at = button.getBoundingClientRect();
        this.box.style.left = `${((x ?? at.left) - rect.left) / this.factor()}px`;
        this.box.style.top = `${((y ?? at.bottom) - rect.top) / this.factor()}px`;
        this.box.hidden = false;
        (this.box.firstElementChild as HTMLElement).focus();
        setTimeout(() => document.addEventListener('click', this.outside, { once: true }));
    }

    private readonly outside = (e: MouseEvent) => {
        if (!this.box.contains(e.target as Node)) this.close();
    };

    // Escape, the arrow keys, Home and End while the menu is open; true when it took the key.
    key(e: KeyboardEvent): boolean {
        if (this.open && e.key === 'Escape') {
            this.close();
            return true;
        }
        return this.open && moveInMenu(this.box, e);
    }

    close(): void {
        const focused = this.box.contains(document.activeElement);
        this.box.hidden = true;
        if (focused) document.getElementById('menuButton')?.focus(); // not lost to the page's body
    }
}
