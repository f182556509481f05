// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program in a real X window: clicks, keys and the close box reach it as they reach
// it on a desktop, and what it draws is read back from the screen.

#include "HomePage.h"
#include "ProgramWindow.h"
#include "RunFigures.h"
#include "RunSettings.h"
#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QRect>
#include <QTest>
#include <QThread>

#include <cmath>
#include <memory>

namespace {
constexpr double twipsPerPixel = 15;
constexpr QRgb substanceGreen = qRgb(192, 255, 192);
constexpr QRgb sceneGrey = qRgb(192, 192, 192);
constexpr int runTimeoutMs = 300'000; // generous: the sanitizer build runs much slower
constexpr int exitTimeoutMs = 60'000;
constexpr int tolerancePx = 2;

// Centres of the controls the tests press, in twips of the client area.
constexpr QPoint startButton(6840 + 975 / 2, 375 / 2);
constexpr QPoint konecButton(8040 + 1215 / 2, 375 / 2);
constexpr QPoint skloOption(480 + 120 + 735 / 2, 1800 + 600 + 255 / 2);
constexpr QPoint indexField(720 + 855 / 2, 1440 + 330 / 2);
constexpr QPoint option60(480 + 480 + 615 / 4, 5400 + 720 + 255 / 2);
// The pace scroll bar: its thumb at the start-up value 0 (just right of the left arrow), the
// place a tenth of the way along the bar, and its right end, the slowest pace.
constexpr int scrollLeft = 4080;
constexpr int scrollWidth = 2415;
constexpr QPoint thumbAtStart(scrollLeft + 255 + 90, 480 + 255 / 2);
constexpr QPoint scrollTenth(scrollLeft + 255 + (scrollWidth - 2 * 255) / 10, 480 + 255 / 2);
constexpr QPoint scrollRightEnd(scrollLeft + scrollWidth - 255 - 60, 480 + 255 / 2);
// Somewhere the pointer changes nothing: the air at the right of the picture.
constexpr QPoint awayFromControls(11000, 8000);

int px(double twips)
{
    return int(std::lround(twips / twipsPerPixel));
}

QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

// The option indicators of "35" and "60" and the pace scroll bar, in pixels.
const QRect indicator35 = pixelRect(480 + 240, 5400 + 240, 240, 195);
const QRect indicator60 = pixelRect(480 + 480, 5400 + 720, 240, 255);
const QRect scrollBar = pixelRect(scrollLeft, 480, scrollWidth, 255);

// The name tags and the run's picture regions, in pixels.
const QRect skloTag = pixelRect(8160, 5280, 615, 285);
// The part of the "Voda" tag that the "Sklo" tag does not cover, a pixel in from its edges.
const QRect vodaTagOnly =
    pixelRect(8160 + 615, 5280, 8280 + 735 - 8160 - 615, 285).adjusted(1, 1, -1, -1);
// The substance below the surface, clear of the surface line and the picture's lower edge.
const QRect substance = pixelRect(2700, 5050, 11400 - 2700, 7450 - 5050);
// Air at the right edge, where the run draws nothing.
const QRect air = pixelRect(10650, 1000, 11400 - 10650, 4000 - 1000);

// Labels that stand in front of the picture near the spirals.
const QRect occluders[] = {
    pixelRect(7800, 600, 1815, 255),  pixelRect(7440, 960, 1935, 285),
    pixelRect(3240, 6600, 1815, 330), pixelRect(8400, 6120, 1215, 255),
    pixelRect(8160, 5280, 615, 285),  pixelRect(8040, 0, 1215, 375),
};

bool dark(QRgb pixel)
{
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool darkAt(const QImage& image, int x, int y)
{
    return image.rect().contains(x, y) && dark(image.pixel(x, y));
}

double share(const QImage& image, const QRect& rect, QRgb colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return double(count) / (rect.width() * rect.height());
}

int darkCount(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += darkAt(image, x, y) ? 1 : 0;
        }
    }
    return count;
}

// The last column of the dark run that starts at the line through column fromX on row y and
// goes right; -1 if there is no dark pixel there.
int barEndRight(const QImage& image, int y, int fromX)
{
    int x = fromX - tolerancePx;
    while (x <= fromX + tolerancePx && !darkAt(image, x, y)) {
        ++x;
    }
    if (x > fromX + tolerancePx) {
        return -1;
    }
    while (darkAt(image, x + 1, y)) {
        ++x;
    }
    return x;
}

// The top row of the dark run that starts at the line through row fromY in column x and goes
// up; a large number if there is no dark pixel there.
int barTopUp(const QImage& image, int x, int fromY)
{
    int y = fromY + tolerancePx;
    while (y >= fromY - tolerancePx && !darkAt(image, x, y)) {
        --y;
    }
    if (y < fromY - tolerancePx) {
        return std::numeric_limits<int>::max();
    }
    while (darkAt(image, x, y - 1)) {
        --y;
    }
    return y;
}

// The vertical bar of a curve as drawn near column x: the highest top among its neighbours.
int drawnTop(const QImage& image, const CurveBar& bar)
{
    int top = std::numeric_limits<int>::max();
    for (int x = px(bar.x1) - 1; x <= px(bar.x1) + 1; ++x) {
        top = std::min(top, barTopUp(image, x, px(bar.y1)));
    }
    return top;
}

bool occluded(QPoint point)
{
    return std::any_of(std::begin(occluders), std::end(occluders),
                       [&](const QRect& r) { return r.adjusted(-2, -2, 2, 2).contains(point); });
}

// Checks a spiral by the point of its chain farthest from its axis (the axis is drawn black,
// so only a point off it tells a drawn spiral from a bare axis). Returns whether the spiral
// reached far enough from its axis to be checked.
bool checkSpiral(const QImage& image, const Spiral& spiral, bool verticalAxis, QString& failure)
{
    double farthest = 0;
    QPoint far;
    for (const auto& point : spiral.points) {
        const QPoint p(px(point.real()), px(point.imag()));
        const double off = verticalAxis ? std::abs(point.real() - spiral.start.real())
                                        : std::abs(point.imag() - spiral.start.imag());
        if (off > farthest && !occluded(p)) {
            farthest = off;
            far = p;
        }
    }
    if (farthest / twipsPerPixel < 2 * tolerancePx + 1) {
        return false;
    }
    if (darkCount(image, QRect(far, far).adjusted(-tolerancePx, -tolerancePx, tolerancePx,
                                                  tolerancePx)) == 0) {
        failure =
            QStringLiteral("spiral starting at (%1, %2) twips: nothing drawn near (%3, %4) px")
                .arg(spiral.start.real())
                .arg(spiral.start.imag())
                .arg(far.x())
                .arg(far.y());
    }
    return true;
}

RunSettings startUpSettings()
{
    return RunSettings::of(1.33, 35, AngleCase::Angle35, Substance::Water,
                           DetectorDistance::Middle);
}
} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void runDrawsThePictureTheLibraryComputes();
    void nonNumberIndexWarnsAndKeepsRunning();
    void endsWithStatusZero_data();
    void endsWithStatusZero();
    void heldClicksAndDragActAfterTheRun();
    void endDuringASlowRunEndsAfterTheStep_data();
    void endDuringASlowRunEndsAfterTheStep();
    void resizedWindowDrawsTheCurveAtItsScale();
    void fullScreenKeysGoBothWays_data();
    void fullScreenKeysGoBothWays();

private:
    // Polls screenshots until ready holds for one and the next is the same; null on timeout.
    QImage waitForSettledScreen(const std::function<bool(const QImage&)>& ready);
    std::optional<unsigned long> waitForTitle(const QString& title, bool present,
                                              std::optional<unsigned long> except = {});

    std::unique_ptr<VirtualDisplay> m_display;
    std::unique_ptr<ProgramWindow> m_window;
};

void TestDesktop::initTestCase()
{
    m_display = std::make_unique<VirtualDisplay>();
    if (!m_display->isRunning()) {
        QSKIP(qPrintable(QStringLiteral("no X server could be started for the desktop tests (") +
                         m_display->failure() + QStringLiteral(")")));
    }
}

void TestDesktop::init()
{
    m_window = std::make_unique<ProgramWindow>(QStringLiteral(BRONTEL_PROGRAM), m_display->name());
    QVERIFY2(m_window->waitForWindow(),
             qPrintable(QStringLiteral("no main window appeared: ") + m_window->errors()));
}

void TestDesktop::cleanup()
{
    m_window.reset();
}

QImage TestDesktop::waitForSettledScreen(const std::function<bool(const QImage&)>& ready)
{
    const QDeadlineTimer deadline(runTimeoutMs);
    QImage previous;
    while (!deadline.hasExpired() && m_window->isRunning()) {
        const QImage shot = m_window->screenshot();
        if (!shot.isNull() && ready(shot)) {
            if (shot == previous) {
                return shot;
            }
            previous = shot;
        } else {
            previous = QImage();
        }
        QThread::msleep(300);
    }
    return QImage();
}

std::optional<unsigned long> TestDesktop::waitForTitle(const QString& title, bool present,
                                                       std::optional<unsigned long> except)
{
    const QDeadlineTimer deadline(exitTimeoutMs);
    while (!deadline.hasExpired()) {
        const auto found = m_window->findWindow(title, except);
        if (found.has_value() == present) {
            return found.value_or(0);
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

void TestDesktop::runDrawsThePictureTheLibraryComputes()
{
    QVERIFY(m_window->clickAtTwips(startButton.x(), startButton.y()));
    // Clicked while the run is busy: held back, so "Sklo" shows only once the run is over.
    QVERIFY(m_window->clickAtTwips(skloOption.x(), skloOption.y()));
    const QImage shot = waitForSettledScreen([](const QImage& image) {
        return share(image, substance, substanceGreen) > 0.5 && darkCount(image, vodaTagOnly) == 0;
    });
    QVERIFY2(!shot.isNull(), "the run's picture with the tag Sklo never settled on the screen");

    QVERIFY2(share(shot, substance, substanceGreen) > 0.6, "the substance is not green");
    QVERIFY2(share(shot, air, sceneGrey) > 0.9, "the air is not scene grey");

    // The surface: black across the picture at y 5000, two pixels wide; only the light paths,
    // drawn after it in white, may cross it.
    int surfaceColumns = 0;
    int blackColumns = 0;
    for (int x = px(2700); x < px(11400); ++x, ++surfaceColumns) {
        bool black = false;
        bool white = false;
        for (int y = px(5000) - 1; y <= px(5000) + 1; ++y) {
            black = black || darkAt(shot, x, y);
            white = white || shot.pixel(x, y) == qRgb(255, 255, 255);
        }
        QVERIFY2(black || white, qPrintable(QStringLiteral("surface missing at x %1 px").arg(x)));
        blackColumns += black ? 1 : 0;
    }
    QVERIFY(blackColumns > 0.95 * surfaceColumns);

    // The tag "Sklo": green ground with dark text; the "Voda" tag is gone.
    QVERIFY(share(shot, skloTag, substanceGreen) > 0.4);
    QVERIFY(darkCount(shot, skloTag) > 10);

    const RunFigures figures = RunFigures::of(startUpSettings());

    // Detector V's longest bar, to the right of the probe line at its height.
    const CurveBar& v = figures.longestV;
    int endV = -1;
    for (int y = px(v.y1) - 1; y <= px(v.y1) + 1; ++y) {
        endV = std::max(endV, barEndRight(shot, y, px(v.x1)));
    }
    QVERIFY2(std::abs(endV - v.x2 / twipsPerPixel) <= tolerancePx,
             qPrintable(QStringLiteral("V's longest bar ends at x %1 px, expected %2")
                            .arg(endV)
                            .arg(v.x2 / twipsPerPixel)));
    // No bar of V reaches further, except where a horizontal line of the apparatus crosses.
    const int crossing[] = {px(4250), px(5000), px(6500), px(7000)};
    for (int y = px(500); y < px(7490); ++y) {
        if (std::any_of(std::begin(crossing), std::end(crossing),
                        [y](int c) { return std::abs(y - c) <= tolerancePx; })) {
            continue;
        }
        const int end = barEndRight(shot, y, px(v.x1));
        QVERIFY2(
            end <= v.x2 / twipsPerPixel + tolerancePx,
            qPrintable(QStringLiteral("a bar of V at y %1 px reaches x %2 px").arg(y).arg(end)));
    }

    // Detectors H and L: their longest bars rise from their lines.
    for (const auto& [name, bar] : {std::pair{"H", figures.longestH}, {"L", figures.longestL}}) {
        const int top = drawnTop(shot, bar);
        QVERIFY2(
            std::abs(top - bar.y2 / twipsPerPixel) <= tolerancePx,
            qPrintable(QStringLiteral("%1's longest bar at x %2 px reaches y %3 px, expected %4")
                           .arg(QLatin1String(name))
                           .arg(bar.x1 / twipsPerPixel)
                           .arg(top)
                           .arg(bar.y2 / twipsPerPixel)));
    }
    const CurveBar& h = figures.longestH;
    for (int x = px(3000); x <= px(3000 + 4660); ++x) {
        if (std::abs(x - px(3100)) <= tolerancePx || std::abs(x - px(7300)) <= tolerancePx) {
            continue; // the normal and the probe line cross detector H's line
        }
        const int top = barTopUp(shot, x, px(h.y1));
        QVERIFY2(
            top == std::numeric_limits<int>::max() || top >= h.y2 / twipsPerPixel - tolerancePx,
            qPrintable(QStringLiteral("a bar of H at x %1 px reaches y %2 px").arg(x).arg(top)));
    }

    // The Cornu spirals: 24 of V along its axis, 10 of L along its axis.
    QCOMPARE(figures.spiralsV.size(), std::size_t(24));
    QCOMPARE(figures.spiralsL.size(), std::size_t(10));
    int checked = 0;
    QString failure;
    for (const Spiral& spiral : figures.spiralsV) {
        checked += checkSpiral(shot, spiral, true, failure) ? 1 : 0;
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    QVERIFY2(checked > 0, "no spiral of V reaches off its axis");
    checked = 0;
    for (const Spiral& spiral : figures.spiralsL) {
        checked += checkSpiral(shot, spiral, false, failure) ? 1 : 0;
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    QVERIFY2(checked > 0, "no spiral of L reaches off its axis");
}

void TestDesktop::nonNumberIndexWarnsAndKeepsRunning()
{
    const auto main = m_window->findWindow(QString::fromUtf8(homepage::windowTitle));
    QVERIFY(main);
    QVERIFY(m_window->clickAtTwips(indexField.x(), indexField.y()));
    QVERIFY(m_window->pressKeys(*main, {QStringLiteral("ctrl+a")}));
    QVERIFY(m_window->typeText(*main, QStringLiteral("abc")));
    QVERIFY(m_window->clickAtTwips(startButton.x(), startButton.y()));

    const auto box = waitForTitle(QStringLiteral("Brontel"), true, *main);
    QVERIFY2(box, "no message box appeared");
    QVERIFY(m_window->pressKeys(*box, {QStringLiteral("Escape")}));
    QVERIFY2(waitForTitle(QStringLiteral("Brontel"), false, *main), "the message box stayed open");

    QVERIFY(m_window->isRunning());
    const QImage shot = m_window->screenshot();
    QVERIFY(!shot.isNull());
    QVERIFY2(share(shot, substance, substanceGreen) < 0.1, "a run drew its picture");

    // Still answering: Konec ends it normally.
    QVERIFY(m_window->clickAtTwips(konecButton.x(), konecButton.y()));
    QVERIFY(m_window->waitForExit(exitTimeoutMs));
    QCOMPARE(m_window->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_window->exitCode(), 0);
}

enum class Ending
{
    Konec,
    CloseBox,
    CloseBoxDuringRun
};

void TestDesktop::endsWithStatusZero_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::newRow("Konec") << Ending::Konec;
    QTest::newRow("close box") << Ending::CloseBox;
    QTest::newRow("close box during a run") << Ending::CloseBoxDuringRun;
}

void TestDesktop::endsWithStatusZero()
{
    QFETCH(Ending, ending);
    switch (ending) {
    case Ending::Konec:
        QVERIFY(m_window->clickAtTwips(konecButton.x(), konecButton.y()));
        break;
    case Ending::CloseBoxDuringRun:
        QVERIFY(m_window->clickAtTwips(startButton.x(), startButton.y()));
        [[fallthrough]];
    case Ending::CloseBox:
        QVERIFY(m_window->requestClose());
        break;
    }
    QVERIFY2(m_window->waitForExit(runTimeoutMs), "the program did not end");
    QCOMPARE(m_window->exitStatus(), QProcess::NormalExit);
    QVERIFY2(m_window->exitCode() == 0, qPrintable(m_window->errors()));
}

void TestDesktop::heldClicksAndDragActAfterTheRun()
{
    const QImage atStart = m_window->screenshot();
    QVERIFY(!atStart.isNull());
    // A slow pace, a tenth of the way along the bar: the clicks below come during the run.
    QVERIFY(
        m_window->dragTwips(thumbAtStart.x(), thumbAtStart.y(), scrollTenth.x(), scrollTenth.y()));
    QVERIFY(m_window->moveToTwips(awayFromControls.x(), awayFromControls.y()));
    const QImage slow = waitForSettledScreen(
        [&](const QImage& image) { return image.copy(scrollBar) != atStart.copy(scrollBar); });
    QVERIFY2(!slow.isNull(), "the drag before the run did not move the scroll bar");

    QVERIFY(m_window->clickAtTwips(startButton.x(), startButton.y()));
    for (const QPoint& option : {skloOption, option60}) {
        QVERIFY(m_window->clickAtTwips(option.x(), option.y()));
        QVERIFY(m_window->moveToTwips(awayFromControls.x(), awayFromControls.y()));
    }
    // Back to the fastest pace: the scroll bar acts during the run, so it ends soon.
    QVERIFY(m_window->dragTwips(scrollTenth.x(), scrollTenth.y(), thumbAtStart.x() - 90,
                                thumbAtStart.y()));
    QVERIFY(m_window->moveToTwips(awayFromControls.x(), awayFromControls.y()));

    const QImage shot = waitForSettledScreen([](const QImage& image) {
        return share(image, substance, substanceGreen) > 0.5 && darkCount(image, vodaTagOnly) == 0;
    });
    QVERIFY2(!shot.isNull(), "the held click on Sklo never took effect");
    QVERIFY(darkCount(shot, skloTag) > 10);
    QVERIFY2(shot.copy(indicator60) != atStart.copy(indicator60), "60 was not selected");
    QVERIFY2(shot.copy(indicator35) != atStart.copy(indicator35), "35 is still selected");
    QVERIFY2(shot.copy(scrollBar) == atStart.copy(scrollBar),
             "the scroll bar is not back at its start");
    QVERIFY(m_window->isRunning());
}

void TestDesktop::endDuringASlowRunEndsAfterTheStep_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Konec") << false;
    QTest::newRow("close box") << true;
}

void TestDesktop::endDuringASlowRunEndsAfterTheStep()
{
    QFETCH(bool, closeBox);
    // The slowest pace: a whole run takes 467 tenths of a second.
    QVERIFY(m_window->dragTwips(thumbAtStart.x(), thumbAtStart.y(), scrollRightEnd.x(),
                                scrollRightEnd.y()));
    QVERIFY(m_window->clickAtTwips(startButton.x(), startButton.y()));
    QVERIFY(m_window->moveToTwips(awayFromControls.x(), awayFromControls.y()));
    if (closeBox) {
        QVERIFY(m_window->requestClose());
    } else {
        QVERIFY(m_window->clickAtTwips(konecButton.x(), konecButton.y()));
        // Off Konec at once; the window may already be gone, which is as good.
        m_window->moveToTwips(awayFromControls.x(), awayFromControls.y());
    }
    // Well within the 47 s the run would take: it ends after the step in progress.
    QVERIFY2(m_window->waitForExit(20'000), "the program waited for the run to end");
    QCOMPARE(m_window->exitStatus(), QProcess::NormalExit);
    QVERIFY2(m_window->exitCode() == 0, qPrintable(m_window->errors()));
}

void TestDesktop::resizedWindowDrawsTheCurveAtItsScale()
{
    // One and a half times the design, with 50 spare pixels at each side: the design is
    // centred at factor 1.5.
    const double factor = 1.5;
    const QPoint origin(50, 0);
    QVERIFY(m_window->resize(1145 + 2 * origin.x(), 863));
    const auto main = m_window->findWindow(QString::fromUtf8(homepage::windowTitle));
    QVERIFY(main);
    const auto at = [&](double twips) {
        return int(std::lround(twips / twipsPerPixel * factor));
    };
    const auto scaled = [&](int left, int top, int width, int height) {
        return QRect(QPoint(at(left), at(top)) + origin,
                     QPoint(at(left + width) - 1, at(top + height) - 1) + origin);
    };
    const QRect scaledSubstance = scaled(2700, 5050, 11400 - 2700, 7450 - 5050);
    QVERIFY(m_window->pressKeys(*main, {QStringLiteral("space")})); // Start has the focus
    const QImage shot = waitForSettledScreen(
        [&](const QImage& image) { return share(image, scaledSubstance, substanceGreen) > 0.5; });
    QVERIFY2(!shot.isNull(), "the run's picture never settled on the resized window");
    QCOMPARE(shot.size(), QSize(1145 + 2 * origin.x(), 863));
    // Left of the design, the window's grey; the design's corner is where the factor puts it.
    QVERIFY(share(shot, QRect(0, 0, origin.x() - 1, shot.height()), sceneGrey) > 0.99);

    // The surface line, two design pixels wide, is three whole pixels at 1.5.
    const int column = origin.x() + at(10000);
    int surfaceRows = 0;
    for (int y = at(5000) - 4; y <= at(5000) + 4; ++y) {
        surfaceRows += darkAt(shot, column, y) ? 1 : 0;
    }
    QCOMPARE(surfaceRows, 3);

    // Detector V's longest bar ends where the library says, at the scale.
    const CurveBar& v = RunFigures::of(startUpSettings()).longestV;
    int endV = -1;
    for (int y = at(v.y1) - 1; y <= at(v.y1) + 1; ++y) {
        endV = std::max(endV, barEndRight(shot, y, origin.x() + at(v.x1)));
    }
    const double expected = origin.x() + v.x2 / twipsPerPixel * factor;
    QVERIFY2(std::abs(endV - expected) <= tolerancePx,
             qPrintable(QStringLiteral("V's longest bar ends at x %1 px, expected %2")
                            .arg(endV)
                            .arg(expected)));
}

void TestDesktop::fullScreenKeysGoBothWays_data()
{
    // Keys pressed one after another, each once the window has answered the one before; the
    // window's size after each. No window manager runs on this display: the window takes the
    // screen itself, and must give it back.
    QTest::addColumn<QStringList>("keys");
    const QString f11 = QStringLiteral("F11");
    const QString escape = QStringLiteral("Escape");
    QTest::newRow("F11, F11") << QStringList{f11, f11};
    QTest::newRow("F11, Esc") << QStringList{f11, escape};
    QTest::newRow("F11, Esc, F11, F11") << QStringList{f11, escape, f11, f11};
}

void TestDesktop::fullScreenKeysGoBothWays()
{
    QFETCH(QStringList, keys);
    const auto main = m_window->findWindow(QString::fromUtf8(homepage::windowTitle));
    QVERIFY(main);
    const QSize design(763, 575);
    const QSize screen(1280, 1024);
    const auto waitForSize = [this](QSize size) {
        const QDeadlineTimer deadline(exitTimeoutMs);
        while (!deadline.hasExpired()) {
            if (m_window->screenshot().size() == size) {
                return true;
            }
            QThread::msleep(100);
        }
        return false;
    };
    QVERIFY(waitForSize(design));
    bool fullScreen = false;
    for (const QString& key : keys) {
        QVERIFY(m_window->pressKeys(*main, {key}));
        fullScreen = key == QLatin1String("F11") ? !fullScreen : false;
        QVERIFY2(waitForSize(fullScreen ? screen : design),
                 qPrintable(QStringLiteral("after %1 the window is %2 x %3")
                                .arg(key)
                                .arg(m_window->screenshot().width())
                                .arg(m_window->screenshot().height())));
    }
}

QTEST_GUILESS_MAIN(TestDesktop)
#include "test_desktop.moc"
