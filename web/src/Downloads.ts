// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results leave the page as downloads: nothing is sent anywhere.
export function download(name: string, data: Blob): void {
    const url = URL.createObjectURL(data);
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    // The browser has taken the file once the click is handled.
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

export function downloadCanvas(name: string, canvas: HTMLCanvasElement): void {
    canvas.toBlob((blob) => {
        if (blob !== null) download(name, blob);
    }, 'image/png');
}
