// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NativeFileName.h"

namespace {
constexpr char16_t escapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i], or 0 if there is none.
qsizetype validSequence(const QByteArray& bytes, qsizetype i)
{
    const auto byte = [&bytes](qsizetype at) {
        return static_cast<unsigned char>(bytes[at]);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return 1;
    }
    qsizetype length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    for (qsizetype k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not valid UTF-8.
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}
} // namespace

QString fileNameFromNative(const QByteArray& bytes)
{
    QString name;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = validSequence(bytes, i);
        if (length == 0) {
            name += QChar(char16_t(escapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            name += QString::fromUtf8(bytes.mid(i, length));
            i += length;
        }
    }
    return name;
}

QByteArray nativeFileName(const QString& name)
{
    QByteArray bytes;
    qsizetype i = 0;
    while (i < name.size()) {
        const char16_t unit = name[i].unicode();
        // A pair of surrogates is consumed whole below, so a low one here stands alone.
        if (unit >= escapeBase + 0x80 && unit <= escapeBase + 0xFF) {
            bytes += char(unit - escapeBase);
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (name[i].isHighSurrogate() && end < name.size() && name[end].isLowSurrogate()) {
            ++end;
        }
        bytes += name.mid(i, end - i).toUtf8();
        i = end;
    }
    return bytes;
}
