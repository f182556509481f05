// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Gives a TrueType font a new name table: a cut-down font is a modified version, which the SIL
// Open Font License forbids to carry the original's reserved name. Used by build.mjs.

const u16 = (view, at) => view.getUint16(at);

function checksum(bytes) {
    const padded = new Uint8Array((bytes.length + 3) & ~3);
    padded.set(bytes);
    const view = new DataView(padded.buffer);
    let sum = 0;
    for (let i = 0; i < padded.length; i += 4) sum = (sum + view.getUint32(i)) >>> 0;
    return sum;
}

// names: nameID -> text; written for Windows, Unicode BMP, US English.
function nameTable(names) {
    const entries = Object.entries(names).map(([id, text]) => {
        const bytes = new Uint8Array(text.length * 2);
        const view = new DataView(bytes.buffer);
        for (let i = 0; i < text.length; ++i) view.setUint16(i * 2, text.charCodeAt(i));
        return { id: Number(id), bytes };
    }).sort((a, b) => a.id - b.id);
    const header = 6 + entries.length * 12;
    const size = header + entries.reduce((n, e) => n + e.bytes.length, 0);
    const table = new Uint8Array(size);
    const view = new DataView(table.buffer);
    view.setUint16(0, 0);
    view.setUint16(2, entries.length);
    view.setUint16(4, header);
    let offset = 0;
    entries.forEach((e, i) => {
        const at = 6 + i * 12;
        [3, 1, 0x409, e.id, e.bytes.length, offset].forEach((v, k) => view.setUint16(at + k * 2, v));
        table.set(e.bytes, header + offset);
        offset += e.bytes.length;
    });
    return table;
}

export function renamedFont(font, names) {
    const source = new Uint8Array(font);
    const view = new DataView(source.buffer, source.byteOffset, source.byteLength);
    const count = u16(view, 4);
    const tables = [];
    for (let i = 0; i < count; ++i) {
        const at = 12 + i * 16;
        const tag = String.fromCharCode(...source.subarray(at, at + 4));
        const offset = view.getUint32(at + 8);
        const length = view.getUint32(at + 12);
        tables.push({ tag, bytes: tag === 'name' ? nameTable(names) : source.slice(offset, offset + length) });
    }
    tables.sort((a, b) => (a.tag < b.tag ? -1 : 1));
    const head = tables.find((t) => t.tag === 'head');
    new DataView(head.bytes.buffer).setUint32(8, 0); // checkSumAdjustment, set below
    let size = 12 + count * 16;
    const places = tables.map((t) => {
        const at = size;
        size += (t.bytes.length + 3) & ~3;
        return at;
    });
    const out = new Uint8Array(size);
    const outView = new DataView(out.buffer);
    out.set(source.subarray(0, 12));
    tables.forEach((t, i) => {
        const at = 12 + i * 16;
        for (let k = 0; k < 4; ++k) out[at + k] = t.tag.charCodeAt(k);
        outView.setUint32(at + 4, checksum(t.bytes));
        outView.setUint32(at + 8, places[i]);
        outView.setUint32(at + 12, t.bytes.length);
        out.set(t.bytes, places[i]);
    });
    const headAt = places[tables.indexOf(head)];
    outView.setUint32(headAt + 8, (0xb1b0afba - checksum(out)) >>> 0);
    return Buffer.from(out);
}
