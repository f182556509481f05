// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching overlay on the window: off until chosen and then remembered, in either language
// and at any window size clear of the control panel, in exported pictures only when it is on,
// and the theory panel of the help window on the settings shown.

#include "Brontel.h"
#include "HelpWindow.h"
#include "Language.h"
#include "OptionButton.h"
#include "OverlaySwitch.h"
#include "RunWait.h"
#include "SceneMenu.h"
#include "ScenePicture.h"
#include "TeachingOverlayLayer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Language)

namespace {
TeachingOverlayLayer* layerOf(const Brontel& w)
{
    return w.findChild<TeachingOverlayLayer*>();
}

QAction* overlayActionOf(const Brontel& w)
{
    return w.findChild<SceneMenu*>()->overlayAction();
}

// The controls a user works with: buttons, options, frames, the scroll bar and the fields that
// show the index and the angle.
QList<QWidget*> controlPanel(Brontel& w)
{
    QList<QWidget*> controls{
        w.control<QPushButton>(Control::cmdStart),  w.control<QPushButton>(Control::cmdKonec),
        w.control<QScrollBar>(Control::HScroll1),   w.control<QLineEdit>(Control::nuBrontel),
        w.control<QLineEdit>(Control::nTextIndex),  w.control<QLineEdit>(Control::nIndex),
        w.control<QLineEdit>(Control::nAlfa),       w.control<QGroupBox>(Control::frmLátka),
        w.control<QGroupBox>(Control::frmDistance), w.control<QGroupBox>(Control::frmDopad)};
    if (w.control<QGroupBox>(Control::frmAnimace)->isVisible()) {
        controls << w.control<QGroupBox>(Control::frmAnimace);
    }
    return controls;
}
} // namespace

class TestOverlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void offUntilChosenThenRemembered();
    void clearOfTheControlPanel_data();
    void clearOfTheControlPanel();
    void inExportsOnlyWhenOn();
    void helpShowsTheTheory();
};

void TestOverlay::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brontel"));
    QCoreApplication::setApplicationName(QStringLiteral("Brontel"));
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY(!config.isEmpty());
    QVERIFY(QSettings().fileName().startsWith(config));
    QLocale::setDefault(QLocale(QLocale::English));
}

void TestOverlay::cleanup()
{
    installLanguage(Language::Czech);
    QSettings().remove(QStringLiteral("teachingOverlay"));
}

void TestOverlay::offUntilChosenThenRemembered()
{
    {
        Brontel w(Countdown(0));
        w.load();
        QVERIFY(layerOf(w));
        QVERIFY(layerOf(w)->isHidden());
        QVERIFY(!overlayActionOf(w)->isChecked());
        overlayActionOf(w)->trigger();
        QVERIFY(!layerOf(w)->isHidden());
        QVERIFY(OverlaySwitch::remembered(QSettings()));
    }
    {
        Brontel w(Countdown(0));
        w.load();
        QVERIFY(!layerOf(w)->isHidden());
        QVERIFY(overlayActionOf(w)->isChecked());
        overlayActionOf(w)->trigger();
        QVERIFY(layerOf(w)->isHidden());
    }
    Brontel w(Countdown(0));
    w.load();
    QVERIFY(layerOf(w)->isHidden());
}

void TestOverlay::clearOfTheControlPanel_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<double>("factor");
    QTest::newRow("Czech, design size") << Language::Czech << 1.0;
    QTest::newRow("English, design size") << Language::English << 1.0;
    QTest::newRow("Czech, 1.5 times") << Language::Czech << 1.5;
    QTest::newRow("English, 1.5 times") << Language::English << 1.5;
}

void TestOverlay::clearOfTheControlPanel()
{
    QFETCH(Language, language);
    QFETCH(double, factor);
    QVERIFY(installLanguage(language));
    Brontel w(Countdown(0));
    w.load();
    w.show();
    w.resize(w.size() * factor);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_COMPARE(w.factor(), factor);
    overlayActionOf(w)->setChecked(true);
    TeachingOverlayLayer* layer = layerOf(w);
    QCOMPARE(layer->geometry(), w.rect());

    // The scene begins right of the panel's frames, at 2640 twips.
    const double sceneLeft = w.toWidgetPixels(QPointF(2640, 0)).x();
    const QList<OptionButton*> angles{w.control<OptionButton>(Control::opMenší),
                                      w.control<OptionButton>(Control::opMezní),
                                      w.control<OptionButton>(Control::opVětší)};
    const QList<OptionButton*> distances{w.control<OptionButton>(Control::opMaláDistance),
                                         w.control<OptionButton>(Control::opStředníDistance),
                                         w.control<OptionButton>(Control::opVelkáDistance)};
    for (OptionButton* substance :
         {w.control<OptionButton>(Control::opVoda), w.control<OptionButton>(Control::opSklo)}) {
        for (OptionButton* angle : angles) {
            for (OptionButton* distance : distances) {
                substance->click();
                angle->click();
                distance->click();
                layer->grab(); // paints it as the screen would
                const auto& boxes = layer->drawnBoxes();
                QVERIFY(boxes.size() > 10);
                const QString where = substance->objectName() + QLatin1Char(' ') +
                                      angle->objectName() + QLatin1Char(' ') +
                                      distance->objectName();
                for (const QRectF& box : boxes) {
                    QVERIFY2(box.left() >= sceneLeft - 0.5,
                             qPrintable(where + QStringLiteral(" left at %1").arg(box.left())));
                    QVERIFY2(QRectF(w.rect()).contains(box), qPrintable(where));
                    for (QWidget* control : controlPanel(w)) {
                        QVERIFY2(
                            !box.intersects(QRectF(control->geometry())),
                            qPrintable(where + QStringLiteral(" over ") + control->objectName()));
                    }
                }
            }
        }
    }
}

void TestOverlay::inExportsOnlyWhenOn()
{
    QVERIFY(installLanguage(Language::English));
    Brontel w(Countdown(0));
    w.load();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    const QImage off = SceneMenu::sceneOf(w).image(1);
    const QByteArray svgOff = SceneMenu::sceneOf(w).svg();

    overlayActionOf(w)->setChecked(true);
    const QImage on = SceneMenu::sceneOf(w).image(1);
    QCOMPARE(on.size(), off.size());
    QVERIFY(on != off);
    const QByteArray svgOn = SceneMenu::sceneOf(w).svg();
    QVERIFY(svgOn.contains("Classical optics"));
    QVERIFY(svgOn.contains("H: in the air, 750 twips above"));
    QVERIFY(!svgOff.contains("Classical optics"));
    // The scroll bar is not in the picture, so neither is its caption.
    QVERIFY(!svgOn.contains("Speed"));

    overlayActionOf(w)->setChecked(false);
    QCOMPARE(SceneMenu::sceneOf(w).image(1), off);
}

void TestOverlay::helpShowsTheTheory()
{
    Brontel w(Countdown(0));
    w.load();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // F1, as a user asks for help.
    QTest::keyClick(&w, Qt::Key_F1);
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help != nullptr);
    // Water at 35°, the start-up settings; Czech words with Czech numbers, whatever the locale.
    QVERIFY(help->theory()->text().contains(QStringLiteral("θc = 48,75°")));
    QVERIFY(help->theory()->text().contains(QStringLiteral("β = 49,69°")));
    // Rp to two significant figures, the angle also as the program holds it, and the option
    // whose parameters the run takes.
    QVERIFY(help->theory()->text().contains(QStringLiteral("Rp = 0,060 %")));
    QVERIFY(help->theory()->text().contains(QStringLiteral("α = 34,98° (v programu 35)")));
    QVERIFY(help->theory()->text().contains(QStringLiteral("volba „35“")));
    QVERIFY(!help->theory()->text().contains(QStringLiteral("±")));
    // At the critical setting the beam's spread reaches across the critical angle.
    w.control<OptionButton>(Control::opMezní)->click();
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(help->theory()->text().contains(QStringLiteral("±0,14°")));
    QVERIFY(help->theory()->text().contains(QStringLiteral("(v programu 48,783)")));
    // The settings chosen since, not those of the picture.
    w.control<OptionButton>(Control::opSklo)->click();
    w.control<OptionButton>(Control::opVětší)->click();
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(help->theory()->text().contains(QStringLiteral("θc = 41,81°")));
    QVERIFY(help->theory()->text().contains(QStringLiteral("úplný odraz")));
    QVERIFY(installLanguage(Language::English));
    QTRY_VERIFY(help->theory()->text().contains(QStringLiteral("total internal reflection")));
    QVERIFY(help->theory()->text().contains(QStringLiteral("θc = 41.81°")));
    help->close();
}

int main(int argc, char* argv[])
{
    // Set before the application reads any settings path.
    QTemporaryDir config;
    if (!config.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestOverlay test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_overlay.moc"
