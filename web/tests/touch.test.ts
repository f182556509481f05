// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page under a finger, at a phone held upright and a tablet held wide: a run started, paused,
// stepped and stopped by taps alone; a tap on an option's word selects that option; every target
// big enough to hit.
import { type Page, expect, test } from '@playwright/test';
import { openPage } from './Brontel';

const sizes = [
    { name: 'phone upright', viewport: { width: 390, height: 844 }, deviceScaleFactor: 3 },
    { name: 'small phone upright', viewport: { width: 320, height: 568 }, deviceScaleFactor: 2 },
    { name: 'phone wide', viewport: { width: 844, height: 390 }, deviceScaleFactor: 3 },
    { name: 'tablet', viewport: { width: 1024, height: 768 }, deviceScaleFactor: 2 },
];

const steps = (page: Page) => page.locator('#brontel').getAttribute('data-steps').then(Number);
const state = (page: Page) => page.locator('#brontel');

for (const size of sizes) {
    test.describe(size.name, () => {
        test.use({ viewport: size.viewport, deviceScaleFactor: size.deviceScaleFactor, hasTouch: true, isMobile: true });

        test('a run is started, paused, stepped, resumed and stopped by taps alone', async ({ page }) => {
            const errors = await openPage(page);
            // The slowest pace: a tap at the right end of the pace bar.
            const pace = page.locator('#HScroll1');
            const box = (await pace.boundingBox())!;
            await pace.tap({ position: { x: box.width - 2, y: box.height / 2 } });
            expect(await page.evaluate(() => (globalThis as any).brontel.page.core.scrollValue())).toBeGreaterThan(900);
            await expect(page.locator('#barStep')).toBeDisabled();
            await page.locator('#barStart').tap();
            await expect(state(page)).toHaveAttribute('data-state', 'running');
            await expect(page.locator('#barStart')).toBeDisabled();
            await expect(page.locator('#barStep')).toBeDisabled(); // the Right arrow steps only a paused run
            await expect.poll(() => steps(page)).toBeGreaterThan(2);
            await page.locator('#barPause').tap();
            await expect(state(page)).toHaveAttribute('data-state', 'paused');
            const paused = await steps(page);
            await expect(page.locator('#progress')).toHaveText(`Pozastaveno · krok ${paused} / 467`);
            await expect(page.locator('#progressSaid')).toContainText('Pozastaveno');
            await expect(page.locator('#barPause')).toHaveText('Pokračovat');
            for (const n of [1, 2]) {
                await page.locator('#barStep').tap();
                await expect(state(page)).toHaveAttribute('data-steps', String(paused + n));
            }
            await expect(state(page)).toHaveAttribute('data-state', 'paused');
            await page.locator('#barPause').tap();
            await expect(state(page)).toHaveAttribute('data-state', 'running');
            await expect.poll(() => steps(page)).toBeGreaterThan(paused + 2);
            await page.locator('#barStop').tap();
            await expect(state(page)).toHaveAttribute('data-state', 'idle');
            const stopped = await steps(page);
            expect(stopped).toBeLessThan(467);
            await expect(page.locator('#progress')).toHaveText(`krok ${stopped} / 467`);
            await expect(page.locator('#barStart')).toBeEnabled();
            expect(errors).toEqual([]);
        });

        test("a tap on an option's word selects that option", async ({ page }) => {
            const errors = await openPage(page);
            const options = await page.locator('.option').evaluateAll((all) => all
                .filter((e) => e.getClientRects().length > 0)
                .map((e) => ({ name: e.id, frame: (e.querySelector('input') as HTMLInputElement).name })));
            expect(options.length).toBeGreaterThanOrEqual(8);
            for (const { name, frame } of options) {
                await page.locator(`[id="${name}"] span`).tap();
                expect(await page.evaluate((f) => (globalThis as any).brontel.page.core.selectedOption(f), frame), name).toBe(name);
                await expect(page.locator(`[id="${name}"] input`)).toBeChecked();
            }
            expect(errors).toEqual([]);
        });

        test('every target is at least 24 × 24 CSS pixels, the run bar 44 × 44', async ({ page }) => {
            const errors = await openPage(page);
            const small = async () => page.evaluate(() => {
                const targets = [...document.querySelectorAll<HTMLElement>(
                    'button, input[type="text"], input[type="range"], label.option, [role^="menuitem"]')]
                    .filter((e) => e.checkVisibility({ visibilityProperty: true }));
                return targets.map((e) => {
                    const r = e.getBoundingClientRect();
                    const least = e.closest('#runBar') ? 44 : 24;
                    return { id: e.id || e.textContent, width: r.width, height: r.height, least };
                }).filter((t) => t.width < t.least - 0.01 || t.height < t.least - 0.01);
            });
            expect(await small()).toEqual([]);
            // The run bar's words stay inside their buttons, however narrow the phone.
            const spilling = await page.evaluate(() => [...document.querySelectorAll<HTMLElement>('#runBar .word')]
                .filter((word) => {
                    const [w, b] = [word.getBoundingClientRect(), (word.parentElement as HTMLElement).getBoundingClientRect()];
                    return w.left < b.left || w.right > b.right;
                }).map((word) => word.textContent));
            expect(spilling).toEqual([]);
            await page.locator('#menuButton').tap();
            await expect(page.locator('#menu')).toBeVisible();
            expect(await small()).toEqual([]);
            expect(errors).toEqual([]);
        });
    });
}
