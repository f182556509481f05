// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page at its edges: a browser that cannot run it, and text no keyboard should give.
import { expect, test } from '@playwright/test';
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
