// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The glyph atlas as bytes: what goes in comes out, and bytes that are not a whole atlas are
// refused rather than read past their end or trusted for a size.

#include "GlyphAtlas.h"
#include "LetterPixels.h"

#include <QTest>

namespace {
CoverageMask mask(int left, int top, int width, int height, std::uint8_t first)
{
    CoverageMask m{left, top, width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        m.coverage.push_back(std::uint8_t(first + i));
    }
    return m;
}

GlyphAtlas smallAtlas()
{
    GlyphAtlas atlas;
    atlas.setLineFont(753, 176);
    for (const char32_t code : {U'a', U'ů', U'1'}) {
        GlyphAtlas::Glyph g;
        g.code = code;
        g.advance64 = 400 + int(code % 64);
        for (std::size_t s = 0; s < GlyphAtlas::scales.size(); ++s) {
            for (int p = 0; p < GlyphAtlas::phases; ++p) {
                g.masks[s][std::size_t(p)] = mask(p, -9, 2 + int(s), 3, std::uint8_t(code + s));
            }
        }
        atlas.addGlyph(g);
    }
    atlas.addKerning(U'a', U'1', -46);
    atlas.addCaption(
        {"Detektor H", 2, 5800, 4600, {mask(800, 530, 4, 2, 7), mask(810, 530, 1, 1, 200)}});
    return atlas;
}
} // namespace

class TestGlyphAtlas : public QObject
{
    Q_OBJECT

private slots:
    void bytesGiveTheSameAtlas();
    void bytesThatAreNotAWholeAtlasAreRefused_data();
    void bytesThatAreNotAWholeAtlasAreRefused();
    void glyphsFallOnTheQuarterTheirPlaceReaches_data();
    void glyphsFallOnTheQuarterTheirPlaceReaches();
};

void TestGlyphAtlas::bytesGiveTheSameAtlas()
{
    const GlyphAtlas atlas = smallAtlas();
    const std::optional<GlyphAtlas> read = GlyphAtlas::fromBytes(atlas.bytes());
    QVERIFY(read);
    QCOMPARE(read->bytes(), atlas.bytes());
    QCOMPARE(read->ascent64(), 753);
    QCOMPARE(read->kerning(U'a', U'1'), -46);
    QCOMPARE(read->kerning(U'1', U'a'), 0);
    QVERIFY(read->glyph(U'ů'));
    QCOMPARE(read->glyph(U'ů')->masks[2][3], atlas.glyph(U'ů')->masks[2][3]);
    QVERIFY(!read->glyph(U'b'));
    const GlyphAtlas::Caption* caption = read->caption("Detektor H", 2, 5800, 4600);
    QVERIFY(caption);
    QCOMPARE(caption->layers.size(), std::size_t(2));
    QVERIFY(!read->caption("Detektor H", 1, 5800, 4600));
}

void TestGlyphAtlas::bytesThatAreNotAWholeAtlasAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const std::vector<std::uint8_t> whole = smallAtlas().bytes();
    const auto asBytes = [](const std::vector<std::uint8_t>& b) {
        return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
    };
    // Cut anywhere: in the head, inside a mask, inside the kerning, inside a caption's text.
    for (const std::size_t length :
         {std::size_t(0), std::size_t(3), std::size_t(10), std::size_t(40), whole.size() / 2,
          whole.size() - 60, whole.size() - 1}) {
        QTest::addRow("cut to %zu bytes", length)
            << asBytes({whole.begin(), whole.begin() + std::ptrdiff_t(length)});
    }
    std::vector<std::uint8_t> longer = whole;
    longer.push_back(0);
    QTest::newRow("a byte too many") << asBytes(longer);
    std::vector<std::uint8_t> other = whole;
    other[3] = '2';
    QTest::newRow("another version") << asBytes(other);
    // The count of glyphs says four thousand million: no atlas is read for it.
    std::vector<std::uint8_t> huge = whole;
    std::fill(huge.begin() + 12, huge.begin() + 16, 0xFF);
    QTest::newRow("a count beyond the bytes") << asBytes(huge);
    // The first mask's width says two thousand million.
    std::vector<std::uint8_t> wide = whole;
    wide[16 + 8 + 8 + 3] = 0x7F;
    QTest::newRow("a mask wider than any") << asBytes(wide);
}

void TestGlyphAtlas::bytesThatAreNotAWholeAtlasAreRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!GlyphAtlas::fromBytes(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}));
}

void TestGlyphAtlas::glyphsFallOnTheQuarterTheirPlaceReaches_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<int>("phase");
    QTest::newRow("whole") << 12.0 << 12 << 0;
    QTest::newRow("14/64 short of a quarter") << 12 + 14 / 64.0 << 12 << 0;
    QTest::newRow("a 64th short of a quarter counts") << 12 + 15 / 64.0 << 12 << 1;
    QTest::newRow("half") << 12.5 << 12 << 2;
    QTest::newRow("a 64th short of three quarters") << 12 + 47 / 64.0 << 12 << 3;
    QTest::newRow("a 64th short of the next pixel") << 12 + 63 / 64.0 << 13 << 0;
    // Held in 64ths cut towards zero: a third of a 64th past 15 is still 15.
    QTest::newRow("between 64ths") << 12 + 15.33 / 64 << 12 << 1;
    QTest::newRow("just under 15/64") << 12 + 14.99 / 64 << 12 << 0;
}

void TestGlyphAtlas::glyphsFallOnTheQuarterTheirPlaceReaches()
{
    QFETCH(double, x);
    QFETCH(int, pixel);
    QFETCH(int, phase);
    const GlyphPlace place = glyphPlace(x);
    QCOMPARE(place.x, pixel);
    QCOMPARE(place.phase, phase);
}

QTEST_APPLESS_MAIN(TestGlyphAtlas)
#include "test_glyph_atlas.moc"
