// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one dialog: a message with OK, or the help; Escape and Enter close it, and the
// focus goes back where it was (or where the message points).
import { keepFocusWithin } from './KeyboardFocus';
import { element } from './Layout';

export class Dialog {
    readonly box = element('div', { id: 'dialog', role: 'alertdialog', 'aria-modal': 'true', hidden: '' });
    private returnFocus?: HTMLElement;

    get open(): boolean {
        return !this.box.hidden;
    }

    tell(message: string, focusAfter?: HTMLElement): void {
        this.box.replaceChildren();
        const text = element('p', { id: 'dialogText' }, this.box);
        text.textContent = message;
        this.box.setAttribute('aria-describedby', 'dialogText');
        this.show('OK', focusAfter).focus();
    }

    // Shows what the dialog holds with a closing button below it; the button.
    show(closeText: string, focusAfter?: HTMLElement): HTMLButtonElement {
        const ok = element('button', { type: 'button' }, this.box);
        ok.textContent = closeText;
        ok.addEventListener('click', () => this.close());
        this.box.hidden = false;
        this.returnFocus = focusAfter ?? (document.activeElement as HTMLElement | null) ?? undefined;
        return ok;
    }

    // A key while the dialog is open: it takes every key.
    key(e: KeyboardEvent): void {
        if (keepFocusWithin(this.box, e)) return;
        if (e.key === 'Escape' || e.key === 'Enter') {
            e.preventDefault();
            this.close();
        }
    }

    close(): void {
        this.box.hidden = true;
        this.box.classList.remove('help');
        this.returnFocus?.focus();
    }
}
