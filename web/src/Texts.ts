// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's words in Czech (the design's own) or English, from the program's translations
// file, read at build time. The page's few words of its own are at the end.
import translations from './generated/texts.json';

export type Language = 'cs' | 'en';

const table = translations as Record<string, Record<string, string>>;
const remembered = 'brontel.language';

export function savedLanguage(): Language {
    try {
        return localStorage.getItem(remembered) === 'en' ? 'en' : 'cs';
    } catch {
        return 'cs'; // storage may be off (a file opened under strict settings)
    }
}

export function saveLanguage(language: Language): void {
    try {
        localStorage.setItem(remembered, language);
    } catch {
        // the choice then lasts as long as the page
    }
}

let current: Language = savedLanguage();

export function language(): Language {
    return current;
}

export function setLanguage(language: Language): void {
    current = language;
}

// A text of the desktop window by its context and Czech source.
export function tr(context: string, source: string): string {
    if (current === 'cs') return source;
    const english = table[context]?.[source];
    if (english === undefined) {
        console.warn(`Brontel: no English for "${source}"`);
        return source;
    }
    return english;
}

// Fills %1, %2, ... as Qt's arg() does.
export function fill(template: string, ...values: string[]): string {
    return template.replace(/%(\d)/g, (whole, n: string) => values[Number(n) - 1] ?? whole);
}

// Words only the page needs: a page cannot close its own tab, and it offers its language.
const pageTexts: Record<string, { cs: string; en: string }> = {
    closed: {
        cs: 'Pokus je ukončen. Stránku zavřete jako každou jinou, zavřením karty prohlížeče.',
        en: 'The run is ended. Close the page as any other, by closing the browser tab.',
    },
    menu: { cs: 'Nabídka obrázku', en: 'Picture menu' },
    savePng: { cs: 'Uložit obrázek PNG %1×…', en: 'Save the picture as PNG %1×…' },
    saveSvg: { cs: 'Uložit obrázek SVG…', en: 'Save the picture as SVG…' },
    close: { cs: 'Zavřít', en: 'Close' },
    helpNote: {
        cs: 'V prohlížeči: nabídka ☰ nebo pravé tlačítko myši na obrázku ukládá obrázek (PNG, SVG) a křivky (CSV), tiskne a přepíná jazyk. Celou obrazovku zapne tlačítko na liště vedle obrázku (nebo F11). Kopírování do schránky, PDF, klávesové zkratky Ctrl a příkazový řádek má jen program pro počítač.',
        en: 'In the browser: the ☰ menu or a right click on the picture saves the picture (PNG, SVG) and the curves (CSV), prints and switches the language. The button on the bar beside the picture (or F11) gives the full screen. Copying to the clipboard, PDF, the Ctrl shortcuts and the command line are in the desktop program only.',
    },
};

export function pageText(key: keyof typeof pageTexts): string {
    return pageTexts[key][current];
}
