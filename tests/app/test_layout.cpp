// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as designed, before start-up: every control by name, kind, container, text, place
// in twips, visibility and look; the line controls; the tab order.

#include "Brontel.h"
#include "HomePage.h"
#include "LineControl.h"
#include "TextFit.h"
#include "Twips.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {
constexpr QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb green = qRgb(0xC0, 0xFF, 0xC0);
} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_window = new Brontel(Countdown(0)); }
    void cleanup() { delete m_window; }
    void window();
    void controls_data();
    void controls();
    void textBoxLook_data();
    void textBoxLook();
    void lineControls_data();
    void lineControls();
    void scrollBar();
    void optionsStartUnselected();
    void tabOrder();
    void serifFaceIsTheMetricTwin();

private:
    Brontel* m_window = nullptr;
};

void TestLayout::window()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Brontel"));
    // "Brontel - " and the home page set when the program was built, or "Brontel" alone.
    const QString address = QString::fromUtf8(homepage::address);
    QCOMPARE(m_window->windowTitle(), address.isEmpty() ? QStringLiteral("Brontel")
                                                        : QStringLiteral("Brontel - ") + address);
    QCOMPARE(m_window->size(), QSize(763, 575));
    // Resizable: the design scales with the window.
    QVERIFY(m_window->maximumSize().width() > 2 * m_window->width());
    QVERIFY(m_window->minimumSize().width() <= m_window->width());
    QCOMPARE(m_window->palette().color(QPalette::Window).rgb(), grey);
}

void TestLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TwipsRect>("rect");
    QTest::addColumn<bool>("shown");

    const QString window = QStringLiteral("Brontel");
    const auto row = [](const char* name, const char* kind, const QString& container,
                        const char* text, TwipsRect rect, bool shown) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(kind) << container
                            << QString::fromUtf8(text) << rect << shown;
    };
    row("nuBrontel", "QLineEdit", window, "Brontel", {4440, 0, 2295, 375}, true);
    row("cmdStart", "QPushButton", window, "Start", {6840, 0, 975, 375}, true);
    row("cmdKonec", "QPushButton", window, "Konec", {8040, 0, 1215, 375}, true);
    row("HScroll1", "QScrollBar", window, "", {4080, 480, 2415, 255}, true);
    row("nTextIndex", "QLineEdit", window, "Index lomu", {480, 1200, 1095, 285}, true);
    row("nIndex", "QLineEdit", window, "nIndex", {720, 1440, 855, 330}, true);
    row("frmLátka", "QGroupBox", window, "Látka", {480, 1800, 975, 975}, true);
    const QString latka = QString::fromUtf8("frmLátka");
    row("opVoda", "OptionButton", latka, "Voda", {120, 240, 735, 255}, true);
    row("opSklo", "OptionButton", latka, "Sklo", {120, 600, 735, 255}, true);
    row("frmDistance", "QGroupBox", window, "Distance detektoru", {240, 3120, 1935, 1335}, true);
    const QString distance = QStringLiteral("frmDistance");
    row("opVelkáDistance", "OptionButton", distance, "1500", {120, 240, 1335, 255}, true);
    row("opStředníDistance", "OptionButton", distance, "750", {600, 600, 855, 255}, true);
    row("opMaláDistance", "OptionButton", distance, "100", {1080, 960, 615, 255}, true);
    row("nAlfa", "QLineEdit", window, "nAlfa", {960, 5040, 855, 330}, true);
    row("frmDopad", "QGroupBox", window, "Úhel dopadu", {480, 5400, 1335, 1095}, true);
    const QString dopad = QStringLiteral("frmDopad");
    row("opMenší", "OptionButton", dopad, "35", {240, 240, 735, 195}, true);
    row("opMezní", "OptionButton", dopad, "Mezní", {360, 480, 735, 255}, true);
    row("opVětší", "OptionButton", dopad, "60", {480, 720, 615, 255}, true);
    row("frmAnimace", "QGroupBox", window, "Animace", {480, 6600, 1335, 1095}, false);
    const QString animace = QStringLiteral("frmAnimace");
    row("opRychlá", "OptionButton", animace, "Rychlá", {120, 240, 855, 255}, false);
    row("opPomalejší", "OptionButton", animace, "Pomalejší", {120, 480, 1095, 255}, false);
    row("opPomalá", "OptionButton", animace, "Pomalá", {120, 720, 975, 255}, false);
    row("labKlepnete", "QLabel", window, "Klepněte na tlačítko Start", {3960, 1800, 3255, 855},
        true);
    row("nDetektorV", "QLineEdit", window, "Detektor V", {5880, 1200, 1215, 285}, true);
    row("nDetektorH", "QLineEdit", window, "Detektor H", {5640, 3840, 1215, 285}, true);
    row("nDetektorS", "QLineEdit", window, "Detektor L", {8400, 6120, 1215, 255}, true);
    row("nPravd2podobnost", "QLineEdit", window, "Pravděpodobnost", {7440, 960, 1935, 285}, true);
    row("nCornuovySpirály", "QLineEdit", window, "Cornuovy spirály", {7800, 600, 1815, 255}, true);
    row("nCornuLatka", "QLineEdit", window, "Cornuovy spirály", {3240, 6600, 1815, 330}, true);
    row("nVoda", "QLineEdit", window, "Voda", {8280, 5280, 735, 285}, true);
    row("nSklo", "QLineEdit", window, "Sklo", {8160, 5280, 615, 285}, true);
    row("nLátka", "QLineEdit", window, "nLátka", {2040, 120, 735, 285}, false);
    row("nAlfaCaption", "QLineEdit", window, "nAlfaCaption", {2880, 120, 735, 285}, false);
    row("nDistance", "QLineEdit", window, "nDistance", {2040, 3960, 495, 285}, false);
    row("nSpomaleni", "QLineEdit", window, "Spomalení", {5040, 720, 855, 375}, false);
}

void TestLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(TwipsRect, rect);
    QFETCH(bool, shown);

    m_window->show();
    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QString actual;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        actual = edit->text();
        QVERIFY(!edit->isReadOnly());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        actual = button->text();
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
        actual = box->title();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        actual = label->text();
    }
    QCOMPARE(actual, text);
    QCOMPARE(twipsGeometry(control), rect);
    QCOMPARE(control->isVisible(), shown);
}

void TestLayout::textBoxLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<QRgb>("ground");
    QTest::addColumn<Qt::Alignment>("alignment");
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment right = Qt::AlignRight;
    const auto row = [](const char* name, double points, QRgb ground, Qt::Alignment alignment) {
        QTest::newRow(name) << QString::fromUtf8(name) << points << ground << alignment;
    };
    row("nuBrontel", 15.75, grey, left);
    row("nTextIndex", 12, grey, left);
    row("nIndex", 14.25, grey, left);
    row("nAlfa", 14.25, grey, left);
    row("nDetektorV", 12, grey, left);
    row("nDetektorH", 12, grey, left);
    row("nDetektorS", 12, green, centre);
    row("nPravd2podobnost", 12, grey, right);
    row("nCornuovySpirály", 12, grey, left);
    row("nCornuLatka", 12, green, left);
    row("nVoda", 14.25, green, centre);
    row("nSklo", 14.25, green, centre);
}

void TestLayout::textBoxLook()
{
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(QRgb, ground);
    QFETCH(Qt::Alignment, alignment);
    auto* box = m_window->findChild<QLineEdit*>(name);
    QVERIFY(box);
    // The design's size, or a little less where the text would not fit its box at it.
    QCOMPARE(box->property("designFont").value<QFont>().pointSizeF(), points);
    QVERIFY(box->font().pointSizeF() <= points);
    QVERIFY(box->font().pointSizeF() >= 0.6 * points);
    QVERIFY2(textFits(box), qPrintable(box->text()));
    QCOMPARE(box->font().weight(), QFont::Bold);
    QVERIFY(!box->font().italic() && !box->font().underline() && !box->font().strikeOut());
    QVERIFY(!box->hasFrame());
    QCOMPARE(box->palette().color(QPalette::Base).rgb(), ground);
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, alignment);
    const QColor text = box->palette().color(QPalette::Text);
    if (name == QStringLiteral("nPravd2podobnost")) {
        QCOMPARE(text, QColor(Qt::black));
    } else {
        QCOMPARE(text, QApplication::palette().color(QPalette::ButtonText));
    }
}

void TestLayout::lineControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("ends");
    QTest::addColumn<int>("width");
    QTest::newRow("Line1") << "Line1" << QList<int>{2880, 3720, 11400, 3720} << 1;
    QTest::newRow("Line2") << "Line2" << QList<int>{7320, 720, 7320, 7800} << 1;
    QTest::newRow("Line3") << "Line3" << QList<int>{2880, 6480, 11400, 6480} << 1;
    QTest::newRow("Line4") << "Line4" << QList<int>{2880, 5040, 11400, 5040} << 2;
    QTest::newRow("Line5") << "Line5" << QList<int>{2880, 7080, 11400, 7080} << 1;
    QTest::newRow("Line6") << "Line6" << QList<int>{9840, 600, 9840, 7800} << 1;
    QTest::newRow("Line7") << "Line7" << QList<int>{3120, 840, 3120, 7800} << 1;
}

void TestLayout::lineControls()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, ends);
    QFETCH(int, width);
    auto* line = m_window->findChild<LineControl*>(name);
    QVERIFY(line);
    QCOMPARE((QList<int>{line->x1(), line->y1(), line->x2(), line->y2()}), ends);
    QCOMPARE(line->width(), width);
    QVERIFY(line->isVisible());

    // Painted on the window's own surface, in black.
    const QImage shot = m_window->grab().toImage();
    const QPoint middle((ends[0] + ends[2]) / 2 / twipsPerPixel,
                        (ends[1] + ends[3]) / 2 / twipsPerPixel);
    bool black = false;
    for (int d = -1; d <= 1; ++d) {
        const QPoint p = ends[0] == ends[2] ? middle + QPoint(d, 0) : middle + QPoint(0, d);
        black = black || shot.pixel(p) == qRgb(0, 0, 0);
    }
    QVERIFY2(black, qPrintable(name));
}

void TestLayout::scrollBar()
{
    const QScrollBar* bar = m_window->control<QScrollBar>(Control::HScroll1);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 1000);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 1);
    QVERIFY(!bar->hasTracking());
}

void TestLayout::optionsStartUnselected()
{
    const auto options = m_window->findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 11);
    for (const QRadioButton* option : options) {
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    }
}

void TestLayout::tabOrder()
{
    const char* expected[] = {
        "nuBrontel",       "cmdStart",          "nAlfa",
        "frmDopad",        "opMezní",           "opVětší",
        "opMenší",         "nAlfaCaption",      "nLátka",
        "nIndex",          "frmLátka",          "opVoda",
        "opSklo",          "nDistance",         "frmDistance",
        "opVelkáDistance", "opStředníDistance", "opMaláDistance",
        "nTextIndex",      "nDetektorH",        "nDetektorS",
        "nDetektorV",      "nCornuovySpirály",  "nPravd2podobnost",
        "cmdKonec",        "labKlepnete",       "nSklo",
        "nVoda",           "nCornuLatka",       "nSpomaleni",
        "frmAnimace",      "opRychlá",          "opPomalejší",
        "opPomalá",        "HScroll1",
    };
    QWidget* previous = m_window->findChild<QWidget*>(QString::fromUtf8(expected[0]));
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QWidget* next = m_window->findChild<QWidget*>(QString::fromUtf8(expected[i]));
        QVERIFY2(next, expected[i]);
        if (next->focusPolicy() == Qt::NoFocus) {
            continue; // frames and the label take no focus
        }
        // The focus chain may pass through unnamed inner widgets, never through a named one.
        QWidget* w = previous->nextInFocusChain();
        while (w != next && w->objectName().isEmpty()) {
            w = w->nextInFocusChain();
        }
        QVERIFY2(w == next, qPrintable(QString::fromUtf8(expected[i]) +
                                       QStringLiteral(" but got ") + w->objectName()));
        previous = next;
    }
}

void TestLayout::serifFaceIsTheMetricTwin()
{
    const QFontInfo info(m_window->control<QPushButton>(Control::cmdStart)->font());
    if (!info.family().contains(QStringLiteral("Liberation"))) {
        QSKIP("fonts-liberation is not installed: Times New Roman falls back to another face");
    }
    QCOMPARE(info.family(), QStringLiteral("Liberation Serif"));
    QVERIFY(info.bold());
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
