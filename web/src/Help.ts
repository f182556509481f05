// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's help in the page's dialog, its picture drawn here from a start-up run, with
// what classical optics predicts for the settings the picture shows.
import type { PageCore } from 'brontel-core';
import type { Dialog } from './Dialog';
import { type CaptionOf, picture } from './Exports';
import help from './generated/help.json';
import { element } from './Layout';
import { overlayText } from './Overlay';
import { type Language, language, pageText, tr } from './Texts';

export function showHelp(dialog: Dialog, core: PageCore, makeCore: () => PageCore, caption: CaptionOf): void {
    dialog.box.replaceChildren();
    const body = element('div', { class: 'helpBody' }, dialog.box);
    body.innerHTML = (help as Record<Language, string>)[language()];
    const note = element('p', { class: 'pageNote' });
    note.textContent = pageText('helpNote');
    body.querySelector('h2')?.after(note);
    const theory = element('div', { class: 'theory', id: 'helpTheory' });
    for (const phrase of core.theoryPanel()) element('p', {}, theory).textContent = overlayText(phrase);
    note.after(theory);
    const image = body.querySelector('img[data-run-picture]') as HTMLImageElement | null;
    if (image) {
        const sample = makeCore();
        sample.setDecimalComma(language() === 'cs');
        sample.start();
        sample.advance(467);
        image.src = picture(sample, caption, 1).toDataURL('image/png');
        sample.delete();
    }
    dialog.box.classList.add('help');
    dialog.box.removeAttribute('aria-describedby');
    dialog.box.setAttribute('aria-label', tr('HelpWindow', 'Brontel – nápověda'));
    dialog.show(pageText('close')).focus({ preventScroll: true }); // the help is read from its top
}
