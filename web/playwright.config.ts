// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's tests in Debian's chromium, headless; Playwright never downloads a browser here.
import { defineConfig } from '@playwright/test';

export default defineConfig({
    testDir: './tests',
    testMatch: '**/*.test.ts',
    workers: 1,
    timeout: 60000,
    reporter: 'list',
    use: {
        viewport: { width: 763, height: 575 },
        deviceScaleFactor: 1,
        acceptDownloads: true,
        launchOptions: {
            executablePath: '/usr/bin/chromium',
            args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
                '--disable-component-update', '--disable-sync'],
        },
    },
});
