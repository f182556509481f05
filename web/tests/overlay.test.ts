// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching overlay in the page: off by default, switched from the picture's menu, in both
// languages, remembered, in the downloaded pictures when on, and never over the control panel.
import { type Page, expect, test } from '@playwright/test';
import { readFileSync } from 'node:fs';
import { openPage, runToEnd } from './Brontel';

// Pixels of the overlay's canvas that carry any ink, within a box of design pixels (the whole
// window when none is given).
async function inkedPixels(page: Page, box?: [number, number, number, number]): Promise<number> {
    return page.evaluate((box) => {
        const canvas = document.getElementById('overlay') as HTMLCanvasElement;
        const scale = canvas.width / 763;
        const [left, top, width, height] = (box ?? [0, 0, 763, 575]).map((v) => Math.round(v * scale));
        const w = Math.max(1, Math.min(width, canvas.width - left));
        const h = Math.max(1, Math.min(height, canvas.height - top));
        const data = (canvas.getContext('2d') as CanvasRenderingContext2D).getImageData(left, top, w, h).data;
        let inked = 0;
        for (let i = 3; i < data.length; i += 4) if (data[i] !== 0) ++inked;
        return inked;
    }, box);
}

async function switchFromPicture(page: Page): Promise<void> {
    await page.click('#picture', { button: 'right', position: { x: 600, y: 300 } });
    await page.locator('#overlayItem').click();
}

async function downloaded(page: Page, name: RegExp): Promise<Buffer> {
    await page.click('#menuButton');
    const downloading = page.waitForEvent('download');
    await page.getByRole('menuitem', { name }).click();
    return readFileSync(await (await downloading).path());
}

test('the overlay is off by default, and the picture\'s menu says so', async ({ page }) => {
    const errors = await openPage(page);
    await expect(page.locator('#brontel')).toHaveAttribute('data-overlay', 'off');
    expect(await inkedPixels(page)).toBe(0);
    await page.click('#picture', { button: 'right', position: { x: 600, y: 300 } });
    await expect(page.getByRole('menuitemcheckbox', { name: /Výukové popisky v obrázku/ }))
        .toHaveAttribute('aria-checked', 'false');
    expect(errors).toEqual([]);
});

const explanations = [
    { language: 'Čeština', words: ['V: sonda skrz hladinu', 'H: ve vzduchu, 750 twipů nad hladinou', 'L: v látce', 'θc = 48,75°', 'Rychlost'] },
    { language: 'English', words: ['V: probe through the surface', 'H: in the air, 750 twips above', 'L: in the substance', 'θc = 48.75°', 'Speed'] },
];

for (const { language, words } of explanations) {
    test(`switched on from the picture, the overlay explains V, H and L (${language})`, async ({ page }) => {
        const errors = await openPage(page);
        await page.click('#menuButton');
        await page.getByRole('menuitemradio', { name: language }).click();
        await switchFromPicture(page);
        await expect(page.locator('#brontel')).toHaveAttribute('data-overlay', 'on');
        const shown = page.locator('#overlayWords');
        for (const w of words) await expect(shown).toContainText(w);
        // Drawn: the normal through the lit stretch, the arcs, the words on their grounds.
        expect(await inkedPixels(page)).toBeGreaterThan(5000);
        expect(errors).toEqual([]);
    });
}

test('the overlay follows the settings and the language', async ({ page }) => {
    const errors = await openPage(page);
    await switchFromPicture(page);
    await page.click('#opSklo');
    await expect(page.locator('#overlayWords')).toContainText('θc = 41,81°');
    const czech = await page.locator('#overlay').screenshot();
    await page.click('#menuButton');
    await page.getByRole('menuitemradio', { name: 'English' }).click();
    await expect(page.locator('#overlayWords')).toContainText('L: in the substance');
    expect((await page.locator('#overlay').screenshot()).equals(czech)).toBe(false);
    expect(errors).toEqual([]);
});

test('the overlay is remembered after a reload, and off again when switched off', async ({ page }) => {
    const errors = await openPage(page);
    await switchFromPicture(page);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await expect(page.locator('#brontel')).toHaveAttribute('data-overlay', 'on');
    expect(await inkedPixels(page)).toBeGreaterThan(5000);
    await page.click('#menuButton');
    await expect(page.locator('#overlayItem')).toHaveAttribute('aria-checked', 'true');
    await page.locator('#overlayItem').click();
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await expect(page.locator('#brontel')).toHaveAttribute('data-overlay', 'off');
    expect(await inkedPixels(page)).toBe(0);
    expect(errors).toEqual([]);
});

test('downloaded pictures carry the overlay when it is on, and only then', async ({ page }) => {
    const errors = await openPage(page);
    await runToEnd(page);
    const pngOff = await downloaded(page, /PNG.*1×/);
    const svgOff = (await downloaded(page, /SVG/)).toString('utf8');
    await switchFromPicture(page);
    const pngOn = await downloaded(page, /PNG.*1×/);
    const svgOn = (await downloaded(page, /SVG/)).toString('utf8');
    expect(pngOn.equals(pngOff)).toBe(false);
    expect(svgOff).not.toContain('teachingOverlay');
    expect(svgOn).toContain('teachingOverlay');
    expect(svgOn).toContain('V: sonda skrz hladinu');
    // The pace's caption belongs to the window's controls, which a picture has not.
    expect(svgOn).not.toContain('Rychlost');
    expect(errors).toEqual([]);
});

// The controls of the panel in design pixels, as the page has placed them.
async function panelBoxes(page: Page): Promise<[string, [number, number, number, number]][]> {
    return page.evaluate(() => {
        const root = document.getElementById('brontel') as HTMLElement;
        const origin = root.getBoundingClientRect();
        const factor = Number(root.dataset.factor);
        return ['cmdStart', 'cmdKonec', 'HScroll1', 'nIndex', 'nAlfa', 'nTextIndex', 'frmLátka',
            'frmDopad', 'frmDistance', 'menuButton'].map((id) => {
            const r = (document.getElementById(id) as HTMLElement).getBoundingClientRect();
            return [id, [(r.left - origin.left) / factor, (r.top - origin.top) / factor,
                r.width / factor, r.height / factor]] as [string, [number, number, number, number]];
        });
    });
}

for (const viewport of [{ width: 763, height: 575 }, { width: 1920, height: 1080 }]) {
    test(`nothing of the overlay lies over the control panel at ${viewport.width} × ${viewport.height}`, async ({ page }) => {
        await page.setViewportSize(viewport);
        const errors = await openPage(page);
        await switchFromPicture(page);
        for (const language of ['Čeština', 'English']) {
            await page.click('#menuButton');
            await page.getByRole('menuitemradio', { name: language }).click();
            for (const substance of ['#opVoda', '#opSklo']) {
                for (const angle of ['#opMenší', '#opMezní', '#opVětší']) {
                    for (const distance of ['#opMaláDistance', '#opStředníDistance', '#opVelkáDistance']) {
                        for (const option of [substance, angle, distance]) await page.click(option);
                        const where = `${language} ${substance} ${angle} ${distance}`;
                        expect(await inkedPixels(page), where).toBeGreaterThan(5000);
                        // The scene begins right of the panel's frames, at 2640 twips.
                        expect(await inkedPixels(page, [0, 0, 2640 / 15 - 1, 575]), where).toBe(0);
                        for (const [id, box] of await panelBoxes(page)) {
                            expect(await inkedPixels(page, box), `${where} over ${id}`).toBe(0);
                        }
                    }
                }
            }
        }
        expect(errors).toEqual([]);
    });
}

test('the help says what classical optics predicts for the settings the picture shows', async ({ page }) => {
    const errors = await openPage(page);
    await page.keyboard.press('F1');
    const theory = page.locator('#helpTheory');
    await expect(theory).toContainText('Snellův zákon: lom β = 49,69°');
    await page.keyboard.press('Escape');
    await page.click('#opSklo');
    await page.click('#opVětší');
    await page.click('#menuButton');
    await page.getByRole('menuitemradio', { name: 'English' }).click();
    await page.keyboard.press('F1');
    await expect(theory).toContainText('θc = 41.81°');
    await expect(theory).toContainText('total internal reflection');
    expect(errors).toEqual([]);
});
