// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder for a web server: it installs its service worker and starts again offline.
import { expect, test } from '@playwright/test';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import type { AddressInfo } from 'node:net';
import { join } from 'node:path';
import { webDir } from './Brontel';

test('the site starts again offline after the first visit', async ({ context, page }) => {
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
    const url = `http://127.0.0.1:${(server.address() as AddressInfo).port}/`;
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
        server.close();
    }
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#cmdStart');
    await expect(page.locator('#brontel')).toHaveAttribute('data-steps', '467', { timeout: 30000 });
    expect(errors).toEqual([]);
});
