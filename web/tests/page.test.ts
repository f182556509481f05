// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in Debian's chromium: the design at its own size, runs whose bars are read off the
// picture and compared with the worked values, refusals, steering, the language, the CSV.
import { expect, test } from '@playwright/test';
import { readFileSync } from 'node:fs';
import { longestBar, openPage, runToEnd } from './Brontel';

test('at 763 × 575 and one device pixel per pixel the window is the design at factor 1', async ({ page }) => {
    const errors = await openPage(page);
    await expect(page.locator('#brontel')).toHaveAttribute('data-factor', '1');
    const places: [string, number, number, number, number][] = [
        ['#cmdStart', 6840, 0, 975, 375],
        ['#cmdKonec', 8040, 0, 1215, 375],
        ['#HScroll1', 4080, 480, 2415, 255],
        ['#nIndex', 720, 1440, 855, 330],
        ['#nAlfa', 960, 5040, 855, 330],
        ['#frmDistance', 240, 3120, 1935, 1335],
        ['#opMaláDistance', 240 + 1080, 3120 + 960, 615, 255],
        ['#nDetektorH', 5800, 4400, 1215, 285],
    ];
    for (const [selector, left, top, width, height] of places) {
        const box = await page.locator(selector).boundingBox();
        expect(box, selector).not.toBeNull();
        expect([box!.x, box!.y, box!.width, box!.height].map((v) => Math.round(v * 15)), selector)
            .toEqual([left, top, width, height]);
    }
    await expect(page.locator('#cmdStart')).toHaveText('Start');
    await expect(page.locator('#labKlepnete')).toHaveText('Klepněte na tlačítko Start');
    await expect(page.locator('#nIndex')).toHaveValue('1,33');
    await expect(page.locator('#nAlfa')).toHaveValue('35');
    await expect(page.locator('#nVoda')).toBeVisible();
    await expect(page.locator('#nSklo')).toBeHidden();
    await expect(page.locator('#brontel')).toHaveAttribute('aria-busy', 'false');
    expect(errors).toEqual([]);
});

test('a run for water, 35°, 750 draws its curves with the worked values', async ({ page }) => {
    const errors = await openPage(page);
    const busy: string[] = [];
    await page.exposeFunction('noteBusy', (value: string) => busy.push(value));
    await page.evaluate(() => new MutationObserver(() => (window as unknown as { noteBusy: (v: string) => void })
        .noteBusy(document.getElementById('brontel')!.getAttribute('aria-busy')!))
        .observe(document.getElementById('brontel')!, { attributes: true, attributeFilter: ['aria-busy'] }));
    await runToEnd(page);
    expect(busy).toContain('true');
    await expect(page.locator('#brontel')).toHaveAttribute('aria-busy', 'false');
    // V 1694.7 at y 1565, H 1451.2 at x 4050, L 832.3 at x 5090 (twips; 15 to a pixel).
    const v = await longestBar(page, 'V', 7300, 40, 270);
    expect(Math.abs(v.length - 1694.7 / 15)).toBeLessThanOrEqual(2.5);
    expect(Math.abs(v.at - 1565 / 15)).toBeLessThanOrEqual(1.5);
    const h = await longestBar(page, 'H', 4250, 210, 480);
    expect(Math.abs(h.length - 1451.2 / 15)).toBeLessThanOrEqual(2.5);
    expect(Math.abs(h.at - 4050 / 15)).toBeLessThanOrEqual(1.5);
    // L's second peak, 830.5 at x 4210, is a tenth of a pixel shorter: either may show longest.
    const l = await longestBar(page, 'L', 6500, 280, 480);
    expect(Math.abs(l.length - 832.3 / 15)).toBeLessThanOrEqual(2.5);
    expect(Math.min(Math.abs(l.at - 5090 / 15), Math.abs(l.at - 4210 / 15))).toBeLessThanOrEqual(1.5);
    expect(errors).toEqual([]);
});

test('glass at the critical angle with distance 100', async ({ page }) => {
    const errors = await openPage(page);
    await page.click('#opSklo');
    await page.click('#opMezní');
    await page.click('#opMaláDistance');
    await expect(page.locator('#nIndex')).toHaveValue('1,5');
    await expect(page.locator('#nAlfa')).toHaveValue('41,839');
    await expect(page.locator('#nSklo')).toBeVisible();
    await expect(page.locator('#nDetektorH')).toHaveCSS('top', '306.667px');
    await runToEnd(page);
    // L 705.1 at x 5380, but 702.5 at x 4500 is a fifth of a pixel shorter: either may show
    // as the longest. H 85.7 at x 7660, its line 100 twips above the surface.
    const l = await longestBar(page, 'L', 6500, 280, 480);
    expect(Math.abs(l.length - 705.1 / 15)).toBeLessThanOrEqual(2.5);
    expect(Math.min(Math.abs(l.at - 5380 / 15), Math.abs(l.at - 4500 / 15))).toBeLessThanOrEqual(1.5);
    // H's bars stand on a plateau right of the probe line, within a tenth of a pixel of their
    // longest for hundreds of twips; only its length and side are read.
    const h = await longestBar(page, 'H', 4900, 490, 600);
    expect(Math.abs(h.length - 85.7 / 15)).toBeLessThanOrEqual(2.5);
    expect(h.at).toBeLessThanOrEqual(7660 / 15 + 1.5);
    const hLeft = await longestBar(page, 'H', 4900, 210, 480);
    expect(hLeft.length).toBeLessThan(h.length);
    expect(errors).toEqual([]);
});

const refusals: [string, string, string[]][] = [
    ['nIndex', 'abc', ['„Index lomu“', '„abc“', 'není číslo', '1,33']],
    ['nIndex', '0,2', ['0,2', '„Index lomu“', 'od 0,5 do 1000000']],
    ['nAlfa', 'abc', ['„Úhel dopadu“', '„abc“', 'není číslo', 'například 35,']],
    ['nAlfa', '1e7', ['„Úhel dopadu“', '1e7', 'od 0 do 90 stupňů']],
    ['nIndex', '1e7', ['„Index lomu“', '„1e7“', 'příliš velké', '1000000']],
    ['nAlfa', '-1e309', ['„Úhel dopadu“', '-1e309', 'od 0 do 90 stupňů']],
    ['nAlfa', '95', ['95', 'od 0 do 90 stupňů']],
];
for (const [field, text, words] of refusals) {
    test(`${field} holding ${text} is refused in the page's words`, async ({ page }) => {
        const errors = await openPage(page);
        await page.fill(`#${field}`, text);
        await page.click('#cmdStart');
        const dialog = page.locator('#dialog');
        await expect(dialog).toBeVisible();
        for (const word of words) await expect(dialog).toContainText(word);
        await expect(dialog).not.toContainText(/%\d/);
        await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'idle');
        await expect(page.locator('#brontel')).toHaveAttribute('data-steps', '0');
        await page.keyboard.press('Enter');
        await expect(dialog).toBeHidden();
        await expect(page.locator(`#${field}`)).toBeFocused();
        expect(errors).toEqual([]);
    });
}

// A field holds as many characters as on the desktop; a longer paste is cut there and a note
// beside the field says so, in the page's language, and the field goes on taking keys.
for (const [field, pasted, cut] of [['nAlfa', 1_000_000, true], ['nIndex', 1000, false]] as const) {
    test(`${pasted} characters pasted into ${field}${cut ? ' are cut, with a word' : ' fit'}`, async ({ page, context }) => {
        await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        const errors = await openPage(page);
        const input = page.locator(`#${field}`);
        await input.fill('');
        await page.evaluate((n) => navigator.clipboard.writeText('7'.repeat(n)), pasted);
        await input.focus();
        await page.keyboard.press('Control+V');
        await expect(input).toHaveJSProperty('value', '7'.repeat(1000));
        const note = page.locator(`#${field}Note`);
        if (cut) {
            await expect(note).toBeVisible();
            await expect(note).toContainText('nejvýše 1000 znaků');
        } else {
            await expect(note).toBeHidden();
        }
        await page.keyboard.press('Backspace');
        await expect(input).toHaveJSProperty('value', '7'.repeat(999));
        await page.click('#cmdStart');
        await expect(page.locator('#dialog')).toBeVisible();
        expect(errors).toEqual([]);
    });
}

test('P pauses, Right draws one step, P goes on, Esc stops; a click during the run acts after it', async ({ page }) => {
    const errors = await openPage(page);
    // A slow pace: the count 10001, a pause of about 10 ms between steps.
    await page.locator('#HScroll1').fill('100');
    await page.click('#cmdStart');
    const root = page.locator('#brontel');
    await expect(root).toHaveAttribute('aria-busy', 'true');
    await page.keyboard.press('p');
    await expect(root).toHaveAttribute('data-state', 'paused');
    const paused = Number(await root.getAttribute('data-steps'));
    await page.waitForTimeout(300);
    await expect(root).toHaveAttribute('data-steps', String(paused));
    await page.keyboard.press('ArrowRight');
    await expect(root).toHaveAttribute('data-steps', String(paused + 1));
    await page.click('#opSklo');
    await expect(page.locator('#nIndex')).toHaveValue('1,33');
    await expect(page.locator('#opVoda input')).toBeChecked();
    await expect(page.locator('#nVoda')).toBeVisible();
    await page.keyboard.press('p');
    await expect(root).toHaveAttribute('data-state', 'running');
    await expect.poll(async () => Number(await root.getAttribute('data-steps'))).toBeGreaterThan(paused + 3);
    await page.keyboard.press('Escape');
    await expect(root).toHaveAttribute('data-state', 'idle');
    await expect(root).toHaveAttribute('aria-busy', 'false');
    expect(Number(await root.getAttribute('data-steps'))).toBeLessThan(467);
    // The held click of Sklo now acts.
    await expect(page.locator('#nIndex')).toHaveValue('1,5');
    await expect(page.locator('#opSklo input')).toBeChecked();
    await expect(page.locator('#nSklo')).toBeVisible();
    expect(errors).toEqual([]);
});

// Input made during a run waits for its end and then acts in the order it was made: the angle
// typed before the click of Mezní is overwritten by the critical angle, one typed after it stays.
const heldInOrder: [string, string[], string, string][] = [
    ['typed, then Sklo and Mezní', ['type 50', 'opSklo', 'opMezní'], '41,839', 'opMezní'],
    ['Sklo and Mezní, then typed', ['opSklo', 'opMezní', 'type 50'], '50', 'opMezní'],
    ['Sklo, Mezní, then 60', ['opSklo', 'opMezní', 'opVětší'], '60', 'opVětší'],
];
for (const [title, actions, alfa, angleOption] of heldInOrder) {
    test(`input during a run acts after it, in order: ${title}`, async ({ page }) => {
        const errors = await openPage(page);
        await page.locator('#HScroll1').fill('100');
        await page.click('#cmdStart');
        const root = page.locator('#brontel');
        await page.keyboard.press('p');
        await expect(root).toHaveAttribute('data-state', 'paused');
        for (const action of actions) {
            if (action.startsWith('type ')) await page.fill('#nAlfa', action.slice(5));
            else await page.click(`#${action}`);
        }
        // Nothing has acted yet: the options and the tags are the run's.
        await expect(page.locator('#opVoda input')).toBeChecked();
        await expect(page.locator('#opMenší input')).toBeChecked();
        await expect(page.locator('#nVoda')).toBeVisible();
        await page.locator('#nAlfa').blur();
        await page.keyboard.press('Escape');
        await expect(root).toHaveAttribute('data-state', 'idle');
        await expect(page.locator('#nIndex')).toHaveValue('1,5');
        await expect(page.locator('#nAlfa')).toHaveValue(alfa);
        await expect(page.locator(`#${angleOption} input`)).toBeChecked();
        await expect(page.locator('#nSklo')).toBeVisible();
        expect(errors).toEqual([]);
    });
}

test('Konec during a run stops it and says so; what was held is dropped with it', async ({ page }) => {
    const errors = await openPage(page);
    await page.locator('#HScroll1').fill('100');
    await page.click('#cmdStart');
    const root = page.locator('#brontel');
    await expect(root).toHaveAttribute('aria-busy', 'true');
    await page.click('#opSklo');
    await page.click('#cmdKonec');
    await expect(root).toHaveAttribute('data-state', 'idle');
    expect(Number(await root.getAttribute('data-steps'))).toBeLessThan(467);
    await expect(page.locator('#dialog')).toContainText('Pokus je ukončen');
    await expect(page.locator('#nIndex')).toHaveValue('1,33');
    await expect(page.locator('#opVoda input')).toBeChecked();
    expect(errors).toEqual([]);
});

test('the language switch turns the window English and is remembered', async ({ page }) => {
    const errors = await openPage(page);
    await page.click('#menuButton');
    await page.getByRole('menuitemradio', { name: 'English' }).click();
    await expect(page.locator('html')).toHaveAttribute('lang', 'en');
    await expect(page.locator('#cmdKonec')).toHaveText('Quit');
    await expect(page.locator('#nTextIndex')).toHaveText('Refr. index');
    await expect(page.locator('#labKlepnete')).toHaveText('Click the Start button');
    await expect(page.locator('#nIndex')).toHaveValue('1.33');
    await expect(page.getByRole('textbox', { name: 'Refractive index' })).toBeVisible();
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await expect(page.locator('#cmdKonec')).toHaveText('Quit');
    await page.fill('#nIndex', 'x');
    await page.click('#cmdStart');
    await expect(page.locator('#dialog')).toContainText('is not a number');
    expect(errors).toEqual([]);
});

test('the CSV download carries the worked values in the desktop\'s thirteen columns', async ({ page }) => {
    const errors = await openPage(page);
    await runToEnd(page);
    await page.click('#menuButton');
    const downloading = page.waitForEvent('download');
    await page.getByRole('menuitem', { name: 'Uložit křivky jako CSV…' }).click();
    const file = await (await downloading).path();
    const rows = readFileSync(file, 'utf8').split('\r\n').filter((r) => r !== '').map((r) => r.split(','));
    expect(rows[0]).toEqual(['step', 'y_twips', 'x_twips', 'v_amplitude_squared', 'h_amplitude_squared',
        'l_amplitude_squared', 'v_bar_twips', 'h_bar_twips', 'l_bar_twips', 'substance', 'index',
        'angle_degrees', 'distance_twips']);
    expect(rows.length).toBe(468);
    const longest = (column: number) => rows.slice(1).reduce((a, b) => (Number(b[column]) > Number(a[column]) ? b : a));
    const v = longest(6);
    expect([Math.round(Number(v[6]) * 10) / 10, Number(v[1])]).toEqual([1694.7, 1565]);
    const h = longest(7);
    expect([Math.round(Number(h[7]) * 10) / 10, Number(h[2])]).toEqual([1451.2, 4050]);
    const l = longest(8);
    expect([Math.round(Number(l[8]) * 10) / 10, Number(l[2])]).toEqual([832.3, 5090]);
    expect(rows[1].slice(9)).toEqual(['water', '1.33', '35', '750']);
    expect(errors).toEqual([]);
});

test('help, pictures and the keyboard leave no console error', async ({ page }) => {
    const errors = await openPage(page);
    await page.keyboard.press('F1');
    await expect(page.locator('#dialog')).toContainText('Brontel');
    await expect(page.locator('#dialog .pageNote')).toContainText('V prohlížeči');
    expect(await page.locator('#dialog').evaluate((d) => d.scrollTop)).toBe(0);
    await expect(page.locator('#dialog img')).toHaveAttribute('src', /^data:image\/png/);
    await page.keyboard.press('Escape');
    await page.click('#menuButton');
    const downloading = page.waitForEvent('download');
    await page.getByRole('menuitem', { name: /PNG.*2×/ }).click();
    expect((await downloading).suggestedFilename()).toBe('brontel-2x.png');
    // Tab goes from Start to the angle field, as in the design.
    await page.focus('#cmdStart');
    await page.keyboard.press('Tab');
    await expect(page.locator('#nAlfa')).toBeFocused();
    expect(errors).toEqual([]);
});

test('the embedded serif face loads and has the glyphs of the captions', async ({ page }) => {
    const errors = await openPage(page);
    const faces = await page.evaluate(async () => {
        const loaded = await document.fonts.load('bold 16px "Brontel Serif"', 'Úhel dopadu Pravděpodobnost');
        return loaded.map((f) => `${f.family} ${f.status}`);
    });
    expect(faces).toEqual(['Brontel Serif loaded']);
    expect(await page.evaluate(() => document.fonts.check('bold 16px "Brontel Serif"', 'Cornuovy spirály „“…'))).toBe(true);
    expect(errors).toEqual([]);
});
