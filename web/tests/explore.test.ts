// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view in the page: opened by F3, the angle dragged, the intensity curve redrawn,
// the table saved with the decay the arrows give; in the page's menu in both languages and
// remembered between visits.
import { type Page, expect, test } from '@playwright/test';
import { readFile } from 'node:fs/promises';
import { openPage } from './Brontel';

// The intensity plot's part of the canvas (the drawing's upper right), as shares of its size.
async function plotPixels(page: Page): Promise<number[]> {
    return page.evaluate(() => {
        const canvas = document.getElementById('explorePicture') as HTMLCanvasElement;
        const context = canvas.getContext('2d') as CanvasRenderingContext2D;
        const [x, y] = [Math.round(canvas.width * 0.64), Math.round(canvas.height * 0.1)];
        const [w, h] = [Math.round(canvas.width * 0.33), Math.round(canvas.height * 0.45)];
        const data = context.getImageData(x, y, w, h).data;
        // Every third pixel each way, its red, green and blue summed: enough to see a curve move.
        const samples: number[] = [];
        for (let row = 0; row < h; row += 3) {
            for (let column = 0; column < w; column += 3) {
                const i = (row * w + column) * 4;
                samples.push(data[i] + data[i + 1] + data[i + 2]);
            }
        }
        return samples;
    });
}

async function drawnAfter(page: Page, before: string): Promise<void> {
    await expect(page.locator('#explore')).not.toHaveAttribute('data-drawn', before);
}

// The amplitude decay length from a straight-line fit of ln(intensity) over z in [from, to].
function fittedDecay(rows: number[][], from: number, to: number): number {
    const points = rows.filter(([z, , relative]) => z >= from - 1e-9 && z <= to + 1e-9 && relative > 0);
    const n = points.length;
    const sx = points.reduce((s, [z]) => s + z, 0);
    const sy = points.reduce((s, [, , r]) => s + Math.log(r), 0);
    const sxx = points.reduce((s, [z]) => s + z * z, 0);
    const sxy = points.reduce((s, [z, , r]) => s + z * Math.log(r), 0);
    const slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return -2 / slope; // intensity ∝ e^{−2z/d}
}

const sizes: [string, number, number][] = [['a phone', 390, 844], ['1920 × 1080', 1920, 1080]];

for (const [name, width, height] of sizes) {
    test(`on ${name}, dragging the angle redraws the curve and the saved table decays as classical optics says`, async ({ page }) => {
        await page.setViewportSize({ width, height });
        const errors = await openPage(page);
        const explore = page.locator('#explore');
        await expect(explore).toBeHidden();
        await page.keyboard.press('F3');
        await expect(explore).toBeVisible();
        await expect(page.locator('#exploreTitle')).toHaveText('Zkoumat: evanescentní vlna a tunelování');
        await expect(explore).toHaveAttribute('data-alpha', '50');
        const before = await plotPixels(page);
        const drawn = (await explore.getAttribute('data-drawn')) ?? '';

        // Drag the slider's thumb from 50° towards 62°.
        const slider = page.locator('#exploreAngleSlider');
        await slider.scrollIntoViewIfNeeded();
        const box = (await slider.boundingBox())!;
        const at = (degrees: number) => box.x + 8 + ((box.width - 16) * degrees) / 89.9;
        await page.mouse.move(at(50), box.y + box.height / 2);
        await page.mouse.down();
        for (const degrees of [53, 56, 59, 62]) await page.mouse.move(at(degrees), box.y + box.height / 2);
        await page.mouse.up();
        await drawnAfter(page, drawn);
        const alpha = Number(await explore.getAttribute('data-alpha'));
        expect(alpha).toBeGreaterThan(58);
        expect(alpha).toBeLessThan(66);
        await expect(page.locator('#exploreAngle')).toHaveValue(alpha.toFixed(1));
        await page.locator('#explorePicture').scrollIntoViewIfNeeded();
        const after = await plotPixels(page);
        const changed = after.filter((v, i) => v !== before[i]).length;
        expect(changed).toBeGreaterThan(after.length / 200);

        // The table the view saves: its header, and the decay length of its heights' curve.
        await page.locator('#exploreSave').scrollIntoViewIfNeeded();
        const download = page.waitForEvent('download');
        await page.click('#exploreSave');
        const csv = await readFile(await (await download).path(), 'utf8');
        const lines = csv.trim().split(/\r?\n/);
        expect(lines[0]).toBe('z_twips,h_amplitude_squared,h_relative,classical_relative');
        const rows = lines.slice(1).map((l) => l.split(',').map(Number));
        const index = 1.33;
        const k0 = 3; // λ₀ = 2π/3 twips
        const d = 1 / (k0 * Math.sqrt((index * Math.sin((alpha * Math.PI) / 180)) ** 2 - 1));
        expect(rows.at(-1)![0]).toBeGreaterThanOrEqual(6 * d * 0.999);
        expect(Math.abs(fittedDecay(rows, d, 6 * d) / d - 1)).toBeLessThan(0.05);
        // The classical column is e^{−2z/d} itself.
        for (const [z, , , classical] of rows) expect(classical).toBeCloseTo(Math.exp((-2 * z) / d), 6);
        expect(errors).toEqual([]);
    });
}

test('the menu opens the view in English, it stays open over a reload, and Escape closes it for good', async ({ page }) => {
    const errors = await openPage(page);
    await page.click('#menuButton');
    await page.getByRole('menuitemradio', { name: 'English' }).click();
    await page.click('#menuButton');
    await page.getByRole('menuitem', { name: 'Explore…' }).click();
    await expect(page.locator('#explore')).toBeVisible();
    await expect(page.locator('#exploreTitle')).toHaveText('Explore: the evanescent wave and tunnelling');
    await expect(page.locator('#exploreReadouts')).toContainText('Critical angle θc = 48.75°');
    await expect(page.locator('label[for=exploreAngle]')).toHaveText('Angle of incidence:');

    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await expect(page.locator('#explore')).toBeVisible();
    await page.keyboard.press('Escape');
    await expect(page.locator('#explore')).toBeHidden();
    // The main window's run was not stopped or steered by the key meant for the view.
    await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'idle');
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await expect(page.locator('#explore')).toBeHidden();
    expect(errors).toEqual([]);
});
