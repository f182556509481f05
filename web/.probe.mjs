import { chromium } from '@playwright/test';
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox', '--disable-gpu'] });
for (const css of [{}]) {
for (const s of [1, 1.5, 2, 3]) {
const page = await (await browser.newContext({ viewport: { width: 763, height: 575 }, deviceScaleFactor: s })).newPage();
await page.goto('file:///work/r27touch/build-web/brontel.html');
await page.waitForSelector('body[data-ready="true"]');
await page.evaluate((css) => Object.assign(document.getElementById('nIndex').style, css), css);
const ink = async () => { const png = await page.locator('#nIndex').screenshot(); return page.evaluate(async (b64) => { const img = new Image(); img.src = 'data:image/png;base64,' + b64; await img.decode(); const c = document.createElement('canvas'); [c.width, c.height] = [img.width, img.height]; const x = c.getContext('2d'); x.drawImage(img, 0, 0); const d = x.getImageData(0, 0, c.width, c.height).data; let lowest = -1, n = 0; for (let y = 0; y < c.height; ++y) for (let i = 0; i < c.width; ++i) { const k = (y * c.width + i) * 4; if (d[k] + d[k+1] + d[k+2] < 300) { lowest = y; ++n; } } return [n, lowest, c.height]; }, png.toString('base64')); };
const a = await ink();
await page.evaluate(() => { document.getElementById('nIndex').value = '1.33'; });
const b = await ink();
console.log(JSON.stringify(css), s, a, b);
}}
await browser.close();
