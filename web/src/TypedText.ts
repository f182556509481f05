// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text typed into a field, as the core is given it. A lone half of a surrogate pair is no
// character: UTF-8 cannot carry it, and the conversion to the core's UTF-8 would join it with
// whatever follows into another character (U+D800 alone became U+10000). It goes as U+FFFD, the
// character that stands for one that could not be read.
export function wellFormed(text: string): string {
    return text.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g, '\uFFFD');
}
