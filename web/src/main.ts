// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the design's window scaled to the browser's, its controls as real HTML controls,
// the picture on a canvas. What the controls do is decided by the window's model behind the
// core (web/core/PageCore); the page passes on each action and shows what the core says
// changed.
import createBrontelCore, { type ControlName, type CoreModule, type ModelChange, type PageCore } from 'brontel-core';
import { Dialog } from './Dialog';
import { Explore } from './explore/ExploreView';
import { showHelp } from './Help';
import { LessonTools } from './lesson/Lesson';
import { loadLetters } from './Letters';
import { element, useLayout } from './Layout';
import { keepOfflineCopy } from './Offline';
import { Panel } from './Panel';
import { replay, serif } from './Picture';
import { PictureMenu } from './PictureMenu';
import { RunBar } from './RunBar';
import { RunLoop } from './RunLoop';
import { Stage } from './Stage';
import { Upright } from './Upright';
import { showStartFailure } from './StartFailure';
import { fill, type Language, language, pageText, saveLanguage, setLanguage, tr } from './Texts';

class Page {
    private readonly root = element('div', { id: 'brontel', role: 'application', 'aria-busy': 'false' },
        element('div', { id: 'stage' }, document.body));
    readonly stage: Stage;
    private readonly panel: Panel;
    private readonly runLoop: RunLoop;
    private readonly dialog = new Dialog();
    private readonly menu: PictureMenu;
    private readonly bar: RunBar;
    private pending: ModelChange[] = [];
    explore?: Explore;
    private readonly caption = (name: ControlName) => this.panel.caption(name);

    constructor(readonly core: PageCore, private readonly module: CoreModule) {
        this.stage = new Stage(core, this.root);
        this.runLoop = new RunLoop(core);
        this.panel = new Panel(core, module.windowTexts(), module.accessibleTexts(),
            { start: () => this.start(), end: () => this.end() }, module.fieldLimit());
        this.bar = new RunBar(core, this.root, { start: () => this.start(), steer: (c) => this.runLoop.steer(c) },
            () => this.caption('cmdStart'));
        this.core.setDecimalComma(language() === 'cs');
        // What each action changed is shown once the action is over, all of it together.
        core.subscribe((change) => {
            if (this.pending.push(change) === 1) queueMicrotask(() => this.show());
        });
        this.panel.build(this.root, this.stage.layers);
        this.menu = new PictureMenu(this.root, core, this.stage, this.caption, { help: () => this.help(),
            explore: () => this.explore?.show(), switchLanguage: (code: Language) => this.switchLanguage(code) });
        document.body.append(this.dialog.box);
        element('div', { id: 'print' }, document.body);
        const upright = new Upright(this.root);
        [this.stage.beside, this.stage.upright] = [[this.bar.box], (area) => upright.place(area)];
        this.retranslate();
        this.panel.showAll();
        this.runLoop.showOn(this.root);
        this.fit();
        addEventListener('resize', () => this.fit());
        matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => this.fit());
        document.addEventListener('keydown', (e) => this.key(e));
    }

    readonly fit = (): void => this.stage.fit();

    private show(): void {
        const changes = this.pending;
        this.pending = [];
        this.panel.show(changes);
        this.runLoop.showOn(this.root);
        this.bar.show();
        if (changes.some((c) => c.picture || c.marker)) this.stage.drawPicture();
        if (changes.some((c) => c.step || c.run)) this.stage.drawRings();
        this.stage.drawOverlay();
    }

    private retranslate(): void {
        this.panel.retranslate(this.stage.canvas);
        this.bar.retranslate();
        this.stage.canvas.title = tr('Brontel', 'Obrázek pokusu; pravé tlačítko myši: kopírovat, uložit, tisknout, nápověda');
        this.menu.retranslate();
    }

    private start(): void {
        const refusal = this.core.start();
        if (refusal !== null) {
            // The window's sentence for the refusal, filled in by the core's arguments.
            this.dialog.tell(fill(tr('Brontel', refusal.sentence), ...refusal.arguments),
                this.panel.inputs.get(refusal.field));
            return;
        }
        this.runLoop.started();
    }

    private key(e: KeyboardEvent): void {
        if (this.dialog.open) {
            this.dialog.key(e);
            return;
        }
        if (e.key === 'F1') {
            e.preventDefault();
            this.help();
            return;
        }
        if (this.menu.key(e)) return;
        this.runLoop.key(e);
    }

    // Konec: a page cannot close its tab; it ends the run and says so.
    private end(): void {
        this.core.end();
        this.dialog.tell(pageText('closed'));
    }

    private help(): void {
        showHelp(this.dialog, this.core, () => new this.module.PageCore(), this.caption);
    }

    switchLanguage(code: Language): void {
        setLanguage(code);
        saveLanguage(code);
        this.core.setDecimalComma(code === 'cs');
        this.retranslate();
        this.stage.drawOverlay(true);
        this.explore?.retranslate();
    }
}

async function main(): Promise<void> {
    document.documentElement.style.setProperty('--serif', serif);
    const module = await createBrontelCore();
    useLayout(module.windowLayout());
    const page = new Page(new module.PageCore(), module);
    loadLetters(module).catch((e: unknown) => console.warn('Brontel: the desktop\'s letters could not be unpacked', e));
    new LessonTools(module, page.core, page.stage);
    document.body.dataset.ready = 'true';
    performance.mark('brontel-ready');
    // For the measuring script (web/measure.mjs), which times the core and the drawing, and for
    // the test that holds the fast drawing to a plain one.
    page.explore = new Explore(module);
    Object.assign(globalThis, { brontel: { page, module, replay, explore: page.explore } });
    keepOfflineCopy();
}

main().catch((e: unknown) => {
    console.error('Brontel could not start', e);
    showStartFailure(e);
});
