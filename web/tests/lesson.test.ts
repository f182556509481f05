// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's tools in the page: runs kept with K and the menu and compared on one scale (the
// table against each run's own CSV divided by its arrow length squared, and against the desktop's
// table of the same runs), a prediction sketched by touch kept through a run and in the saved
// picture only when asked, the worksheet printed in both languages on at most two A4 pages.
import { type Download, type Page, expect, test } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync } from 'node:fs';
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

test('water and glass at 35°/750 kept and charted on one scale; the table is each run per unit arrow, as the desktop writes it', async ({ page }) => {
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
    // The desktop's table of the same runs, byte for byte.
    const desktop = process.env.BRONTEL_COMPARISON_CSV;
    if (desktop) {
        expect(comparisonCsv).toBe(execFileSync(desktop, ['water', '35', '750', 'glass', '35', '750']).toString('utf8'));
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
