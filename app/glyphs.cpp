// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// brontel-glyphs FILE: writes the glyph atlas of saved pictures' letters, in both languages, for
// the page to set the pixels the desktop program sets. Run when the page is built.

#include "GlyphAtlasMaker.h"
#include "Language.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: brontel-glyphs FILE\n", stderr);
        return 2;
    }
    // The letters of a picture saved without a window, as brontel --picture saves it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    GlyphAtlas atlas;
    for (const Language language : {Language::Czech, Language::English}) {
        if (!installLanguage(language)) {
            return 1;
        }
        addPictureLetters(atlas);
    }
    const std::vector<std::uint8_t> bytes = atlas.bytes();
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        !file.commit()) {
        std::fprintf(stderr, "brontel-glyphs: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu glyphs, %zu captions, %zu bytes\n", atlas.glyphCount(), atlas.captionCount(),
                bytes.size());
    return 0;
}
