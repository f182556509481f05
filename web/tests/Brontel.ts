// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's tests share: where the built page is, opening it, waiting for runs, and
// reading the curves' bars off the picture as the desktop suite reads its window.
import { type Page, expect } from '@playwright/test';
import { resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const webDir = resolve(process.env.BRONTEL_WEB_DIR ?? fileURLToPath(new URL('../../build-web', import.meta.url)));
export const singleFile = pathToFileURL(resolve(webDir, 'brontel.html')).href;

// Opens the single file and fails the test on any console error or uncaught exception.
export async function openPage(page: Page, url = singleFile): Promise<string[]> {
    const errors: string[] = [];
    page.on('console', (m) => {
        if (m.type() === 'error') errors.push(m.text());
    });
    page.on('pageerror', (e) => errors.push(e.message));
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    return errors;
}

export async function runToEnd(page: Page): Promise<void> {
    await page.click('#cmdStart');
    await expect(page.locator('#brontel')).toHaveAttribute('data-state', 'idle', { timeout: 30000 });
    await expect(page.locator('#brontel')).toHaveAttribute('data-steps', '467');
}

export interface Bar {
    length: number; // design pixels
    at: number; // the row (V) or column (H, L) where the longest bar stands
}

// The longest run of dark pixels leaving a curve's base line: rightwards from the probe line for
// V (horizontal bars), upwards from the detector's line for H and L (vertical bars).
export async function longestBar(page: Page, detector: 'V' | 'H' | 'L', baseTwips: number,
    from: number, to: number): Promise<Bar> {
    return page.evaluate(([detector, baseTwips, from, to]) => {
        const canvas = document.getElementById('picture') as HTMLCanvasElement;
        const scale = canvas.width / 763;
        const image = (canvas.getContext('2d') as CanvasRenderingContext2D)
            .getImageData(0, 0, canvas.width, canvas.height);
        const dark = (x: number, y: number) => {
            const i = (Math.round(y * scale) * image.width + Math.round(x * scale)) * 4;
            return image.data[i] + image.data[i + 1] + image.data[i + 2] < 3 * 110;
        };
        const base = (baseTwips as number) / 15;
        let best = { length: -1, at: 0 };
        for (let across = from as number; across <= (to as number); ++across) {
            let length = 0;
            if (detector === 'V') {
                while (dark(Math.ceil(base) + 1 + length, across)) ++length;
            } else {
                // From the base line's row: the page sets the window's pixels, whose bars stand
                // on it.
                while (dark(across, Math.floor(base) - length)) ++length;
            }
            if (length > best.length) best = { length, at: across };
        }
        return best;
    }, [detector, baseTwips, from, to] as const);
}
