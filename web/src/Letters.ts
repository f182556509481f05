// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The letters of saved pictures as the desktop program sets them: the glyph atlas its font
// rasteriser made when the page was built, carried in the page packed, unpacked once at start.
// Without it (a browser that cannot unpack) the browser's own letters stand in.
import type { CoreModule, ExportLetters } from 'brontel-core';

// The atlas, gzip in base64, put in by build.mjs; empty when the page was built without one.
declare const BRONTEL_GLYPHS: string;

let letters: ExportLetters | undefined;

export async function loadLetters(module: CoreModule): Promise<void> {
    if (BRONTEL_GLYPHS === '' || typeof DecompressionStream === 'undefined') return;
    const packed = Uint8Array.from(atob(BRONTEL_GLYPHS), (c) => c.charCodeAt(0));
    const unpacked = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    const atlas = new Uint8Array(await new Response(unpacked).arrayBuffer());
    const made = new module.ExportLetters();
    if (made.load(atlas)) {
        letters = made;
        document.body.dataset.letters = 'desktop';
    } else {
        made.delete();
    }
}

export function exportLetters(): ExportLetters | undefined {
    return letters;
}
