// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The entries of the picture's menu, as the window's menu has them: the picture as PNG and SVG,
// the curves as CSV, print, the teaching overlay, the help, the explore view, and the page's
// language.
import type { PageCore } from 'brontel-core';
import { type CaptionOf, printPicture, saveCsv, savePng, saveSpreadsheetCsv, saveSvg } from './Exports';
import { element, place } from './Layout';
import { Menu, type MenuItem } from './Menu';
import type { Stage } from './Stage';
import { fill, type Language, language, pageText, tr } from './Texts';

export interface MenuActions {
    help(): void;
    explore(): void;
    switchLanguage(code: Language): void;
}

// Entries other parts of the page add, before the languages.
export const moreMenuItems: (() => MenuItem[])[] = [];

export function pictureMenu(core: PageCore, stage: Stage, caption: CaptionOf, actions: MenuActions): MenuItem[] {
    const overlay = () => (stage.overlayOn ? core.teachingOverlay() : undefined);
    return [
        ...[1, 2, 4].map((times) => ({ text: fill(pageText('savePng'), String(times)), act: () => savePng(core, caption, times, overlay()) })),
        { text: pageText('saveSvg'), act: () => saveSvg(core, caption, overlay()) },
        { text: tr('SceneMenu', 'Uložit křivky jako CSV…'), act: () => saveCsv(core) },
        { text: tr('SceneMenu', 'CSV pro tabulkové procesory (*.csv)'), act: () => saveSpreadsheetCsv(core), id: 'spreadsheetCsvItem' },
        {
            text: tr('SceneMenu', 'Tisk…'),
            act: () => printPicture(core, caption, stage.canvas.getAttribute('aria-label') ?? '', overlay()),
        },
        {
            text: tr('SceneMenu', 'Výukové popisky v obrázku'), act: () => stage.switchOverlay(!stage.overlayOn),
            checked: stage.overlayOn, id: 'overlayItem',
        },
        { text: tr('SceneMenu', 'Nápověda'), act: () => actions.help() },
        { text: tr('ExploreSwitch', 'Zkoumat…'), act: () => actions.explore(), id: 'exploreItem' },
        ...moreMenuItems.flatMap((items) => items()),
        ...([['cs', 'Čeština'], ['en', 'English']] as [Language, string][])
            .map(([code, name]) => ({ text: name, act: () => actions.switchLanguage(code), chosen: language() === code, lang: code })),
    ];
}

// The menu button at the window's upper left, and the picture's right mouse button.
export class PictureMenu {
    readonly button = element('button', { id: 'menuButton', type: 'button', 'aria-haspopup': 'menu' });
    readonly menu: Menu;

    constructor(root: HTMLElement, core: PageCore, stage: Stage, caption: CaptionOf, actions: MenuActions) {
        this.menu = new Menu(root, () => stage.factor);
        const open = (x?: number, y?: number) => this.menu.show(pictureMenu(core, stage, caption, actions), this.button, x, y);
        this.button.textContent = '☰';
        place(this.button, [120, 60, 420, 315]);
        this.button.addEventListener('click', () => open());
        stage.canvas.addEventListener('contextmenu', (e) => {
            e.preventDefault();
            open(e.clientX, e.clientY);
        });
        root.append(this.button, this.menu.box);
    }

    retranslate(): void {
        this.button.setAttribute('aria-label', pageText('menu'));
        this.button.title = pageText('menu');
    }

    // A key while the menu is open: Escape closes it, the arrows, Home and End move in it; true
    // when the menu took the key.
    key(e: KeyboardEvent): boolean {
        return this.menu.key(e);
    }
}
