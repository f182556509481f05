// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture drawn the fast way (rectangles, bands, short paths) against the same commands drawn
// one at a time as plain strokes, on canvases of one size: only a few pixels may differ.
import { expect, test } from '@playwright/test';
import { openPage, runToEnd } from './Brontel';

const cases: [string, number][] = [['the design size', 1], ['a 4K window', 2160 / 575]];

for (const [name, factor] of cases) {
    test(`after a run, the fast drawing at ${name} matches one command at a time`, async ({ page }) => {
        const errors = await openPage(page);
        await runToEnd(page);
        const { differing, inked, total } = await page.evaluate((factor) => {
            type Replay = (context: CanvasRenderingContext2D, commands: Float32Array, factor: number) => void;
            const brontel = (globalThis as unknown as {
                brontel: { page: { core: { pictureFrom(n: number): Float32Array } }; replay: Replay };
            }).brontel;
            const commands = brontel.page.core.pictureFrom(0);
            const canvas = () => {
                const c = document.createElement('canvas');
                [c.width, c.height] = [Math.round(763 * factor), Math.round(575 * factor)];
                return c.getContext('2d')!;
            };
            const fast = canvas();
            brontel.replay(fast, commands, factor);
            const plain = canvas();
            const scale = factor / 15;
            plain.setTransform(scale, 0, 0, scale, 0.5, 0.5);
            for (let i = 0; i < commands.length; i += 7) {
                const [x1, y1, x2, y2, colour, width, kind] = commands.subarray(i, i + 7);
                plain.beginPath();
                if (kind === 2) {
                    plain.arc(x1, y1, x2, 0, 2 * Math.PI);
                } else {
                    plain.moveTo(x1, y1);
                    plain.lineTo(x2, y2);
                }
                plain.strokeStyle = `rgb(${colour & 0xff},${(colour >> 8) & 0xff},${(colour >> 16) & 0xff})`;
                plain.lineWidth = Math.max(width * factor, 1) / scale;
                plain.stroke();
            }
            const [a, b] = [fast, plain].map((c) => c.getImageData(0, 0, c.canvas.width, c.canvas.height).data);
            let differing = 0;
            let inked = 0;
            for (let p = 0; p < a.length; p += 4) {
                let most = 0;
                for (let k = 0; k < 4; ++k) most = Math.max(most, Math.abs(a[p + k] - b[p + k]));
                if (most > 64) ++differing;
                if (b[p + 3] > 0) ++inked;
            }
            return { differing, inked, total: a.length / 4 };
        }, factor);
        // The plain drawing does cover the picture: the comparison is not of two empty canvases.
        expect(inked).toBeGreaterThan(total / 10);
        // The sweeps' bands differ from their thousands of strokes along the bands' edges: 575
        // pixels at the design size, where nothing else differs.
        expect(differing).toBeLessThanOrEqual(total / 700);
        expect(errors).toEqual([]);
    });
}
