// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Served as a site (with its manifest), the page keeps a copy of itself for use offline; opened
// from a file it has nowhere to keep one.
export function keepOfflineCopy(): void {
    const manifest = document.querySelector('link[rel="manifest"]');
    if (manifest && location.protocol.startsWith('http') && 'serviceWorker' in navigator) {
        navigator.serviceWorker.register('sw.js').catch((e: unknown) => console.warn('Brontel: no offline copy', e));
    }
}
