// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder for a web server: it installs its service worker and starts again offline.
import { expect, test } from '@playwright/test';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import type { AddressInfo } from 'node:net';
import { join } from 'node:path';
import { webDir } from './Brontel';

// Serves the site's folder on a port of its own; closes with the returned function.
async function serveSite(): Promise<{ url: string, close: () => void }> {
    const types: Record<string, string> = { html: 'text/html', js: 'text/javascript', svg: 'image/svg+xml',
        webmanifest: 'application/manifest+json' };
    const server = createServer((request, response) => {
        const name = request.url === '/' ? 'index.html' : (request.url ?? '').slice(1).split('?')[0];
        try {
            const body = readFileSync(join(webDir, 'site', name));
            response.writeHead(200, { 'content-type': types[name.split('.').pop() ?? ''] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise<void>((done) => server.listen(0, '127.0.0.1', done));
    return { url: `http://127.0.0.1:${(server.address() as AddressInfo).port}/`, close: () => server.close() };
}

test('the site starts again offline after the first visit', async ({ context, page }) => {
    const { url, close } = await serveSite();
    const errors: string[] = [];
    page.on('console', (m) => {
        if (m.type() === 'error') errors.push(m.text());
    });
    try {
        await page.goto(url);
        await page.waitForSelector('body[data-ready="true"]');
        await page.evaluate(() => navigator.serviceWorker.ready);
        await expect.poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
    } finally {
        close();
    }
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#cmdStart');
    await expect(page.locator('#brontel')).toHaveAttribute('data-steps', '467', { timeout: 30000 });
    expect(errors).toEqual([]);
});

test('the worker keeps the caches of other applications and other copies on the origin', async ({ page }) => {
    const { url, close } = await serveSite();
    const others = ['another-app-v3', `brontel:${url}elsewhere/:0123456789ab`];
    try {
        await page.goto(`${url}icon.svg`); // a page of the origin before the worker comes
        await page.evaluate(async (names) => {
            for (const name of names) await (await caches.open(name)).put('/x', new Response('kept'));
        }, others);
        await page.goto(url);
        await page.waitForSelector('body[data-ready="true"]');
        await page.evaluate(() => navigator.serviceWorker.ready);
        await expect.poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
        const names = await page.evaluate(() => caches.keys());
        for (const name of others) expect(names).toContain(name);
        expect(names.filter((n) => n.startsWith(`brontel:${url}:`))).toHaveLength(1);
    } finally {
        close();
    }
});

test('the page itself requests nothing, not even from its own server', async ({ page }) => {
    const { url, close } = await serveSite();
    try {
        await page.goto(url);
        await page.waitForSelector('body[data-ready="true"]');
        const outcome = await page.evaluate(() => fetch('icon.svg').then(() => 'fetched', () => 'refused'));
        expect(outcome).toBe('refused');
    } finally {
        close();
    }
});
