// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page says when it cannot start. Without it a browser lacking WebAssembly (too old,
// or with it switched off by a policy) shows an empty page and the reason only in its console.
import { language } from './Texts';

const texts = {
    noWebAssembly: {
        cs: 'Brontel v tomto prohlížeči nepoběží: prohlížeč nemá WebAssembly (je starý, nebo má WebAssembly vypnuté). Otevřete stránku v novějším prohlížeči nebo WebAssembly zapněte.',
        en: 'Brontel cannot run in this browser: the browser has no WebAssembly (it is old, or WebAssembly is switched off). Open the page in a newer browser, or switch WebAssembly on.',
    },
    failed: {
        cs: 'Brontel se v tomto prohlížeči nepodařilo spustit',
        en: 'Brontel could not start in this browser',
    },
};

export function showStartFailure(error: unknown): void {
    const said = typeof WebAssembly !== 'object'
        ? texts.noWebAssembly[language()]
        : `${texts.failed[language()]}: ${error instanceof Error ? error.message : String(error)}`;
    const message = document.createElement('p');
    message.id = 'startFailure';
    message.setAttribute('role', 'alert');
    message.textContent = said;
    document.body.replaceChildren(message);
    document.body.dataset.ready = 'failed';
}
