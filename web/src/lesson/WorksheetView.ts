// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet for the pupils and the teacher's key in a printable view over the page: the
// core's own document (the desktop prints the same) in the language in force, shown as it will
// print, and printed by the browser's print; the print stylesheet leaves only the sheet on paper.
import type { CoreModule } from 'brontel-core';
import { element } from '../Layout';
import { language, pageText, tr } from '../Texts';

type Part = 'sheet' | 'key';
const words = (source: string) => tr('WorksheetWindow', source);

export class WorksheetView {
    private readonly section = element('section', { id: 'worksheet', role: 'dialog', 'aria-labelledby': 'worksheetTitle', hidden: '' });
    private readonly title = element('h2', { id: 'worksheetTitle' });
    private readonly close = element('button', { type: 'button', id: 'worksheetClose' });
    private readonly parts = new Map<Part, { input: HTMLInputElement; label: HTMLElement }>();
    private readonly print = element('button', { type: 'button', id: 'worksheetPrint' });
    // The document in a shadow root, so its own style reaches it and nothing else.
    private readonly sheet = element('article', { id: 'worksheetSheet' });
    private readonly shadow = this.sheet.attachShadow({ mode: 'open' });
    // The document's page rules, for the whole page while the view is open.
    private readonly pageRules = new CSSStyleSheet();
    private part: Part = 'sheet';
    private returnFocus?: HTMLElement;

    constructor(private readonly module: CoreModule) {
        const bar = element('div', { id: 'worksheetBar' }, this.section);
        bar.append(this.title);
        for (const part of ['sheet', 'key'] as Part[]) {
            const label = element('label', {}, bar);
            const input = element('input', { type: 'radio', name: 'worksheetPart', value: part }, label);
            const text = element('span', {}, label);
            input.addEventListener('change', () => this.showPart(part));
            this.parts.set(part, { input, label: text });
        }
        this.print.addEventListener('click', () => window.print());
        this.close.textContent = '✕';
        this.close.addEventListener('click', () => this.hide());
        bar.append(this.print, this.close);
        this.section.append(this.sheet);
        document.body.append(this.section);
        document.addEventListener('keydown', (e) => this.key(e), true);
    }

    get open(): boolean {
        return !this.section.hidden;
    }

    show(): void {
        if (!this.open) this.returnFocus = (document.activeElement as HTMLElement | null) ?? undefined;
        this.section.hidden = false;
        document.body.dataset.worksheet = 'open';
        document.adoptedStyleSheets = [...document.adoptedStyleSheets.filter((s) => s !== this.pageRules), this.pageRules];
        this.section.lang = language();
        this.title.textContent = words('Brontel: pracovní list');
        this.parts.get('sheet')!.label.textContent = words('List pro žáky');
        this.parts.get('key')!.label.textContent = words('Klíč pro učitele');
        this.print.textContent = words('Tisknout…');
        this.close.setAttribute('aria-label', pageText('close'));
        this.close.title = pageText('close');
        this.showPart(this.part);
        this.close.focus();
    }

    hide(): void {
        this.section.hidden = true;
        delete document.body.dataset.worksheet;
        document.adoptedStyleSheets = document.adoptedStyleSheets.filter((s) => s !== this.pageRules);
        this.returnFocus?.focus();
    }

    private showPart(part: Part): void {
        this.part = part;
        this.parts.get(part)!.input.checked = true;
        const html = this.module.worksheetHtml(part, (source) => tr('Worksheet', source), language() === 'cs');
        // Its style is taken out before it is parsed: the page's policy refuses inline style.
        const style = /<style>([\s\S]*?)<\/style>/.exec(html)?.[1] ?? '';
        const document = new DOMParser().parseFromString(html.replace(/<style>[\s\S]*?<\/style>/, ''), 'text/html');
        // The document's rules for its body hold for the sheet; its page rules for the page.
        const own = new CSSStyleSheet();
        own.replaceSync(style.replace(/@page\s*\{[^}]*\}/g, '').replace(/\bbody\b/g, ':host'));
        this.pageRules.replaceSync((style.match(/@page\s*\{[^}]*\}/g) ?? []).join('\n'));
        this.shadow.adoptedStyleSheets = [own];
        this.shadow.replaceChildren(...document.body.childNodes);
        this.sheet.lang = language();
        this.sheet.setAttribute('aria-label', document.title);
        this.section.dataset.part = part;
    }

    // Escape closes the view; the page's own keys wait under it.
    private key(e: KeyboardEvent): void {
        if (!this.open) return;
        e.stopPropagation();
        if (e.key === 'Escape') {
            e.preventDefault();
            this.hide();
        }
    }
}
