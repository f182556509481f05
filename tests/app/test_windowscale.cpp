// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window at any size: the factor that fits it, every control and the picture at their
// scaled places, texts whole at every factor, and a saved window place that is only used when
// it makes sense on the screens there are.

#include "Brontel.h"
#include "DesignScale.h"
#include "LineControl.h"
#include "OptionButton.h"
#include "PictureLayer.h"
#include "PictureSurface.h"
#include "RunWait.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QDataStream>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(std::optional<WindowState>)

namespace {
const QRect fullHd(0, 0, 1920, 1080);
const QRect secondScreen(1920, 0, 1280, 1024);

QRect expectedBox(const TwipsRect& r, double factor, QPoint origin)
{
    const auto px = [factor](int twips) {
        return int(std::lround(twips / 15.0 * factor));
    };
    return QRect(QPoint(px(r.left), px(r.top)) + origin,
                 QPoint(px(r.left + r.width) - 1, px(r.top + r.height) - 1) + origin);
}
} // namespace

class TestWindowScale : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void factorFitsTheWindow_data();
    void factorFitsTheWindow();
    void sizeSteps_data();
    void sizeSteps();
    void controlsAndPictureAtTheirScaledPlaces();
    void textsFitAtEveryFactor_data();
    void textsFitAtEveryFactor();
    void savedPlaceIsCheckedAgainstTheScreens_data();
    void savedPlaceIsCheckedAgainstTheScreens();
    void unreadableSettingsGiveNothing_data();
    void unreadableSettingsGiveNothing();
    void savedStateReadsBack();
    void startPlaceFitsTheScreen_data();
    void startPlaceFitsTheScreen();
    void restoresWhatWasSaved_data();
    void restoresWhatWasSaved();
    void hostileRecordsGiveAWindowOnTheScreen_data();
    void hostileRecordsGiveAWindowOnTheScreen();
    void sizeKeysStepTheRightWay_data();
    void sizeKeysStepTheRightWay();
    void escDuringARunStopsTheRunNotFullScreen();
    void sizeKeysDuringARunActAfterIt_data();
    void sizeKeysDuringARunActAfterIt();
};

void TestWindowScale::factorFitsTheWindow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("as designed") << QSize(763, 575) << 1.0 << QPoint(0, 0);
    QTest::newRow("twice as large") << QSize(1526, 1150) << 2.0 << QPoint(0, 0);
    QTest::newRow("full HD: height decides")
        << QSize(1920, 1080) << 1080.0 / 575 << QPoint((1920 - 1433) / 2, 0);
    QTest::newRow("tall: width decides") << QSize(763, 900) << 1.0 << QPoint(0, 162);
    QTest::newRow("4K") << QSize(3840, 2160) << 2160.0 / 575 << QPoint((3840 - 2866) / 2, 0);
    QTest::newRow("tiny: the smallest factor") << QSize(100, 50) << 0.5 << QPoint(0, 0);
}

void TestWindowScale::factorFitsTheWindow()
{
    QFETCH(QSize, window);
    QFETCH(double, factor);
    QFETCH(QPoint, origin);
    QCOMPARE(designscale::fittingFactor(window), factor);
    QCOMPARE(designscale::centredOrigin(window, factor), origin);
    if (factor > designscale::smallestFactor) {
        const QSize used = designscale::scaledSize(factor);
        QVERIFY(used.width() <= window.width() && used.height() <= window.height());
        QVERIFY(used.width() == window.width() || used.height() == window.height());
    }
}

void TestWindowScale::sizeSteps_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("largest");
    QTest::addColumn<double>("up");
    QTest::addColumn<double>("down");
    QTest::newRow("100 %") << 1.0 << 1.878 << 1.25 << 0.75;
    QTest::newRow("125 %") << 1.25 << 1.878 << 1.5 << 1.0;
    QTest::newRow("150 % on full HD: 175 % fits") << 1.5 << 1.878 << 1.75 << 1.25;
    QTest::newRow("175 % on full HD: 200 % does not") << 1.75 << 1.878 << 1.75 << 1.5;
    QTest::newRow("between steps") << 1.6 << 4.0 << 1.75 << 1.5;
    QTest::newRow("screen smaller than the design: 640 x 480 takes 75 %")
        << 1.0 << 0.8 << 1.0 << 0.75;
    QTest::newRow("75 % on 640 x 480") << 0.75 << 0.8 << 0.75 << 0.5;
    QTest::newRow("the smallest step") << 0.5 << 0.8 << 0.75 << 0.5;
}

void TestWindowScale::sizeSteps()
{
    QFETCH(double, factor);
    QFETCH(double, largest);
    QFETCH(double, up);
    QFETCH(double, down);
    QCOMPARE(designscale::nextStep(factor, largest), up);
    QCOMPARE(designscale::previousStep(factor), down);
}

void TestWindowScale::controlsAndPictureAtTheirScaledPlaces()
{
    Brontel w(Countdown(0));
    w.load();
    const QPoint origin(50, 0);
    w.resize(designscale::scaledSize(1.5) + QSize(2 * origin.x(), 0));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.factor(), 1.5);
    QCOMPARE(w.placement().origin, origin);

    // A control of the window, and one inside a frame (placed relative to its frame).
    QCOMPARE(w.control<QLineEdit>(Control::nTextIndex)->geometry(),
             expectedBox({480, 1200, 1095, 285}, 1.5, origin));
    QCOMPARE(twipsGeometry(w.control<QLineEdit>(Control::nTextIndex)),
             (TwipsRect{480, 1200, 1095, 285}));
    QCOMPARE(w.control<OptionButton>(Control::opSklo)->geometry(),
             expectedBox({120, 600, 735, 255}, 1.5, QPoint()));
    QCOMPARE(w.control<QPushButton>(Control::cmdStart)->font().pointSizeF(), 18 * 1.5);
    // The option's circle grows with its caption.
    const auto circleWidth = [](QWidget* option) {
        QStyleOptionButton look;
        look.initFrom(option);
        return option->style()
            ->subElementRect(QStyle::SE_RadioButtonIndicator, &look, option)
            .width();
    };
    const int designCircle = QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    QCOMPARE(circleWidth(w.control<OptionButton>(Control::opSklo)),
             int(std::lround(designCircle * 1.5)));

    // The picture covers the design's area and draws where the twips say.
    auto* layer = w.findChild<PictureLayer*>(QStringLiteral("picture"));
    QVERIFY(layer);
    QCOMPARE(layer->geometry(), QRect(origin, designscale::scaledSize(1.5)));
    w.picture().setDrawWidth(2);
    w.picture().line(3000, 6000, 9000, 6000, colours::white); // design row 400
    w.picture().setDrawWidth(1);
    QTest::qWait(50);
    const QImage shown = w.grab().toImage();
    const QPointF at = w.toWidgetPixels(QPointF(6000, 6000));
    QCOMPARE(at, QPointF(origin.x() + 600.0, 600.0));
    int whiteRows = 0;
    for (int y = 590; y < 610; ++y) {
        whiteRows += shown.pixel(int(at.x()), y) == qRgb(255, 255, 255) ? 1 : 0;
    }
    QCOMPARE(whiteRows, 3); // two design pixels at 1.5: three whole pixels
    QCOMPARE(shown.pixel(int(at.x()), 600), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(origin.x() + 3000 / 15 * 3 / 2 - 5, 600), qRgb(0xC0, 0xC0, 0xC0));

    // Back to the design's size: every place as designed.
    w.resetSize();
    QCOMPARE(w.factor(), 1.0);
    QCOMPARE(w.control<QLineEdit>(Control::nTextIndex)->geometry(),
             expectedBox({480, 1200, 1095, 285}, 1, QPoint()));
    QCOMPARE(circleWidth(w.control<OptionButton>(Control::opSklo)), designCircle);
    QCOMPARE(layer->geometry(), QRect(QPoint(0, 0), designscale::designSize()));
}

void TestWindowScale::textsFitAtEveryFactor_data()
{
    QTest::addColumn<double>("factor");
    for (const double factor : {1.0, 1.25, 1.5, 1.878, 2.0, 3.0}) {
        QTest::addRow("%g", factor) << factor;
    }
}

void TestWindowScale::textsFitAtEveryFactor()
{
    QFETCH(double, factor);
    Brontel w(Countdown(0));
    w.load();
    w.resize(designscale::scaledSize(factor));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(std::abs(w.factor() - factor) < 0.002);
    w.control<QLineEdit>(Control::nIndex)
        ->setText(QStringLiteral("1000000")); // the largest index a run takes
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (control->isVisible() && control->testAttribute(Qt::WA_SetFont)) {
            QVERIFY2(textFits(control), qPrintable(control->objectName()));
        }
    }
    // Fitting shrinks only what needs it: Start keeps the design's size at this factor.
    QCOMPARE(w.control<QPushButton>(Control::cmdStart)->font().pointSizeF(), 18 * w.factor());
}

void TestWindowScale::savedPlaceIsCheckedAgainstTheScreens_data()
{
    QTest::addColumn<WindowState>("saved");
    QTest::addColumn<bool>("usable");
    const auto state = [](QRect geometry, double factor = 1.5, bool fullScreen = false) {
        return WindowState{geometry, fullScreen, factor};
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("a normal window") << state({100, 80, 1145, 863}) << true;
    QTest::newRow("full screen") << state({100, 80, 763, 575}, 1, true) << true;
    QTest::newRow("on the second screen") << state({2000, 100, 1000, 800}) << true;
    QTest::newRow("partly off to the right") << state({1700, 100, 763, 575}) << true;
    QTest::newRow("bigger than every screen") << state({0, 0, 5000, 3000}) << false;
    QTest::newRow("off every screen") << state({-5000, -5000, 763, 575}) << false;
    QTest::newRow("a sliver left on a screen") << state({3190, 100, 763, 575}) << false;
    QTest::newRow("title bar above the screen") << state({100, -40, 763, 575}) << false;
    QTest::newRow("below the screens") << state({100, 1070, 763, 575}) << false;
    QTest::newRow("smaller than the window goes") << state({100, 100, 10, 10}) << false;
    QTest::newRow("negative size") << state({100, 100, -763, -575}) << false;
    QTest::newRow("factor 0") << state({100, 80, 763, 575}, 0) << false;
    QTest::newRow("factor 1e9") << state({100, 80, 763, 575}, 1e9) << false;
    QTest::newRow("factor not a number") << state({100, 80, 763, 575}, nan) << false;
    // Whatever the file says, the title row and the control panel are on a screen.
    QTest::newRow("control panel off the left edge") << state({-100, 80, 763, 575}) << false;
    QTest::newRow("right end of the title row off the last screen")
        << state({3000, 100, 763, 575}) << false;
    QTest::newRow("lower end of the panel below the second screen")
        << state({2000, 600, 763, 575}) << false;
}

void TestWindowScale::savedPlaceIsCheckedAgainstTheScreens()
{
    QFETCH(WindowState, saved);
    QFETCH(bool, usable);
    const auto result = usableWindowState(saved, {fullHd, secondScreen});
    QCOMPARE(result.has_value(), usable);
    if (usable) {
        QCOMPARE(*result, saved);
    }
}

void TestWindowScale::unreadableSettingsGiveNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[\x01=\x02\n", 10);
    QTest::newRow("width is text") << QByteArray("[window]\nx=10\ny=10\nwidth=wide\nheight=575\n"
                                                 "fullScreen=false\nfactor=1\n");
    QTest::newRow("factor missing")
        << QByteArray("[window]\nx=10\ny=10\nwidth=763\nheight=575\nfullScreen=false\n");
    QTest::newRow("full screen neither true nor false")
        << QByteArray("[window]\nx=10\ny=10\nwidth=763\nheight=575\nfullScreen=maybe\nfactor=1\n");
    // Places whose right or lower edge does not fit an int: no rectangle can even hold them.
    QTest::newRow("x overflows past the right edge")
        << QByteArray("[window]\nx=2147483000\ny=80\nwidth=763\nheight=575\n"
                      "fullScreen=false\nfactor=1\n");
    QTest::newRow("y overflows past the bottom")
        << QByteArray("[window]\nx=100\ny=2147483000\nwidth=763\nheight=575\n"
                      "fullScreen=false\nfactor=1\n");
    QTest::newRow("width near the largest number")
        << QByteArray("[window]\nx=100\ny=80\nwidth=2147483000\nheight=575\n"
                      "fullScreen=false\nfactor=1\n");
    QTest::newRow("number too large for a pixel")
        << QByteArray("[window]\nx=99999999999999\ny=10\nwidth=763\nheight=575\n"
                      "fullScreen=false\nfactor=1\n");
}

void TestWindowScale::unreadableSettingsGiveNothing()
{
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Brontel.conf"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    const QSettings settings(path, QSettings::IniFormat);
    QVERIFY(!readWindowState(settings).has_value());

    // The window given such a file keeps the design's start.
    Brontel w(Countdown(0));
    QVERIFY(!restoreWindow(w, settings));
    QCOMPARE(w.size(), designscale::designSize());
}

void TestWindowScale::savedStateReadsBack()
{
    // The six keys earlier versions wrote are still read.
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("Brontel.conf")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/x"), 40);
    settings.setValue(QStringLiteral("window/y"), 60);
    settings.setValue(QStringLiteral("window/width"), 572);
    settings.setValue(QStringLiteral("window/height"), 431);
    settings.setValue(QStringLiteral("window/fullScreen"), true);
    settings.setValue(QStringLiteral("window/factor"), 0.75);
    settings.sync();
    const WindowState state{QRect(40, 60, 572, 431), true, 0.75};
    QCOMPARE(readWindowState(settings), std::optional(state));

    Brontel w(Countdown(0));
    QVERIFY(restoreWindow(w, settings));
    QVERIFY(w.isFullScreen());
    QCOMPARE(w.normalGeometry(), state.geometry);
    // The next save replaces them with the window system's record.
    saveWindow(settings, w, 0.75);
    settings.sync();
    QVERIFY(!settings.contains(QStringLiteral("window/x")));
    QVERIFY(!settings.contains(QStringLiteral("window/fullScreen")));
    QVERIFY(settings.contains(QStringLiteral("window/geometry")));
}

void TestWindowScale::startPlaceFitsTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("place"); // none: the design as it is, where the window system likes
    QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << QRect();
    QTest::newRow("800 x 603: just fits") << QRect(0, 0, 800, 603) << QRect();
    // 640 x 480 less the frame leaves 632 x 452: the height decides, 452 / 575.
    QTest::newRow("640 x 480") << QRect(0, 0, 640, 480)
                               << QRect(QPoint(4 + (632 - 600) / 2, 24), QSize(600, 452));
    QTest::newRow("800 x 602: one pixel short")
        << QRect(0, 0, 800, 602) << QRect(QPoint(4 + (792 - 762) / 2, 24), QSize(762, 574));
    QTest::newRow("a panel above, a second screen to the right")
        << QRect(1280, 30, 640, 450) << QRect(QPoint(1284 + (632 - 560) / 2, 54), QSize(560, 422));
}

void TestWindowScale::startPlaceFitsTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QRect, place);
    const auto start = startPlace(available, QMargins(4, 24, 4, 4));
    QCOMPARE(start.has_value(), place.isValid());
    if (start) {
        QCOMPARE(*start, place);
        QVERIFY(available.contains(start->marginsAdded(QMargins(4, 24, 4, 4))));
    }
}

void TestWindowScale::restoresWhatWasSaved_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<double>("factor");
    QTest::newRow("normal, 75 %") << "normal" << 0.75;
    QTest::newRow("normal, 100 %") << "normal" << 1.0;
    QTest::newRow("maximised") << "maximised" << 0.75;
    QTest::newRow("full screen") << "full screen" << 0.75;
}

void TestWindowScale::restoresWhatWasSaved()
{
    QFETCH(QString, state);
    QFETCH(double, factor);
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("Brontel.conf")), QSettings::IniFormat);
    const QRect place(QPoint(10, 40), designscale::scaledSize(factor));
    {
        Brontel before(Countdown(0));
        before.load();
        before.setGeometry(place);
        before.show();
        QVERIFY(QTest::qWaitForWindowExposed(&before));
        if (state == QLatin1String("maximised")) {
            before.showMaximized();
            QTRY_VERIFY(before.isMaximized());
        } else if (state == QLatin1String("full screen")) {
            before.toggleFullScreen();
            QTRY_VERIFY(before.isFullScreen());
        }
        QTRY_COMPARE(before.normalPlace(), place);
        saveWindow(settings, before, designscale::fittingFactor(before.normalPlace().size()));
        settings.sync();
    }

    Brontel w(Countdown(0));
    w.load();
    const bool fullScreen = restoreWindow(w, settings);
    QCOMPARE(fullScreen, state == QLatin1String("full screen"));
    if (fullScreen) {
        w.showFullScreenEverywhere();
    } else {
        w.show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.isMaximized(), state == QLatin1String("maximised"));
    QTRY_COMPARE(w.isFullScreen(), fullScreen);
    if (state == QLatin1String("normal")) {
        QCOMPARE(w.geometry(), place);
        QCOMPARE(w.factor(), factor);
    } else {
        // Covering the screen; back to the normal window, the saved place and factor.
        QTRY_VERIFY(w.factor() > factor);
        if (fullScreen) {
            QTest::keyClick(w.control<QPushButton>(Control::cmdStart), Qt::Key_F11);
        } else {
            w.showNormal();
        }
        QTRY_COMPARE(w.geometry(), place);
        QTRY_COMPARE(w.factor(), factor);
    }
}

namespace {
// A record as QWidget::saveGeometry writes it (version 3.0).
QByteArray geometryRecord(QRect frame, QRect normal, qint32 screen = 0, bool fullScreen = false,
                          qint32 screenWidth = 800)
{
    QByteArray record;
    QDataStream stream(&record, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << frame << normal << screen
           << quint8(0) << quint8(fullScreen ? Qt::WindowFullScreen : 0) << screenWidth << normal;
    return record;
}
} // namespace

void TestWindowScale::hostileRecordsGiveAWindowOnTheScreen_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<bool>("restored"); // else the design's start
    QTest::addColumn<QRect>("place");   // where restored
    const QRect fine(10, 40, 572, 431);
    QTest::newRow("sound: restored") << geometryRecord(fine, fine) << "0.75" << true << fine;
    QTest::newRow("the factor gives the size")
        << geometryRecord(fine, fine) << "1" << true << QRect(10, 40, 763, 575);
    QTest::newRow("a factor too large for the screen: the size as saved")
        << geometryRecord(fine, fine) << "2" << true << fine;
    QTest::newRow("garbage bytes")
        << QByteArray::fromHex("010267617262616765ff") << "1" << false << QRect();
    QTest::newRow("cut short") << geometryRecord(fine, fine).left(30) << "0.75" << false << QRect();
    QTest::newRow("another format's magic")
        << geometryRecord(fine, fine).replace(0, 4, QByteArray(4, '\x7f')) << "0.75" << false
        << QRect();
    QTest::newRow("far off any screen")
        << geometryRecord(QRect(90000, 90000, 763, 575), QRect(90000, 90000, 763, 575)) << "1"
        << false << QRect();
    QTest::newRow("huge size") << geometryRecord(QRect(0, 0, 900000, 900000),
                                                 QRect(0, 0, 900000, 900000))
                               << "1" << false << QRect();
    QTest::newRow("corners past any int")
        << geometryRecord(QRect(QPoint(-2147483000, -2147483000), QPoint(2147483000, 2147483000)),
                          QRect(QPoint(-2147483000, -2147483000), QPoint(2147483000, 2147483000)))
        << "1" << false << QRect();
    QTest::newRow("negative size")
        << geometryRecord(QRect(100, 100, -763, -575), QRect(100, 100, -763, -575)) << "1" << false
        << QRect();
    QTest::newRow("screen that is not there") // Qt takes the first screen
        << geometryRecord(fine, fine, 7) << "0.75" << true << fine;
    QTest::newRow("factor not a number") << geometryRecord(fine, fine) << "nan" << false << QRect();
    QTest::newRow("factor missing") << geometryRecord(fine, fine) << "" << false << QRect();
    QTest::newRow("factor 1e9") << geometryRecord(fine, fine) << "1e9" << false << QRect();
}

void TestWindowScale::hostileRecordsGiveAWindowOnTheScreen()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, factor);
    QFETCH(bool, restored);
    QTemporaryDir dir;
    QFETCH(QRect, place);
    const QString path = dir.filePath(QStringLiteral("Brontel.conf"));
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue(QStringLiteral("window/geometry"), record);
        if (!factor.isEmpty()) {
            file.setValue(QStringLiteral("window/factor"), factor);
        }
    }
    const QSettings settings(path, QSettings::IniFormat);
    Brontel w(Countdown(0));
    w.load();
    QVERIFY(!restoreWindow(w, settings));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY2(
        screen.contains(w.frameGeometry()),
        qPrintable(
            QStringLiteral("%1,%2 %3x%4").arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height())));
    QVERIFY(!w.isFullScreen() && !w.isMaximized());
    if (restored) {
        QCOMPARE(w.geometry(), place);
    } else {
        QCOMPARE(w.size(), designscale::designSize());
        QCOMPARE(w.factor(), 1.0);
    }
}

void TestWindowScale::sizeKeysStepTheRightWay_data()
{
    // Keys pressed in the angle field, one after another, from the design's size.
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("fullScreen");
    const QKeyCombination minus(Qt::ControlModifier, Qt::Key_Minus);
    const QKeyCombination plus(Qt::ControlModifier, Qt::Key_Plus);
    const QKeyCombination zero(Qt::ControlModifier, Qt::Key_0);
    const QKeyCombination f11(Qt::Key_F11);
    const QKeyCombination escape(Qt::Key_Escape);
    QTest::newRow("Ctrl+minus: smaller") << QList{minus} << 0.75 << false;
    QTest::newRow("twice: smaller still") << QList{minus, minus} << 0.5 << false;
    QTest::newRow("Ctrl+minus, Ctrl+plus: back") << QList{minus, plus} << 1.0 << false;
    QTest::newRow("Ctrl+0: the design's size") << QList{minus, minus, zero} << 1.0 << false;
    QTest::newRow("F11: full screen") << QList{f11} << -1.0 << true;
    QTest::newRow("Esc leaves full screen") << QList{f11, escape} << 1.0 << false;
    QTest::newRow("F11 again leaves it") << QList{f11, f11} << 1.0 << false;
    QTest::newRow("F11 three times: full screen") << QList{f11, f11, f11} << -1.0 << true;
    QTest::newRow("Esc twice: out and no more") << QList{f11, escape, escape} << 1.0 << false;
    QTest::newRow("Ctrl+minus in full screen: a smaller window")
        << QList{f11, minus} << 0.75 << false;
    QTest::newRow("smaller, full screen and back: still smaller")
        << QList{minus, f11, f11} << 0.75 << false;
}

void TestWindowScale::sizeKeysStepTheRightWay()
{
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(double, factor);
    QFETCH(bool, fullScreen);
    Brontel w(Countdown(0));
    w.load();
    w.move(12, 34); // a place of its own, to come back to
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.factor(), 1.0);
    const QPoint corner = w.geometry().topLeft();
    for (const QKeyCombination key : keys) {
        QTest::keyClick(w.control<QLineEdit>(Control::nAlfa), key.key(), key.keyboardModifiers());
    }
    QTRY_COMPARE(w.isFullScreen(), fullScreen);
    if (factor > 0) {
        QTRY_COMPARE(w.factor(), factor);
        // The window's own place, at the size the keys asked for.
        QTRY_COMPARE(w.geometry(), QRect(corner, designscale::scaledSize(factor)));
    } else {
        QTRY_COMPARE(w.geometry(), w.screen()->geometry());
        QCOMPARE(w.normalPlace(), QRect(corner, designscale::designSize()));
    }
}

void TestWindowScale::escDuringARunStopsTheRunNotFullScreen()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.toggleFullScreen();
    QTRY_VERIFY(w.isFullScreen());
    int steps = 0;
    bool fullScreenAfterEsc = false;
    const auto pressing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 10) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            fullScreenAfterEsc = w.isFullScreen();
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(pressing);
    QVERIFY2(steps < 467, "Esc stops the run");
    QVERIFY(fullScreenAfterEsc);
    QCoreApplication::processEvents();
    QVERIFY(w.isFullScreen()); // nor after the run: that Esc was the run's
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!w.isFullScreen());
}

void TestWindowScale::sizeKeysDuringARunActAfterIt_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<double>("factor"); // after the run; none for full screen
    QTest::newRow("F11") << QKeyCombination(Qt::Key_F11) << -1.0;
    QTest::newRow("Ctrl+minus") << QKeyCombination(Qt::ControlModifier, Qt::Key_Minus) << 0.75;
}

void TestWindowScale::sizeKeysDuringARunActAfterIt()
{
    QFETCH(QKeyCombination, key);
    QFETCH(double, factor);
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    int steps = 0;
    QSize sizeDuringRun;
    bool fullScreenDuringRun = true;
    const auto pressing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 10) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        } else if (steps == 20) {
            sizeDuringRun = w.size();
            fullScreenDuringRun = w.isFullScreen();
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(pressing);
    QCOMPARE(steps, 467);
    QCOMPARE(sizeDuringRun, designscale::designSize());
    QVERIFY(!fullScreenDuringRun);
    if (factor > 0) {
        QTRY_COMPARE(w.factor(), factor);
    } else {
        QTRY_VERIFY(w.isFullScreen());
    }
}

QTEST_MAIN(TestWindowScale)
#include "test_windowscale.moc"
