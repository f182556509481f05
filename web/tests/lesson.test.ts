// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's tools in the page: runs kept with K and the menu and compared on one scale (the
// table against each run's own CSV divided by its arrow length squared, and against the desktop's
// table of the same runs), a prediction sketched by touch kept through a run and in the saved
// picture only when asked, the worksheet printed in both languages on at most two A4 pages.
import { type Download, type Page, expect, test } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { openPage, runToEnd } from './Brontel';

// Screenshots for looking at, when asked for: BRONTEL_SHOTS=<folder>.
async function shot(page: Page, selector: string, name: string): Promise<void> {
    const folder = process.env.BRONTEL_SHOTS;
    if (!folder) return;
    mkdirSync(folder, { recursive: true });
    await page.locator(selector).screenshot({ path: `${folder}/${name}.png` });
}

async function bytesOf(download: Promise<Download>): Promise<Buffer> {
    const path = await (await download).path();
    return readFileSync(path);
}

async function menuItem(page: Page, id: string): Promise<void> {
    await page.click('#menuButton');
    await page.click(`#${id}`);
}

function table(csv: string): { header: string[]; rows: number[][]; text: string[][] } {
    const lines = csv.trim().split('\r\n').map((l) => l.split(','));
    return { header: lines[0], rows: lines.slice(1).map((l) => l.map(Number)), text: lines.slice(1) };
}

test('water and glass at 35°/750 kept and charted on one scale; the table is each run per unit arrow, as the desktop writes it', async ({ page }, testInfo) => {
    test.setTimeout(120000);
    const errors = await openPage(page);
    const root = page.locator('#brontel');
    const comparison = page.locator('#comparison');
    // K keeps only a run that went to its end: a stopped one is not kept.
    await page.locator('#HScroll1').fill('100');
    await page.click('#cmdStart');
    await expect.poll(async () => Number(await root.getAttribute('data-steps'))).toBeGreaterThan(3);
    await page.keyboard.press('Escape');
    await expect(root).toHaveAttribute('data-state', 'idle');
    await page.keyboard.press('k');
    await expect(comparison).toBeHidden();
    await page.click('#menuButton');
    await expect(page.locator('#keepRunItem')).toBeDisabled();
    await page.keyboard.press('Escape');
    await page.locator('#HScroll1').fill('0');

    const runCsv: string[] = [];
    await runToEnd(page);
    runCsv.push(await page.evaluate(() => (globalThis as any).brontel.page.core.csv() as string));
    await page.keyboard.press('k');
    await expect(comparison).toBeVisible();
    await expect(comparison).toHaveAttribute('data-runs', '1');
    await page.keyboard.press('Escape');
    await expect(comparison).toBeHidden();

    await page.click('#opSklo');
    await runToEnd(page);
    runCsv.push(await page.evaluate(() => (globalThis as any).brontel.page.core.csv() as string));
    await menuItem(page, 'keepRunItem');
    await expect(comparison).toHaveAttribute('data-runs', '2');
    const rows = page.locator('#comparisonRuns li');
    await expect(rows).toHaveText([/^Voda, n = 1,33, úhel 35°, H ve výšce 750 twipů/, /^Sklo, n = 1,5, úhel 35°, H ve výšce 750 twipů/]);
    // The same run again is kept once.
    await page.keyboard.press('Escape');
    await page.keyboard.press('k');
    await expect(comparison).toHaveAttribute('data-runs', '2');
    await shot(page, '#comparison', 'comparison-linear');
    await page.getByLabel('logaritmická').check();
    await expect(comparison).toHaveAttribute('data-scale', 'logarithmic');
    await shot(page, '#comparison', 'comparison-log');

    // The table: per run and step the run's own squared resultants over its arrow length squared.
    const tableDownload = page.waitForEvent('download');
    await page.click('#comparisonSaveTable');
    const comparisonCsv = (await bytesOf(tableDownload)).toString('utf8');
    const compared = table(comparisonCsv);
    expect(compared.header).toEqual(['run', 'substance', 'index', 'angle_degrees', 'distance_twips', 'step', 'y_twips',
        'x_twips', 'arrow_length_vh', 'arrow_length_l', 'v_per_unit_arrow', 'h_per_unit_arrow', 'l_per_unit_arrow']);
    expect(compared.rows.length).toBe(2 * 467);
    const column = (header: string[], name: string) => header.indexOf(name);
    runCsv.forEach((own, r) => {
        const run = table(own);
        const mine = compared.rows.filter((row) => row[0] === r + 1);
        expect(mine.length).toBe(run.rows.length);
        expect(compared.text.find((row) => row[0] === String(r + 1))?.[1]).toBe(r === 0 ? 'water' : 'glass');
        mine.forEach((row, k) => {
            const [vh, l] = [row[8], row[9]];
            // At 35° the arrows of V and H are 3 twips long, L's 6.
            expect([vh, l]).toEqual([3, 6]);
            for (const [detector, length] of [['v', vh], ['h', vh], ['l', l]] as [string, number][]) {
                const squared = run.rows[k][column(run.header, `${detector}_amplitude_squared`)];
                expect(row[column(compared.header, `${detector}_per_unit_arrow`)]).toBe(squared / (length * length));
            }
            expect(row[6]).toBe(run.rows[k][column(run.header, 'y_twips')]);
        });
    });
    const desktop = process.env.BRONTEL_COMPARISON_CSV;
    if (desktop) {
        // The desktop's table of these runs' saved curves, byte for byte.
        const saved = runCsv.map((csv, r) => {
            const path = testInfo.outputPath(`run${r + 1}.csv`);
            writeFileSync(path, csv);
            return path;
        });
        const args = ['water', '35', '750', saved[0], 'glass', '35', '750', saved[1]];
        expect(comparisonCsv).toBe(execFileSync(desktop, args).toString('utf8'));
        // And of the desktop's own runs: the same rows, columns and settings, the numbers but
        // for the last bits of the sums, which WebAssembly adds in another order.
        const theirs = table(execFileSync(desktop, ['water', '35', '750', 'glass', '35', '750']).toString('utf8'));
        expect(theirs.text.map((row) => row.slice(0, 10))).toEqual(compared.text.map((row) => row.slice(0, 10)));
        for (let c = 10; c < compared.header.length; ++c) {
            const largest = Math.max(...theirs.rows.map((row) => Math.abs(row[c])));
            const most = Math.max(...theirs.rows.map((row, k) => Math.abs(row[c] - compared.rows[k][c])));
            expect(most).toBeLessThanOrEqual(largest * 1e-12);
        }
    }

    // The chart as PNG: the chart's size at twice the design's pixels.
    const pngDownload = page.waitForEvent('download');
    await page.click('#comparisonSavePicture');
    const png = await bytesOf(pngDownload);
    expect(png.subarray(1, 4).toString()).toBe('PNG');
    expect([png.readUInt32BE(16), png.readUInt32BE(20)]).toEqual([1344, 1248]);

    // A run dropped leaves the other.
    await page.locator('.comparisonDrop').first().click();
    await expect(comparison).toHaveAttribute('data-runs', '1');
    await expect(rows).toHaveText([/^Sklo/]);
    expect(errors).toEqual([]);
});

// The sketch's violet (0x00B00080) among the pixels of a PNG, decoded by the browser.
async function violetPixels(page: Page, png: Buffer): Promise<number> {
    return page.evaluate(async (base64) => {
        const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
        const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
        const canvas = document.createElement('canvas');
        [canvas.width, canvas.height] = [bitmap.width, bitmap.height];
        const context = canvas.getContext('2d')!;
        context.drawImage(bitmap, 0, 0);
        const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
        let count = 0;
        for (let i = 0; i < data.length; i += 4) {
            if (data[i] > 80 && data[i] < 190 && data[i + 1] < 70 && data[i + 2] > 120) ++count;
        }
        return count;
    }, png.toString('base64'));
}

test.describe('on a touch screen', () => {
    // A tablet: the window with the run's bar beside it.
    test.use({ hasTouch: true, viewport: { width: 1024, height: 768 } });

    test('a prediction sketched by finger stays over the run and goes into the saved picture only when asked', async ({ page }) => {
        test.setTimeout(120000);
        const errors = await openPage(page);
        const root = page.locator('#brontel');
        const layer = page.locator('#prediction');
        await page.tap('#menuButton');
        await page.tap('#predictionItem');
        await expect(page.locator('#sketchPad')).toBeVisible();
        // A stroke along where H's curve may go, and a tap for a point of V's.
        const touch = await page.context().newCDPSession(page);
        const finger = (type: string, x = 0, y = 0) => touch.send('Input.dispatchTouchEvent',
            { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
        // Places as shares of the pad, which is the window's scene at whatever factor it is shown.
        const pad = (await page.locator('#sketchPad').boundingBox())!;
        const at = (x: number, y: number): [number, number] => [pad.x + pad.width * x, pad.y + pad.height * y];
        await finger('touchStart', ...at(0.126, 0.262));
        for (let k = 1; k <= 10; ++k) await finger('touchMove', ...at(0.126 + 0.034 * k, 0.262 - 0.006 * k));
        await finger('touchEnd');
        await page.tap('#sketchPad', { position: { x: pad.width * 0.21, y: pad.height * 0.79 } });
        await expect(layer).toHaveAttribute('data-strokes', '2');
        const before = await violetPixels(page, await page.screenshot());
        expect(before).toBeGreaterThan(100);

        // The run ends the sketching; the sketch stays on the screen through it and after it.
        await page.locator('#HScroll1').fill('60');
        await page.tap('#cmdStart');
        await expect(page.locator('#sketchPad')).toBeHidden();
        await expect.poll(async () => Number(await root.getAttribute('data-steps'))).toBeGreaterThan(150);
        expect(await violetPixels(page, await page.screenshot())).toBeGreaterThan(before * 0.9);
        await expect(root).toHaveAttribute('data-state', 'idle', { timeout: 60000 });
        await expect(root).toHaveAttribute('data-steps', '467');
        expect(await violetPixels(page, await page.screenshot())).toBeGreaterThan(before * 0.9);
        await shot(page, '#brontel', 'prediction-after-run');

        // The saved picture: without the sketch, then with it once asked.
        const savedPng = async () => {
            const download = page.waitForEvent('download');
            await page.tap('#menuButton');
            await page.getByRole('menuitem', { name: /PNG 1×/ }).tap();
            return bytesOf(download);
        };
        expect(await violetPixels(page, await savedPng())).toBe(0);
        await page.tap('#menuButton');
        await page.tap('#predictionInExportsItem');
        const withSketch = await violetPixels(page, await savedPng());
        expect(withSketch).toBeGreaterThan(before * 0.5);

        // Cleared, it leaves the screen and the saved picture.
        await page.tap('#menuButton');
        await page.tap('#clearPredictionItem');
        await expect(layer).toHaveAttribute('data-strokes', '0');
        expect(await violetPixels(page, await page.screenshot())).toBe(0);
        expect(await violetPixels(page, await savedPng())).toBe(0);
        expect(errors).toEqual([]);
    });
});

// The pages of a PDF.
const pagesOf = (pdf: Buffer) => (pdf.toString('latin1').match(/\/Type\s*\/Page[^s]/g) ?? []).length;

for (const language of ['cs', 'en'] as const) {
    test(`the worksheet in ${language} prints alone, its numbers in the language's format, on at most two A4 pages`, async ({ page }) => {
        await page.addInitScript((code) => {
            localStorage.setItem('brontel.language', code);
            Object.assign(window, { printed: 0 });
            window.print = () => Object.assign(window, { printed: (window as unknown as { printed: number }).printed + 1 });
        }, language);
        const errors = await openPage(page);
        await menuItem(page, 'worksheetItem');
        const view = page.locator('#worksheet');
        await expect(view).toBeVisible();
        const title = { cs: 'Pracovní list: úplný odraz světla', en: 'Worksheet: total internal reflection of light' };
        await expect(page.locator('#worksheetSheet h1')).toHaveText(title[language]);
        await expect(page.locator('#worksheetSheet h2')).toHaveCount(7);
        await shot(page, '#worksheet', `worksheet-${language}`);
        await page.click('#worksheetPrint');
        expect(await page.evaluate(() => (window as unknown as { printed: number }).printed)).toBe(1);

        await page.emulateMedia({ media: 'print' });
        await expect(page.locator('#worksheetSheet')).toBeVisible();
        for (const hidden of ['#brontel', '#worksheetBar', '#menuButton', '#comparison']) {
            await expect(page.locator(hidden)).toBeHidden();
        }
        // Nothing cuts the sheet off at the window's height, as the page's own layout would.
        expect(await page.evaluate(() => [document.documentElement, document.body]
            .map((e) => getComputedStyle(e).overflowY))).toEqual(['visible', 'visible']);
        for (const part of ['sheet', 'key']) {
            await page.emulateMedia({ media: 'screen' });
            await page.locator(`#worksheetBar input[value="${part}"]`).check();
            await expect(view).toHaveAttribute('data-part', part);
            await page.emulateMedia({ media: 'print' });
            const pdf = await page.pdf({ format: 'A4', preferCSSPageSize: true });
            expect(pagesOf(pdf)).toBeGreaterThanOrEqual(1);
            expect(pagesOf(pdf)).toBeLessThanOrEqual(2);
        }
        // The key's critical angle of water, from sin θc = 1/n, as the language writes it.
        const critical = ((Math.asin(1 / 1.33) * 180) / Math.PI).toFixed(2);
        const key = (await page.locator('#worksheetSheet p').allInnerTexts()).join('\n');
        expect(key).toContain(language === 'cs' ? critical.replace('.', ',') : critical);
        expect(key).not.toContain(language === 'cs' ? critical : critical.replace('.', ','));
        await page.emulateMedia({ media: 'screen' });
        await page.keyboard.press('Escape');
        await expect(view).toBeHidden();
        expect(errors).toEqual([]);
    });
}
