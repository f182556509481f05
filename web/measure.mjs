// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measurements for the notes, not tests: the sums in the page against the native plain loop,
// Start to the last step at the fastest pace, re-drawing the whole picture at 4K, the page ready
// after loading from 127.0.0.1, the single file's size; and screenshots at a phone's, a full HD
// and a 4K window. Needs `make web`, and the desktop's on-screen run and picture benchmark built
// with the benchmarks (`make bench`, or `cmake --build build --target brontel-onscreen-run
// brontel-raster-bench` in a build configured with -DBRONTEL_BENCHMARKS=ON); the run goes
// under xvfb-run.
//
//   node measure.mjs [build-web] [build]

import { chromium } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { readFileSync, mkdirSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

const webDir = resolve(process.argv[2] ?? '../build-web');
const buildDir = resolve(process.argv[3] ?? '../build');
const root = resolve('..');
const shots = join(webDir, 'shots');
mkdirSync(shots, { recursive: true });

// The native plain loop and fast kernel, built here from the core's sources.
const native = join(webDir, 'native-sums');
writeFileSync(`${native}.cpp`, `
#include "ChainSums.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "ScalarSums.h"
#include "SweepSums.h"
#include <chrono>
#include <cstdio>
int main() {
    const RunSettings s = RunSettings::of(1.33, 35, AngleCase::Angle35, Substance::Water, DetectorDistance::Middle);
    const RunParameters p = chooseRunParameters(s.angleCase, s.substance, s.distance);
    const SumInputs in = SumInputs::from(s, p);
    double plain = 1e300, fast = 1e300, sink = 0;
    for (int r = 0; r < 5; ++r) {
        auto t0 = std::chrono::steady_clock::now();
        for (int k = 0; k < scene::sweepSteps; ++k) sink += std::norm(scalarStepSums(in, SweepStep{k}).v);
        auto t1 = std::chrono::steady_clock::now();
        sink += sumSweep(ChainSums(in), 1).size();
        auto t2 = std::chrono::steady_clock::now();
        plain = std::min(plain, std::chrono::duration<double, std::milli>(t1 - t0).count());
        fast = std::min(fast, std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    std::printf("%.2f %.2f %g\\n", plain, fast, sink);
}`);
const sources = ['DrawingList', 'Scene', 'RunParameters', 'LightPaths', 'ScalarSums', 'SweepSums',
    'SweepDrawing', 'Curves'].map((n) => join(root, 'experiment', `${n}.cpp`));
execFileSync('g++', ['-std=c++20', '-O2', '-ffp-contract=off', `-I${root}/experiment`, `-I${root}/settings`,
    `${native}.cpp`, ...sources, '-O3', '-fno-math-errno', '-fopenmp-simd', join(root, 'experiment/ChainSums.cpp'),
    '-o', native, '-lmvec', '-lpthread']);
const [plainMs, fastMs] = execFileSync(native).toString().split(' ').map(Number);

// The site from 127.0.0.1.
const server = createServer((request, response) => {
    const path = join(webDir, 'site', request.url === '/' ? 'index.html' : request.url.slice(1));
    try {
        const body = readFileSync(path);
        const type = path.endsWith('.html') ? 'text/html' : path.endsWith('.js') ? 'text/javascript' : 'application/octet-stream';
        response.writeHead(200, { 'content-type': type });
        response.end(body);
    } catch {
        response.writeHead(404);
        response.end();
    }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const url = `http://127.0.0.1:${server.address().port}/`;

const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
});

async function open(width, height, ratio, address = url) {
    const page = await browser.newPage({ viewport: { width, height }, deviceScaleFactor: ratio });
    await page.goto(address);
    await page.waitForSelector('body[data-ready="true"]');
    return page;
}

const page = await open(763, 575, 1);
const readyMs = [];
for (let i = 0; i < 5; ++i) {
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    readyMs.push(await page.evaluate(() => performance.getEntriesByName('brontel-ready')[0].startTime));
}
const sumsMs = await page.evaluate(() => globalThis.brontel.module.timeSums(5));
// Start to the last step shown at the fastest pace (the page's start-up pace), best of five.
const pageRunMs = [];
for (let i = 0; i < 5; ++i) {
    pageRunMs.push(await page.evaluate(() => new Promise((done) => {
        const rootElement = document.getElementById('brontel');
        const begin = performance.now();
        new MutationObserver((_, observer) => {
            if (rootElement.dataset.state === 'idle' && rootElement.dataset.steps === '467') {
                observer.disconnect();
                requestAnimationFrame(() => done(performance.now() - begin));
            }
        }).observe(rootElement, { attributes: true });
        document.getElementById('cmdStart').click();
    })));
}
const runMs = Math.min(...pageRunMs);
// The desktop window's run, the same way: shown on a screen (Xvfb), its scroll bar at the
// fastest pace, Start clicked, the clock stopped once the last step is painted; best of five.
const desktopRunMs = Number(execFileSync('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24 -dpi 96',
    join(buildDir, 'bench', 'brontel-onscreen-run')]).toString().trim());
await page.close();

const big = await open(3840, 2160, 1);
await big.click('#cmdStart');
await big.waitForFunction(() => document.getElementById('brontel').dataset.steps === '467');
// The whole picture set into its pixels afresh and put on the canvas, as a new size does; the
// best and the median of fifteen, the machine's other work being what it is.
const redrawMs = await big.evaluate(() => {
    const canvas = document.getElementById('picture');
    const times = [];
    for (let i = 0; i < 15; ++i) {
        const begin = performance.now();
        globalThis.brontel.page.fit();
        canvas.getContext('2d').getImageData(0, 0, 1, 1); // waits for the drawing to be done
        times.push(performance.now() - begin);
    }
    times.sort((a, b) => a - b);
    return { best: times[0], median: times[7], canvas: `${canvas.width} × ${canvas.height}` };
});
// The window's renderer on the same 2866 × 2160 pixels (bench/raster_bench.cpp: the finished
// run's picture at full screen on 3840 × 2160), beside the same rasteriser the page uses, built
// natively: the best and the median of fifteen.
const benchJson = JSON.parse(execFileSync(join(buildDir, 'bench', 'brontel-raster-bench'), ['--benchmark_filter=/1/',
    '--benchmark_repetitions=15', '--benchmark_format=json']).toString());
const benchMs = (name) => {
    const runs = benchJson.benchmarks.filter((b) => b.run_name === `${name}/1/real_time` && b.run_type === 'iteration')
        .map((b) => b.real_time).sort((a, b) => a - b);
    return { best: runs[0], median: runs[Math.floor(runs.length / 2)] };
};
const windowRedraw = benchMs('windowRenderer');
const nativeRaster = benchMs('rasteriser');
await big.screenshot({ path: join(shots, '4k.png') });
await big.close();

for (const [name, w, h, r] of [['phone', 390, 844, 3], ['fullhd', 1920, 1080, 1]]) {
    const p = await open(w, h, r);
    // Held upright, a phone shows Start in the run's bar.
    await p.locator('#cmdStart:visible, #barStart:visible').first().click();
    await p.waitForFunction(() => document.getElementById('brontel').dataset.steps === '467');
    await p.screenshot({ path: join(shots, `${name}.png`) });
    await p.close();
}
await browser.close();
server.close();

const single = readFileSync(join(webDir, 'brontel.html'));
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
console.log(`sums of one run: page ${sumsMs.toFixed(1)} ms, native plain loop ${plainMs.toFixed(1)} ms (ratio ${(sumsMs / plainMs).toFixed(2)}), native fast kernel ${fastMs.toFixed(1)} ms`);
console.log(`Start to the last step shown at the fastest pace: page ${runMs.toFixed(0)} ms, desktop window ${desktopRunMs.toFixed(0)} ms (ratio ${(runMs / desktopRunMs).toFixed(2)}); best of five each`);
console.log(`whole picture re-drawn at 3840 × 2160 (canvas ${redrawMs.canvas}): page best ${redrawMs.best.toFixed(1)} ms, median ${redrawMs.median.toFixed(1)} ms; `
    + `desktop window's renderer best ${windowRedraw.best.toFixed(1)} ms, median ${windowRedraw.median.toFixed(1)} ms; `
    + `the page's rasteriser natively best ${nativeRaster.best.toFixed(1)} ms, median ${nativeRaster.median.toFixed(1)} ms`);
console.log(`page ready after navigation from 127.0.0.1: median ${median(readyMs).toFixed(0)} ms (${readyMs.map((v) => v.toFixed(0)).join(', ')})`);
console.log(`single file: ${(single.length / 1024).toFixed(0)} KB, ${(gzipSync(single, { level: 9 }).length / 1024).toFixed(0)} KB gzip`);
console.log(`screenshots in ${shots}`);
