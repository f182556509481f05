// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page checked by axe against WCAG 2.1 A and AA in each of its states and both languages;
// every control used from the keyboard alone; the decimal comma whole in the fields at every
// device scale.
import AxeBuilder from '@axe-core/playwright';
import { type Page, expect, test } from '@playwright/test';
import { openPage } from './Brontel';

async function violations(page: Page): Promise<string[]> {
    const result = await new AxeBuilder({ page }).withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']).analyze();
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

const states: [string, (page: Page) => Promise<void>][] = [
    ['at rest', async () => undefined],
    ['during a run, paused', async (page) => {
        await page.evaluate(() => (globalThis as any).brontel.page.core.scroll(1000));
        await page.click('#barStart');
        await page.click('#barPause');
        await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'paused');
    }],
    ['with the menu open', async (page) => {
        await page.click('#menuButton');
        await expect(page.locator('#menu')).toBeVisible();
    }],
    ['with a message open', async (page) => {
        await page.fill('#nIndex', 'x');
        await page.click('#barStart');
        await expect(page.locator('#dialog')).toBeVisible();
    }],
    ['with the help open', async (page) => {
        await page.keyboard.press('F1');
        await expect(page.locator('#helpTheory')).toBeVisible();
    }],
];

const sizes = [
    { name: 'beside the bar', viewport: { width: 1280, height: 720 }, hasTouch: false },
    { name: 'phone upright', viewport: { width: 390, height: 844 }, hasTouch: true },
];

for (const size of sizes) {
    test.describe(size.name, () => {
        test.use({ viewport: size.viewport, hasTouch: size.hasTouch });
        for (const language of ['cs', 'en']) {
            test(`axe finds nothing against WCAG 2.1 A and AA, ${language}`, async ({ page }) => {
                test.setTimeout(240000); // five states, each read through by axe
                await page.addInitScript((l) => localStorage.setItem('brontel.language', l), language);
                const errors = await openPage(page);
                for (const [name, reach] of states) {
                    await page.reload();
                    await page.waitForSelector('body[data-ready="true"]');
                    await reach(page);
                    expect(await violations(page), name).toEqual([]);
                }
                expect(errors).toEqual([]);
            });
        }
    });
}

test.describe('keyboard alone', () => {
    test.use({ viewport: { width: 1280, height: 720 } });

    test('Tab reaches every control, and the run bar works from the keyboard', async ({ page }) => {
        const errors = await openPage(page);
        const reached = new Set<string>();
        for (let i = 0; i < 40; ++i) {
            await page.keyboard.press('Tab');
            reached.add(await page.evaluate(() => {
                const e = document.activeElement as HTMLInputElement | null;
                return e?.id || e?.value || '';
            }));
        }
        const controls = await page.evaluate(() => [...document.querySelectorAll<HTMLElement>('button, input')]
            .filter((e) => e.checkVisibility() && !(e as HTMLButtonElement).disabled)
            // One radio of a group takes the focus; the arrows move within it.
            .filter((e) => !(e instanceof HTMLInputElement && e.type === 'radio' && !e.checked))
            .map((e) => e.id || (e instanceof HTMLInputElement ? e.value : '')));
        for (const id of controls) expect(reached, id).toContain(id);
        // An option chosen with the arrow keys.
        await page.focus('#opVoda input');
        await page.keyboard.press('ArrowDown');
        expect(await page.evaluate(() => (globalThis as any).brontel.page.core.selectedOption('frmLátka'))).toBe('opSklo');
        // The run bar: Enter on each of its buttons.
        await page.evaluate(() => (globalThis as any).brontel.page.core.scroll(1000));
        await page.focus('#barStart');
        await page.keyboard.press('Enter');
        await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'running');
        await page.focus('#barPause');
        await page.keyboard.press('Enter');
        await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'paused');
        const paused = Number(await page.locator('#brontel').getAttribute('data-steps'));
        await page.focus('#barStep');
        await page.keyboard.press('Enter');
        await expect(page.locator('#brontel')).toHaveAttribute('data-steps', String(paused + 1));
        await page.focus('#barStop');
        await page.keyboard.press('Enter');
        await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'idle');
        expect(errors).toEqual([]);
    });
});

for (const scale of [1, 1.5, 2]) {
    test.describe(`device scale ${scale}`, () => {
        test.use({ deviceScaleFactor: scale });

        // A clipped comma looks like a point: the field showing "1,33" must hold more ink than
        // the same field showing "1.33", the comma's tail.
        test('the fields show a decimal comma whole', async ({ page }) => {
            const errors = await openPage(page);
            const ink = async () => page.evaluate(async (png) => {
                const image = new Image();
                image.src = `data:image/png;base64,${png}`;
                await image.decode();
                const canvas = document.createElement('canvas');
                [canvas.width, canvas.height] = [image.width, image.height];
                const context = canvas.getContext('2d') as CanvasRenderingContext2D;
                context.drawImage(image, 0, 0);
                const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
                let dark = 0;
                for (let i = 0; i < data.length; i += 4) dark += data[i] + data[i + 1] + data[i + 2] < 300 ? 1 : 0;
                return dark;
            }, (await page.locator('#nIndex').screenshot()).toString('base64'));
            await expect(page.locator('#nIndex')).toHaveValue('1,33');
            const comma = await ink();
            await page.evaluate(() => {
                (document.getElementById('nIndex') as HTMLInputElement).value = '1.33';
            });
            const point = await ink();
            expect(comma - point).toBeGreaterThanOrEqual(2 * scale * scale);
            expect(errors).toEqual([]);
        });
    });
}
