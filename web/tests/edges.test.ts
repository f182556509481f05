// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page at its edges: a browser that cannot run it, and text no keyboard should give.
import { type Page, expect, test } from '@playwright/test';
import { openPage, singleFile } from './Brontel';

test('without WebAssembly the page says what the browser lacks', async ({ page }) => {
    await page.addInitScript(() => {
        Reflect.deleteProperty(globalThis, 'WebAssembly');
    });
    await page.goto(singleFile);
    const message = page.locator('#startFailure');
    await expect(message).toBeVisible();
    await expect(message).toContainText('WebAssembly');
});

for (const [name, typed, shown] of [
    ['a lone high surrogate', '1\uD800', '1\uFFFD'],
    ['a lone low surrogate', '\uDC00x', '\uFFFDx'],
    ['a whole pair', 'x\uD83D\uDE00', 'x\uD83D\uDE00'],
]) {
    test(`the refusal of ${name} shows what was typed`, async ({ page }) => {
        const errors = await openPage(page);
        // Set in the page itself: the test's own channel to the browser would mend the text first.
        await page.evaluate((codes) => {
            const input = document.getElementById('nIndex') as HTMLInputElement;
            input.value = String.fromCharCode(...codes);
            input.dispatchEvent(new Event('input'));
        }, [...typed].flatMap((c) => [...Array(c.length).keys()].map((i) => c.charCodeAt(i))));
        await page.click('#cmdStart');
        const said = await page.evaluate(() => [...(document.getElementById('dialogText')?.textContent ?? '')]
            .map((c) => c.codePointAt(0) ?? 0));
        const wanted = [...shown].map((c) => c.codePointAt(0) ?? 0);
        const at = said.findIndex((_, i) => wanted.every((w, j) => said[i + j] === w));
        expect(at, `"${String.fromCodePoint(...said)}" quotes ${JSON.stringify(shown)}`).toBeGreaterThanOrEqual(0);
        expect(said).not.toContain(0x10000);
        expect(errors).toEqual([]);
    });
}

for (const [name, open] of [
    ['the help', async (page: Page) => page.keyboard.press('F1')],
    ['a refusal', async (page: Page) => {
        await page.fill('#nIndex', 'x');
        await page.click('#cmdStart');
    }],
] as [string, (page: Page) => Promise<void>][]) {
    test(`Tab and Shift+Tab stay in ${name} and Space there starts no run`, async ({ page }) => {
        const errors = await openPage(page);
        await open(page);
        await expect(page.locator('#dialog')).toBeVisible();
        for (const key of ['Tab', 'Tab', 'Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Tab']) {
            await page.keyboard.press(key);
            expect(await page.evaluate(() => document.getElementById('dialog')?.contains(document.activeElement)), key).toBe(true);
        }
        await page.keyboard.press('Space');
        await expect(page.locator('#brontel')).toHaveAttribute('data-steps', '0');
        expect(errors).toEqual([]);
    });
}

test('the menu walks with the arrow keys, Home and End, and Esc gives the focus back to ☰', async ({ page }) => {
    const errors = await openPage(page);
    await page.click('#menuButton');
    const focusedItem = () => page.evaluate(() => [...document.querySelectorAll('#menu [role^="menuitem"]')]
        .indexOf(document.activeElement as Element));
    const count = await page.locator('#menu [role^="menuitem"]').count();
    expect(await focusedItem()).toBe(0);
    for (const [key, index] of [['ArrowDown', 1], ['ArrowDown', 2], ['ArrowUp', 1], ['End', count - 1],
        ['ArrowDown', 0], ['ArrowUp', count - 1], ['Home', 0]] as [string, number][]) {
        await page.keyboard.press(key);
        expect(await focusedItem(), key).toBe(index);
    }
    await page.keyboard.press('Escape');
    await expect(page.locator('#menu')).toBeHidden();
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('menuButton');
    expect(errors).toEqual([]);
});
