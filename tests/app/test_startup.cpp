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

    for (const OptionButton* option :
         {w.control<OptionButton>(Control::opVoda), w.control<OptionButton>(Control::opMenší),
          w.control<OptionButton>(Control::opStředníDistance),
          w.control<OptionButton>(Control::opRychlá)}) {
        QVERIFY2(option->isChecked(), qPrintable(option->objectName()));
    }
    for (const OptionButton* option :
         {w.control<OptionButton>(Control::opSklo), w.control<OptionButton>(Control::opMezní),
          w.control<OptionButton>(Control::opVětší),
          w.control<OptionButton>(Control::opVelkáDistance),
          w.control<OptionButton>(Control::opMaláDistance),
          w.control<OptionButton>(Control::opPomalejší),
          w.control<OptionButton>(Control::opPomalá)}) {
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    }
    QCOMPARE(w.control<QLineEdit>(Control::nIndex)->text(), index);
    QCOMPARE(w.control<QLineEdit>(Control::nAlfa)->text(), QStringLiteral("35"));
    QCOMPARE(w.control<QLineEdit>(Control::nLátka)->text(), QStringLiteral("Voda"));
    QCOMPARE(w.control<QLineEdit>(Control::nAlfaCaption)->text(), QStringLiteral("35"));
    QCOMPARE(w.control<QLineEdit>(Control::nDistance)->text(), QStringLiteral("750"));
    QCOMPARE(w.control<QLineEdit>(Control::nSpomaleni)->text(), QStringLiteral("1"));
    QCOMPARE(w.control<QScrollBar>(Control::HScroll1)->value(), 0);
    QVERIFY(w.control<QLineEdit>(Control::nVoda)->isVisible());
    QVERIFY(!w.control<QLineEdit>(Control::nSklo)->isVisible());
    QCOMPARE((QList<int>{w.line(1)->x1(), w.line(1)->y1(), w.line(1)->x2(), w.line(1)->y2()}),
             (QList<int>{2880, 4280, 11400, 4280}));
    QVERIFY(w.line(1)->isVisible());
    QCOMPARE(twipsGeometry(w.control<QLineEdit>(Control::nDetektorH)),
             (TwipsRect{5800, 4400, 1215, 285}));
    for (const QLineEdit* hidden :
         {w.control<QLineEdit>(Control::nLátka), w.control<QLineEdit>(Control::nAlfaCaption),
          w.control<QLineEdit>(Control::nDistance), w.control<QLineEdit>(Control::nSpomaleni)}) {
        QVERIFY(!hidden->isVisible());
    }
    QVERIFY(!w.control<QGroupBox>(Control::frmAnimace)->isVisible());
    QCOMPARE(w.focusWidget(), w.control<QPushButton>(Control::cmdStart));
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
    QTimer::singleShot(0, &w, [&] {
        QTest::mouseClick(w.control<QPushButton>(Control::cmdKonec), Qt::LeftButton);
    });
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
