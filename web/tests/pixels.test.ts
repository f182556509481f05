// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's picture is the window's, pixel for pixel: after a whole run of each of the 18
// settings, the page's canvas at a device scale against the desktop program's PNG at the same
// scale (`brontel --picture x.png --scale S`, the scene cut out of the window's picture). At
// 1 one-pixel lines are set straight into the pixels, at 2 every line falls on whole pixels, at
// 1.5 places are snapped to pixels. Left
// out of the comparison: the settings line under the PNG, and the scene's eight captions, which
// the PNG paints as text and the page shows as HTML over its canvas.
import { type Page, expect, test } from '@playwright/test';
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { promisify } from 'node:util';
import { openPage } from './Brontel';

const program = resolve(process.env.BRONTEL_PROGRAM ?? '../build/brontel');
const settings: [string, string, string][] = [];
for (const substance of ['water', 'glass']) {
    for (const angle of ['35', '60', 'critical']) {
        for (const distance of ['100', '750', '1500']) settings.push([substance, angle, distance]);
    }
}
const options: Record<string, string> = {
    water: 'opVoda', glass: 'opSklo', 35: 'opMenší', 60: 'opVětší', critical: 'opMezní',
    100: 'opMaláDistance', 750: 'opStředníDistance', 1500: 'opVelkáDistance',
};
// The scene in twips, as the window cuts it for a picture: right of the control panel, below the
// title row, to the window's right edge and the lower ends of the apparatus' lines.
const scene = { left: 2640, top: 480, right: 11445, bottom: 7815 };
// The share of pixels that must agree. At 1 and 1.5 both set every pixel by the same rules; at
// 2 the markers' rings two pixels wide are stroked by the window's painter and sampled from
// true circles in the page, and differ in a pixel here and there.
const bounds: Record<number, number> = { 1: 1, 1.5: 1, 2: 0.995 };
// At 1.5 a setting of each substance and angle, each distance twice.
const snappedSettings = settings.filter((_, n) => n % 4 === 0);

// Start pressed and the whole run drawn, at the page's start-up pace, the fastest.
async function wholeRun(page: Page): Promise<void> {
    await page.evaluate(() => new Promise<void>((done) => {
        const root = document.getElementById('brontel')!;
        new MutationObserver((_, observer) => {
            if (root.dataset.state === 'idle' && root.dataset.steps === '467') {
                observer.disconnect();
                done();
            }
        }).observe(root, { attributes: true });
        document.getElementById('cmdStart')!.click();
    }));
}

// The window's picture of one setting at scale, written by the desktop program.
async function windowPicture(dir: string, [substance, angle, distance]: [string, string, string],
    scale: number): Promise<Buffer> {
    const file = join(dir, `${substance}-${angle}-${distance}-${scale}.png`);
    await promisify(execFile)(program, ['--substance', substance, '--angle', angle, '--distance', distance,
        '--picture', file, '--scale', String(scale)],
    { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', LC_ALL: 'C.UTF-8', QT_FONT_DPI: '96' } });
    return readFileSync(file);
}

for (const scale of [1, 2, 1.5]) {
    test.describe(`device scale ${scale}`, () => {
        // One page for the runs one after another, as a pupil would try them.
        test.describe.configure({ mode: 'serial' });
        let dir = '';
        let page: Page;
        let errors: string[] = [];
        test.beforeAll(async ({ browser }) => {
            dir = mkdtempSync(join(tmpdir(), 'brontel-pixels-'));
            page = await browser.newPage({ viewport: { width: 763, height: 575 }, deviceScaleFactor: scale });
            errors = await openPage(page);
        });
        test.afterAll(async () => {
            await page.close();
            rmSync(dir, { recursive: true, force: true });
        });

        for (const setting of scale === 1.5 ? snappedSettings : settings) {
            test(`after a run of ${setting.join(' ')}, the page's picture is the window's`, async () => {
                const png = windowPicture(dir, setting, scale);
                for (const value of setting) await page.click(`#${options[value]}`);
                await wholeRun(page);
                const result = await page.evaluate(async ([base64, scale, scene]) => {
                    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
                    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }),
                        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
                    const decoded = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d')!;
                    decoded.drawImage(bitmap, 0, 0);
                    const window = decoded.getImageData(0, 0, bitmap.width, bitmap.height);
                    const canvas = document.getElementById('picture') as HTMLCanvasElement;
                    const shown = canvas.getContext('2d')!.getImageData(0, 0, canvas.width, canvas.height);
                    const brontel = (globalThis as unknown as {
                        brontel: {
                            page: { core: { detectorHLabelLeft(): number; detectorHLabelTop(): number } };
                            module: { windowLayout(): { controls: { name: string; place: number[] }[]; sceneCaptions: string[] } };
                        };
                    }).brontel;
                    const layout = brontel.module.windowLayout();
                    const core = brontel.page.core;
                    // The captions' boxes in device pixels, a pixel wider on every side.
                    const captions = layout.sceneCaptions.map((name) => {
                        const place = [...layout.controls.find((c) => c.name === name)!.place];
                        if (name === 'nDetektorH') [place[0], place[1]] = [core.detectorHLabelLeft(), core.detectorHLabelTop()];
                        const [left, top, width, height] = place.map((v) => (v / 15) * scale);
                        return [left - 1, top - 1, left + width + 1, top + height + 1];
                    });
                    const left = Math.round((scene.left / 15) * scale);
                    const top = Math.round((scene.top / 15) * scale);
                    const width = Math.round(((scene.right - scene.left) / 15) * scale);
                    const height = Math.round(((scene.bottom - scene.top) / 15) * scale);
                    let compared = 0;
                    let same = 0;
                    let inked = 0;
                    for (let y = 0; y < height; ++y) {
                        for (let x = 0; x < width; ++x) {
                            const [cx, cy] = [x + left, y + top];
                            if (captions.some(([l, t, r, b]) => cx + 1 > l && cx < r && cy + 1 > t && cy < b)) continue;
                            const w = (y * window.width + x) * 4;
                            const p = (cy * shown.width + cx) * 4;
                            // Where the page's canvas is clear, the window's grey shows through.
                            const page = shown.data[p + 3] === 0 ? [192, 192, 192] : [shown.data[p], shown.data[p + 1], shown.data[p + 2]];
                            ++compared;
                            if (page[0] === window.data[w] && page[1] === window.data[w + 1] && page[2] === window.data[w + 2]) ++same;
                            if (shown.data[p + 3] !== 0) ++inked;
                        }
                    }
                    return { compared, same, inked, size: [window.width, window.height], canvas: [canvas.width, canvas.height] };
                }, [(await png).toString('base64'), scale, scene] as const);
                console.log(`${setting.join(' ')} at ${scale}: ${result.same} of ${result.compared} pixels agree`
                    + ` (${((100 * result.same) / result.compared).toFixed(3)} %)`);
                // Both pictures are there: the run's drawing covers most of the scene.
                expect(result.inked).toBeGreaterThan(result.compared / 2);
                expect(result.same / result.compared).toBeGreaterThanOrEqual(bounds[scale]);
                expect(errors).toEqual([]);
            });
        }
    });
}
