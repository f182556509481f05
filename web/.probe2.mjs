import { chromium } from '@playwright/test';
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox', '--disable-gpu'] });
const page = await (await browser.newContext({ viewport: { width: 763, height: 575 }, deviceScaleFactor: 1 })).newPage();
await page.goto('file:///work/r27touch/build-web/brontel.html');
await page.waitForSelector('body[data-ready="true"]');
await page.screenshot({ path: '/tmp/r27touch-f.png', clip: { x: 40, y: 90, width: 80, height: 40 } });
await browser.close();
