// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen smaller than the design, 640 x 480 (CTest gives the off-screen platform one): the
// window opens wholly on it, scaled down to fit and centred, its title bar on the screen; the
// size keys still step it down, full screen comes back to the same place, and Ctrl+0 gives as
// much of the design's size as fits.

#include "Brontel.h"
#include "DesignScale.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSmallScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void opensWhollyOnTheScreen();
    void sizeKeysStepDownAndFullScreenReturns();

private:
    // A window started as the program starts it, with no saved place.
    static std::unique_ptr<Brontel> started();
};

void TestSmallScreen::initTestCase()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    if (screen->geometry().size() != QSize(640, 480)) {
        QSKIP("needs the 640 x 480 screen that CTest gives the off-screen platform");
    }
}

std::unique_ptr<Brontel> TestSmallScreen::started()
{
    auto w = std::make_unique<Brontel>(Countdown(0));
    w->load();
    QTemporaryDir dir;
    const QSettings nothing(dir.filePath(QStringLiteral("Brontel.conf")), QSettings::IniFormat);
    if (restoreWindow(*w, nothing)) {
        w->showFullScreenEverywhere();
    } else {
        w->show();
    }
    return w;
}

void TestSmallScreen::opensWhollyOnTheScreen()
{
    const auto w = started();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QRect screen = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                                    .arg(frame.x())
                                                    .arg(frame.y())
                                                    .arg(frame.width())
                                                    .arg(frame.height())));
    QVERIFY(w->factor() < 1);
    // As large as fits: the design fills the window, no grey beside it.
    QCOMPARE(w->size(), designscale::scaledSize(w->factor()));
    // Centred across the screen.
    QVERIFY(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 1);
}

void TestSmallScreen::sizeKeysStepDownAndFullScreenReturns()
{
    const auto w = started();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const double opened = w->factor();
    QTest::keyClick(w->control<QLineEdit>(Control::nAlfa), Qt::Key_Minus, Qt::ControlModifier);
    QTRY_COMPARE(w->factor(), designscale::previousStep(opened));
    QVERIFY(w->factor() < opened);
    const QRect smaller = w->geometry();
    const double smallerFactor = w->factor();
    QTest::keyClick(w->control<QLineEdit>(Control::nAlfa), Qt::Key_F11);
    QTRY_COMPARE(w->geometry(), QRect(0, 0, 640, 480));
    QTest::keyClick(w->control<QLineEdit>(Control::nAlfa), Qt::Key_Escape);
    QTRY_COMPARE(w->geometry(), smaller);
    // The design's size does not fit: Ctrl+0 gives as much of it as fits, wholly on the screen.
    QTest::keyClick(w->control<QLineEdit>(Control::nAlfa), Qt::Key_0, Qt::ControlModifier);
    QTRY_VERIFY(w->factor() > smallerFactor);
    QVERIFY(w->factor() < 1);
    QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
}

QTEST_MAIN(TestSmallScreen)
#include "test_smallscreen.moc"
