// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore window driven as a user drives it: the angle dragged across the critical angle
// redraws the curve and the readouts, a click on the intensity plot picks the Cornu spiral's
// height, the table saved is the model's, the labels in both languages, and the main window's
// key opens it and the choice is remembered.

#include "Brontel.h"
#include "ExplorePicture.h"
#include "ExploreSwitch.h"
#include "ExploreView.h"
#include "ExploreWindow.h"
#include "Language.h"
#include "SceneMenu.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Language)

namespace {

QImage shown(ExploreWindow& w)
{
    return w.view()->grab().toImage();
}

} // namespace

class TestExploreWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Brontel"));
        QCoreApplication::setApplicationName(QStringLiteral("BrontelExploreTest"));
        QSettings().clear();
    }
    void cleanup() { installLanguage(Language::Czech); }

    // Dragging the angle slider across the critical angle: the curve and the readouts follow.
    void dragTheAngle()
    {
        ExploreWindow w;
        w.resize(1280, 760);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* slider = w.findChild<QSlider*>(QStringLiteral("angleSlider"));
        auto* field = w.findChild<QDoubleSpinBox*>(QStringLiteral("angleField"));
        auto* readouts = w.findChild<QLabel*>(QStringLiteral("readouts"));
        QVERIFY(slider && field && readouts);
        const QImage at50 = shown(w);
        const QString readAt50 = readouts->text();

        slider->setFocus();
        for (int i = 0; i < 100; ++i) { // 10° down, a tenth at a time: across θc = 48.75°
            QTest::keyClick(slider, Qt::Key_Left);
        }
        QCOMPARE(w.model().settings().alphaDegrees, 40.0);
        QCOMPARE(field->value(), 40.0);
        QVERIFY(!w.model().readouts().depthTwips);
        QVERIFY(readouts->text() != readAt50);
        const QImage at40 = shown(w);
        QVERIFY(at40 != at50);
        // Below θc the light leaves: the curve stays up.
        QCOMPARE_GE(w.model().heights().back().relative, 0.95);

        // Typed into the field, back past θc.
        field->setValue(60);
        QCOMPARE(slider->value(), 600);
        QVERIFY(w.model().readouts().depthTwips);
        QVERIFY(shown(w) != at40);
    }

    // A click on the intensity plot's right half picks a height in its right half.
    void clickPicksTheHeight()
    {
        ExploreWindow w;
        w.resize(1280, 760);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ExploreView* view = w.view();
        const double f = view->factor();
        // The plot spans twips 7600 … 13300 across, 300 … 3700 down (15 twips a pixel).
        const QPoint at = (view->origin() + QPointF(11900 / 15.0 * f, 2000 / 15.0 * f)).toPoint();
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        const double top = w.model().heights().back().z;
        QCOMPARE_GE(w.model().pickedHeight(), 0.6 * top);
        QCOMPARE_LE(w.model().pickedHeight(), 0.9 * top);
    }

    void savesTheModelsTable()
    {
        ExploreWindow w;
        w.model().setSecondBlock(true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("table.csv"));
        QVERIFY(!w.saveTable(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), w.model().csv());
        // A folder that is not there: a reason, no file.
        QVERIFY(w.saveTable(dir.filePath(QStringLiteral("none/table.csv"))));
    }

    // Every label of the pictures has its words in the chosen language.
    void labelsInBothLanguages_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("Czech") << Language::Czech << "Zkoumat";
        QTest::newRow("English") << Language::English << "Explore";
    }
    void labelsInBothLanguages()
    {
        QFETCH(Language, language);
        QFETCH(QString, title);
        installLanguage(language);
        ExploreWindow w;
        QVERIFY2(w.windowTitle().startsWith(title), qPrintable(w.windowTitle()));
        w.model().setSecondBlock(true);
        w.model().setStep(1);
        const exploreview::Drawing drawing = exploreview::draw(w.model());
        for (const exploreview::Label& label : drawing.labels) {
            if (!label.words) {
                continue;
            }
            const QString text = exploreLabelText(label);
            QVERIFY(!text.contains(QLatin1Char('%')));
            // English has no Czech letters.
            if (language == Language::English) {
                QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[áčďéěíňóřšťúůýž]"))),
                         qPrintable(text));
            }
        }
    }

    // F3 on the main window opens it; open when the program ends, open at the next start.
    void openedByTheKeyAndRemembered()
    {
        {
            Brontel main(Countdown(0));
            main.load();
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            auto* explore = main.findChild<ExploreSwitch*>();
            QVERIFY(explore);
            QVERIFY(main.findChild<SceneMenu*>()->menu()->actions().contains(explore->action()));
            QVERIFY(!explore->exploreWindow());
            QTest::keyClick(&main, Qt::Key_F3);
            QVERIFY(explore->exploreWindow());
            QVERIFY(explore->exploreWindow()->isVisible());
            QVERIFY(ExploreSwitch::remembered(QSettings()));
        }
        {
            Brontel main(Countdown(0));
            main.load();
            auto* explore = main.findChild<ExploreSwitch*>();
            explore->openIfRemembered();
            QVERIFY(explore->exploreWindow());
            explore->exploreWindow()->close();
            QVERIFY(!ExploreSwitch::remembered(QSettings()));
        }
        Brontel main(Countdown(0));
        main.load();
        auto* explore = main.findChild<ExploreSwitch*>();
        explore->openIfRemembered();
        QVERIFY(!explore->exploreWindow());
    }
};

QTEST_MAIN(TestExploreWindow)
#include "test_explore_window.moc"
