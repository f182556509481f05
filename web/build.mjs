// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the page in both ways to ship it: one self-contained HTML file that works from file://,
// and a folder for any static web server with a web app manifest and a service worker. The
// window's texts and the help come from the desktop program's own files, read at build time.
//
//   node build.mjs --core <brontel_core.mjs> --glyphs <glyphs.bin> --out <dir>

import { build } from 'esbuild';
import fontverter from 'fontverter';
import subsetFont from 'subset-font';
import { renamedFont } from './src/RenamedFont.mjs';
import { spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');
const argument = (name) => {
    const at = process.argv.indexOf(name);
    if (at < 0 || at + 1 >= process.argv.length) throw new Error(`build.mjs: ${name} missing`);
    return resolve(process.argv[at + 1]);
};
const corePath = argument('--core');
const out = argument('--out');
// The glyph atlas of saved pictures' letters, made by the desktop program (brontel-glyphs).
const glyphAtlas = gzipSync(readFileSync(argument('--glyphs')), { level: 9 }).toString('base64');

// The translations file: Czech sources, English translations, by context.
function readTranslations(path) {
    const xml = readFileSync(path, 'utf8');
    const unescape = (s) => s.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&apos;/g, "'")
        .replace(/&quot;/g, '"').replace(/&amp;/g, '&');
    const texts = {};
    for (const context of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = /<name>([\s\S]*?)<\/name>/.exec(context[1])[1];
        const table = (texts[name] ??= {});
        for (const m of context[1].matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
            const source = /<source>([\s\S]*?)<\/source>/.exec(m[1]);
            const translation = /<translation[^>]*>([\s\S]*?)<\/translation>/.exec(m[1]);
            if (source && translation && translation[1] !== '') {
                // A sentence filled in by number (%1 ... %4) must keep every place in English.
                const places = (text) => [...new Set(text.match(/%\d/g) ?? [])].sort().join();
                if (places(source[1]) !== places(translation[1])) {
                    throw new Error(`${name}: "${source[1]}" and its translation differ in %1 ... %9`);
                }
                table[unescape(source[1])] = unescape(translation[1]);
            }
        }
    }
    return texts;
}

// The help pages' bodies; their picture is drawn by the page itself from a run.
function readHelp(language) {
    const html = readFileSync(join(root, 'app/language/help', `help_${language}.html`), 'utf8');
    return /<body>([\s\S]*)<\/body>/.exec(html)[1].replace(/<img src="[^"]*"/g, '<img data-run-picture');
}

const generated = join(here, 'src/generated');
mkdirSync(generated, { recursive: true });
writeFileSync(join(generated, 'texts.json'),
    JSON.stringify(readTranslations(join(root, 'translations/brontel_en.ts'))));
writeFileSync(join(generated, 'help.json'), JSON.stringify({ cs: readHelp('cs'), en: readHelp('en') }));

const checked = spawnSync('npx', ['tsc', '--noEmit', '-p', here], { stdio: 'inherit' });
if (checked.status !== 0) process.exit(1);

const bundle = await build({
    entryPoints: [join(here, 'src/main.ts')],
    bundle: true,
    format: 'esm',
    target: 'es2022',
    minify: true,
    write: false,
    alias: { 'brontel-core': corePath },
    define: { BRONTEL_GLYPHS: JSON.stringify(glyphAtlas) },
    logLevel: 'warning',
});
// The design's serif for machines without Times New Roman or Liberation Serif: Liberation Serif
// Bold (SIL Open Font License 1.1, Debian's fonts-liberation2) cut to the glyphs of our texts.
// A cut font is a modified version, which may not carry the reserved name "Liberation": its name
// name table is replaced, and the page calls it "Brontel Serif".
const fontFile = '/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf';
const allTexts = JSON.stringify(readTranslations(join(root, 'translations/brontel_en.ts')))
    + readFileSync(join(root, 'model/WindowTexts.h'), 'utf8')
    + readFileSync(join(here, 'src/Texts.ts'), 'utf8') + '0123456789.,-+e%„“…×°';
const glyphs = [...new Set(allTexts)].filter((c) => c.codePointAt(0) >= 32).join('');
const font = await fontverter.convert(renamedFont(await subsetFont(readFileSync(fontFile), glyphs,
    { targetFormat: 'truetype' }), {
    0: 'Copyright (c) 2012 Red Hat, Inc. Digitized data copyright (c) 2010 Google Corporation.',
    1: 'Brontel Serif',
    2: 'Bold',
    3: 'Brontel Serif Bold subset',
    4: 'Brontel Serif Bold',
    6: 'BrontelSerif-Bold',
    13: 'Licensed under the SIL Open Font License, Version 1.1',
    14: 'https://openfontlicense.org',
}), 'woff2');
const fontNotice = readFileSync('/usr/share/doc/fonts-liberation2/copyright', 'utf8');
const ofl = /License: SIL-OFL-1.1\n([\s\S]*?)\n(?:License:|\n\S)/.exec(fontNotice);
const fontLicence = `The embedded font "Brontel Serif" is a subset of Liberation Serif Bold.
Copyright (c) 2012 Red Hat, Inc. with Reserved Font Name Liberation.
Digitized data copyright (c) 2010 Google Corporation with Reserved Font Arimo, Tinos and Cousine.
Licensed under the SIL Open Font License, Version 1.1:
${(ofl ? ofl[1] : 'https://openfontlicense.org').replace(/^ \.?/gm, '').replace(/--/g, '—')}`;

const script = bundle.outputFiles[0].text.replace(/<\/script/gi, '<\\/script');
const style = `@font-face { font-family: "Brontel Serif"; font-weight: bold; src: url(data:font/woff2;base64,${font.toString('base64')}) format("woff2"); }
${readFileSync(join(here, 'src/page.css'), 'utf8')}
${readFileSync(join(here, 'src/lesson/lesson.css'), 'utf8')}`;
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// Nothing may leave the page: no fetch, no fonts or scripts from elsewhere. WebAssembly needs
// 'wasm-unsafe-eval'; the inline script and style are allowed by their hashes alone.
function page({ site }) {
    const policy = [
        "default-src 'none'",
        `script-src ${hash(script)} 'wasm-unsafe-eval'`,
        `style-src ${hash(style)}`,
        site ? "img-src 'self' data: blob:" : 'img-src data: blob:',
        'font-src data:',
        site ? "manifest-src 'self'" : null,
        site ? "worker-src 'self'" : null,
        "base-uri 'none'",
        "form-action 'none'",
    ].filter(Boolean).join('; ');
    return `<!DOCTYPE html>
<!-- SPDX-FileCopyrightText: 2026 The Brontel developers -->
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<html lang="cs">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="${policy}">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Brontel</title>
${site ? '<link rel="manifest" href="manifest.webmanifest">\n<link rel="icon" href="icon.svg">\n' : ''}<style>${style}</style>
</head>
<body>
<!--
${fontLicence}
-->
<noscript>Brontel potřebuje JavaScript. Brontel needs JavaScript.</noscript>
<script type="module">${script}</script>
</body>
</html>
`;
}

mkdirSync(join(out, 'site'), { recursive: true });
const single = page({ site: false });
writeFileSync(join(out, 'brontel.html'), single);
writeFileSync(join(out, 'site/index.html'), page({ site: true }));

const icon = readFileSync(join(here, 'src/icon.svg'), 'utf8');
writeFileSync(join(out, 'site/icon.svg'), icon);
writeFileSync(join(out, 'site/manifest.webmanifest'), JSON.stringify({
    name: 'Brontel',
    short_name: 'Brontel',
    description: 'Úplný odraz světla, sečtený ze všech drah',
    lang: 'cs',
    start_url: './',
    scope: './',
    display: 'standalone',
    background_color: '#c0c0c0',
    theme_color: '#c0c0c0',
    icons: [{ src: 'icon.svg', sizes: 'any', type: 'image/svg+xml' }],
}, null, 2));
// The worker keeps the few files of the site; a new build gets a new cache name.
const version = createHash('sha256').update(single).digest('hex').slice(0, 12);
writeFileSync(join(out, 'site/sw.js'), readFileSync(join(here, 'src/sw.js'), 'utf8')
    .replace('BRONTEL_VERSION', version));

const size = (text) => `${(Buffer.byteLength(text) / 1024).toFixed(0)} KB, ${(gzipSync(text, { level: 9 }).length / 1024).toFixed(0)} KB gzip`;
console.log(`build-web: brontel.html ${size(single)}`);
