// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measurements for the notes, not tests: the explore view's live re-sum in the page (61
// heights, a Gaussian beam of waist 600 twips, 0.5-twip sampling, exact wavelets, water at 60°)
// with the fast loop and the plain one; one whole live step as the slider makes it (the setting
// handed over, summed again, the drawing made and drawn on the canvas) at 1920 × 1080; and,
// when the desktop's benchmarks are built, the desktop's figure beside it.
//
//   node measure-explore.mjs [build-web] [build]
import { chromium } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const webDir = resolve(process.argv[2] ?? '../build-web');
const buildDir = resolve(process.argv[3] ?? '../build');

const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
});
const page = await browser.newPage({ viewport: { width: 1920, height: 1080 } });
await page.goto(pathToFileURL(resolve(webDir, 'brontel.html')).href);
await page.waitForSelector('body[data-ready="true"]');

const { heights, fastMs, plainMs } = await page.evaluate(() => {
    const module = globalThis.brontel.module;
    module.timeExploreSums(1, false); // the Hankel table is built on first use
    return {
        heights: module.exploreHeightCount(),
        fastMs: module.timeExploreSums(10, false),
        plainMs: module.timeExploreSums(3, true),
    };
});

// The live step: the angle moved by 0.1° each time between 60° and 61°, as a drag gives it.
await page.keyboard.press('F3');
await page.waitForSelector('#explore:not([hidden])');
const stepMs = await page.evaluate(() => {
    const explore = globalThis.brontel.explore;
    const times = [];
    for (let i = 0; i < 20; ++i) {
        const begin = performance.now();
        explore.view.set('alpha', 60 + (i % 10) / 10);
        explore.redraw();
        times.push(performance.now() - begin);
    }
    times.sort((a, b) => a - b);
    return { best: times[0], median: times[times.length >> 1] };
});
await browser.close();

let desktop = 'not built (cmake --build build --target brontel-explore-bench, with -DBRONTEL_BENCHMARKS=ON)';
const bench = [resolve(buildDir, 'bench/brontel-explore-bench'), resolve(buildDir, 'brontel-explore-bench')].find(existsSync);
if (bench) {
    const out = execFileSync(bench, ['--benchmark_filter=heightCurve', '--benchmark_min_time=0.5s'], { encoding: 'utf8' });
    desktop = out.split('\n').filter((l) => l.startsWith('heightCurve')).map((l) => l.replace(/\s+/g, ' ')).join('; ');
}

console.log(`explore re-sum, ${heights} heights, waist 600, 0.5 twip, exact wavelets: page ${fastMs.toFixed(1)} ms (plain loop ${plainMs.toFixed(1)} ms); budget 33 ms`);
console.log(`one live step at 1920 × 1080 (set, re-sum, drawing, canvas): best ${stepMs.best.toFixed(1)} ms, median ${stepMs.median.toFixed(1)} ms`);
console.log(`desktop: ${desktop}`);
