// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's saved files against the desktop program's for the same settings and run: the SVG
// byte for byte, the CSV for spreadsheets to the last digits of its numbers.
import { type Page, expect, test } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openPage, runToEnd } from './Brontel';

const brontel = resolve(process.env.BRONTEL_PROGRAM ?? fileURLToPath(new URL('../../build/brontel', import.meta.url)));

interface Setting {
    substance: 'water' | 'glass';
    angle: '35' | '60' | 'critical';
    distance: '100' | '750' | '1500';
    lang: 'cs' | 'en';
}

const optionOf: Record<string, string> = {
    water: '#opVoda', glass: '#opSklo', 35: '#opMenší', 60: '#opVětší', critical: '#opMezní',
    100: '#opMaláDistance', 750: '#opStředníDistance', 1500: '#opVelkáDistance',
};

// The desktop program's file for s, written without a window in the language's locale.
function desktopFile(s: Setting, name: string, ...options: string[]): Buffer {
    const out = join(mkdtempSync(join(tmpdir(), 'brontel-')), name);
    const locale = s.lang === 'cs' ? 'cs_CZ.UTF-8' : 'en_US.UTF-8';
    execFileSync(brontel, ['--substance', s.substance, '--angle', s.angle, '--distance', s.distance,
        '--lang', s.lang, ...options, out], {
        env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', QT_FONT_DPI: '96', LC_ALL: locale, LANG: locale },
    });
    return readFileSync(out);
}

async function runOnPage(page: Page, s: Setting): Promise<void> {
    await openPage(page);
    if (s.lang === 'en') {
        await page.click('#menuButton');
        await page.getByRole('menuitemradio', { name: 'English' }).click();
        await expect(page.locator('html')).toHaveAttribute('lang', 'en');
    }
    for (const value of [s.substance, s.angle, s.distance]) await page.click(optionOf[value]);
    await runToEnd(page);
}

async function downloaded(page: Page, item: RegExp): Promise<Buffer> {
    await page.click('#menuButton');
    const downloading = page.waitForEvent('download');
    await page.getByRole('menuitem', { name: item }).click();
    return readFileSync(await (await downloading).path());
}

// The same file but for the last digits of a number: the page's sines and cosines are
// WebAssembly's, which may differ from the desktop's in the last bit. Everything else, the byte
// order mark, the separators, the text and whole numbers, is the same byte for byte.
function sameCsv(page: Buffer, desktop: Buffer, decimal: string): void {
    const rows = (b: Buffer) => b.toString('utf8').split('\r\n').map((r) => r.split(';'));
    const [p, d] = [rows(page), rows(desktop)];
    expect([...page.subarray(0, 3)]).toEqual([...desktop.subarray(0, 3)]);
    expect(p.length).toBe(d.length);
    let differing = 0;
    let worst = 0;
    p.forEach((row, i) => row.forEach((cell, j) => {
        if (cell === d[i][j]) return;
        const [a, b] = [Number(cell.replace(decimal, '.')), Number(d[i][j].replace(decimal, '.'))];
        expect(cell.includes(decimal) && Number.isFinite(a), `${cell} against ${d[i][j]}`).toBe(true);
        worst = Math.max(worst, Math.abs(a - b) / Math.max(Math.abs(b), 1e-300));
        ++differing;
    }));
    console.log(`CSV: ${differing} of ${p.length * p[0].length} cells differ, at most ${worst.toExponential(2)} relatively`);
    expect(worst).toBeLessThan(1e-11);
}

const settings: Setting[] = [
    { substance: 'water', angle: '35', distance: '750', lang: 'cs' },
    { substance: 'glass', angle: 'critical', distance: '100', lang: 'cs' },
    { substance: 'water', angle: '60', distance: '1500', lang: 'en' },
];

for (const s of settings) {
    const name = `${s.substance} ${s.angle} ${s.distance} ${s.lang}`;

    test(`the SVG of ${name} is the desktop's byte for byte`, async ({ page }) => {
        await runOnPage(page, s);
        const svg = await downloaded(page, /SVG/);
        const desktop = desktopFile(s, 'scene.svg', '--picture');
        expect(svg.length).toBe(desktop.length);
        expect(svg.equals(desktop)).toBe(true);
    });
}

// The share of pixels two PNG files of one size have alike, read by the browser: the same, and
// near (no channel more than tolerance apart).
async function alikeShare(page: Page, a: Buffer, b: Buffer, tolerance: number): Promise<{ same: number; near: number; sizes: string }> {
    return page.evaluate(async ([a, b, tolerance]) => {
        const pixels = async (base64: string) => {
            const image = new Image();
            image.src = `data:image/png;base64,${base64}`;
            await image.decode();
            const canvas = document.createElement('canvas');
            canvas.width = image.width;
            canvas.height = image.height;
            const context = canvas.getContext('2d') as CanvasRenderingContext2D;
            context.drawImage(image, 0, 0);
            return context.getImageData(0, 0, image.width, image.height);
        };
        const [p, q] = [await pixels(a), await pixels(b)];
        const sizes = `${p.width}x${p.height} ${q.width}x${q.height}`;
        if (p.width !== q.width || p.height !== q.height) return { same: 0, near: 0, sizes };
        let same = 0;
        let near = 0;
        for (let i = 0; i < p.data.length; i += 4) {
            const apart = Math.max(...[0, 1, 2].map((c) => Math.abs(p.data[i + c] - q.data[i + c])));
            if (apart === 0) ++same;
            if (apart <= (tolerance as number)) ++near;
        }
        const all = p.width * p.height;
        return { same: same / all, near: near / all, sizes };
    }, [a.toString('base64'), b.toString('base64'), tolerance] as const);
}

// The letters come from the desktop's own font rasteriser through its glyph atlas, so a saved
// picture differs from the desktop's only where the run's shapes do (a few rings' pixels at 2×).
for (const s of settings) {
    for (const times of [1, 2, 4]) {
        test(`the PNG of ${s.substance} ${s.angle} ${s.distance} ${s.lang} at ${times}× is the desktop's within half a per cent of its pixels`, async ({ page }) => {
            await runOnPage(page, s);
            await expect(page.locator('body')).toHaveAttribute('data-letters', 'desktop');
            const png = await downloaded(page, new RegExp(`PNG.*${times}×`));
            const desktop = desktopFile(s, 'scene.png', '--scale', String(times), '--picture');
            const { same, near, sizes } = await alikeShare(page, png, desktop, 96);
            console.log(`PNG ${times}×: ${(same * 100).toFixed(3)} % of the pixels the same, ${(near * 100).toFixed(3)} % near (${sizes})`);
            expect(sizes).toBe(`${587 * times}x${513 * times} ${587 * times}x${513 * times}`);
            expect(same).toBeGreaterThanOrEqual(0.995);
        });
    }
}

test.describe('in a Czech locale', () => {
    test.use({ locale: 'cs-CZ' });
    test('the CSV for spreadsheets is the desktop\'s to the last digits', async ({ page }) => {
        const s: Setting = { substance: 'glass', angle: '60', distance: '750', lang: 'cs' };
        const decimal = ',';
        await runOnPage(page, s);
        const csv = await downloaded(page, /tabulkové procesory/);
        expect([...csv.subarray(0, 3)]).toEqual([0xef, 0xbb, 0xbf]);
        expect(csv.toString('utf8')).toContain(';1,5;');
        sameCsv(csv, desktopFile(s, 'curves.csv', '--curves-format', 'locale', '--curves'), decimal);
    });
});

test.describe('in an English locale', () => {
    test.use({ locale: 'en-US' });
    test('the CSV for spreadsheets keeps the point, as the desktop\'s does there', async ({ page }) => {
        const s: Setting = { substance: 'water', angle: 'critical', distance: '1500', lang: 'en' };
        const decimal = '.';
        await runOnPage(page, s);
        const csv = await downloaded(page, /CSV for spreadsheets/);
        expect(csv.toString('utf8')).toContain(';1.33;');
        sameCsv(csv, desktopFile(s, 'curves.csv', '--curves-format', 'locale', '--curves'), decimal);
    });
});
