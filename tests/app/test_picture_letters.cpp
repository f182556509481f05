// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's letters against the window's: a saved picture's captions on their grounds and its
// settings line set from the glyph atlas, pixel for pixel, into the picture saved without them.

#include "GlyphAtlasMaker.h"
#include "Language.h"
#include "LetterPixels.h"
#include "PictureLettering.h"
#include "PictureLetters.h"
#include "ScenePicture.h"
#include "SceneSvg.h"
#include "WindowModel.h"

#include <QTest>

namespace {
PixelCanvas canvasOf(QImage& image)
{
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            image.width()};
}

int differing(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            count += p[x] != q[x] ? 1 : 0;
        }
    }
    return count;
}
} // namespace

class TestPictureLetters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lettersAreTheWindows_data();
    void lettersAreTheWindows();
    void aLineWithoutItsGlyphsIsLeftToThePage();

private:
    GlyphAtlas m_atlas;
};

void TestPictureLetters::initTestCase()
{
    GlyphAtlas made;
    for (const Language language : {Language::Czech, Language::English}) {
        QVERIFY(installLanguage(language));
        addPictureLetters(made);
    }
    // Through its bytes, as the page gets it.
    const std::optional<GlyphAtlas> read = GlyphAtlas::fromBytes(made.bytes());
    QVERIFY(read);
    m_atlas = *read;
}

void TestPictureLetters::lettersAreTheWindows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("substance");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("typedAngle"); // typed in the field before a run; empty: a run

    const Control substances[] = {Control::opVoda, Control::opSklo};
    const Control angles[] = {Control::opMenší, Control::opVětší, Control::opMezní};
    const Control distances[] = {Control::opMaláDistance, Control::opStředníDistance,
                                 Control::opVelkáDistance};
    // Every setting in both languages, the three sizes taken in turn.
    int row = 0;
    for (const char* language : {"cs", "en"}) {
        for (const Control substance : substances) {
            for (const Control angle : angles) {
                for (const Control distance : distances) {
                    const int times = GlyphAtlas::scales[std::size_t(row++ % 3)];
                    QTest::addRow("%s %s %s %s %dx", language, nameOf(substance).data(),
                                  nameOf(angle).data(), nameOf(distance).data(), times)
                        << QString::fromLatin1(language) << int(substance) << int(angle)
                        << int(distance) << times << QString();
                }
            }
        }
    }
    // Before any run the line names what Start would run, as typed.
    for (const int times : GlyphAtlas::scales) {
        QTest::addRow("typed, %dx", times)
            << QStringLiteral("cs") << int(Control::opSklo) << int(Control::opMenší)
            << int(Control::opMaláDistance) << times << QStringLiteral(" 41,25e0 ");
    }
}

void TestPictureLetters::lettersAreTheWindows()
{
    QFETCH(QString, language);
    QFETCH(int, substance);
    QFETCH(int, angle);
    QFETCH(int, distance);
    QFETCH(int, times);
    QFETCH(QString, typedAngle);

    QVERIFY(installLanguage(*languageFromCode(language)));
    DrawingList drawing;
    WindowModel model(drawing);
    model.setNumberFormat({","});
    model.load();
    for (const int option : {substance, angle, distance}) {
        model.click(Control(option));
    }
    if (typedAngle.isEmpty()) {
        QVERIFY(!model.start());
        while (!model.runOver()) {
            model.step();
        }
        model.endRun();
    } else {
        model.setText(Control::nAlfa, typedAngle.toStdString());
    }
    const ScenePicture picture(model, drawing);
    const QImage window = picture.image(times);
    QImage page = picture.image(times, ScenePicture::Lettering::LeftOut);
    QVERIFY(!window.isNull() && window.size() == page.size());
    QVERIFY(differing(window, page) > 0); // the letters were left out
    const LettersLeft left = letterPicture(
        canvasOf(page), m_atlas, model.lastCurves() ? model.runPanel() : model.panel(),
        [](Control c) { return captionText(c).toStdString(); },
        picture.settingsLine().toStdString(), times);
    QVERIFY(left.captions.empty());
    QVERIFY(!left.settingsLine);
    QCOMPARE(differing(window, page), 0);
}

// A character the atlas has no glyph for (a field's text before a run may hold any) leaves the
// whole line to the page, with nothing written.
void TestPictureLetters::aLineWithoutItsGlyphsIsLeftToThePage()
{
    QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const QImage before = image;
    QVERIFY(!writeLine(canvasOf(image), m_atlas, "úhel 35° ≈ π/5", {2, 2, 190, 24}, 1));
    QVERIFY(!writeLine(canvasOf(image), m_atlas, "úhel 35°", {2, 2, 190, 24}, 3));
    QVERIFY(!writeLine(canvasOf(image), m_atlas, "\xC3", {2, 2, 190, 24}, 1)); // not UTF-8
    QCOMPARE(image, before);
    QVERIFY(writeLine(canvasOf(image), m_atlas, "úhel 35°", {2, 2, 190, 24}, 1));
    QVERIFY(image != before);
}

QTEST_MAIN(TestPictureLetters)
#include "test_picture_letters.moc"
