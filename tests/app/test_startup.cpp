// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up through the real handlers, under Czech and English number settings, and exit.

#include "Brontel.h"
#include "LineControl.h"
#include "OptionButton.h"
#include "PictureSurface.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestStartUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void initialState_data();
    void initialState();
    void startUpMarkIsOnThePicture();
    void konecEndsTheProgram();
    void closeBoxEndsTheProgram();
};

void TestStartUp::initialState_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("index");
    QTest::newRow("czech") << QLocale::Czech << "1,33";
    QTest::newRow("english") << QLocale::English << "1.33";
}

void TestStartUp::initialState()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, index);
    QLocale::setDefault(QLocale(language));
    Brontel w(Countdown(0));
    w.load();
    w.show();

    for (const OptionButton* option : {w.opVoda, w.opMenší, w.opStředníDistance, w.opRychlá}) {
        QVERIFY2(option->isChecked(), qPrintable(option->objectName()));
    }
    for (const OptionButton* option : {w.opSklo, w.opMezní, w.opVětší, w.opVelkáDistance,
                                       w.opMaláDistance, w.opPomalejší, w.opPomalá}) {
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    }
    QCOMPARE(w.nIndex->text(), index);
    QCOMPARE(w.nAlfa->text(), QStringLiteral("35"));
    QCOMPARE(w.nLátka->text(), QStringLiteral("Voda"));
    QCOMPARE(w.nAlfaCaption->text(), QStringLiteral("35"));
    QCOMPARE(w.nDistance->text(), QStringLiteral("750"));
    QCOMPARE(w.nSpomaleni->text(), QStringLiteral("1"));
    QCOMPARE(w.HScroll1->value(), 0);
    QVERIFY(w.nVoda->isVisible());
    QVERIFY(!w.nSklo->isVisible());
    QCOMPARE((QList<int>{w.Line1->x1(), w.Line1->y1(), w.Line1->x2(), w.Line1->y2()}),
             (QList<int>{2880, 4280, 11400, 4280}));
    QVERIFY(w.Line1->isVisible());
    QCOMPARE(twipsGeometry(w.nDetektorH), (TwipsRect{5800, 4400, 1215, 285}));
    for (const QLineEdit* hidden : {w.nLátka, w.nAlfaCaption, w.nDistance, w.nSpomaleni}) {
        QVERIFY(!hidden->isVisible());
    }
    QVERIFY(!w.frmAnimace->isVisible());
    QCOMPARE(w.focusWidget(), w.cmdStart);
}

void TestStartUp::startUpMarkIsOnThePicture()
{
    Brontel w(Countdown(0));
    w.load();
    const QImage& picture = w.picture().image();
    // From (770, 7440) to about (712.67, 7440) twips: pixels 48..50 of row 496.
    QCOMPARE(picture.pixel(49, 496), qRgb(0, 0, 0));
    QCOMPARE(qAlpha(picture.pixel(49, 490)), 0);
    QCOMPARE(qAlpha(picture.pixel(60, 496)), 0);
}

void TestStartUp::konecEndsTheProgram()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.cmdKonec, Qt::LeftButton); });
    QTimer::singleShot(10000, &w, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!w.isVisible());
}

void TestStartUp::closeBoxEndsTheProgram()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, &w, [&] { w.windowHandle()->close(); });
    QTimer::singleShot(10000, &w, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestStartUp)
#include "test_startup.moc"
