// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told: every visible control has a Czech name, text boxes are named
// by their captions and keep that name while their text changes.

#include "Brontel.h"
#include "OptionButton.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

namespace {
QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyVisibleControlIsNamed();
    void namesInCzech_data();
    void namesInCzech();
    void textBoxesKeepTheirCaptionAsName();
};

void TestAccessibility::everyVisibleControlIsNamed()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    int named = 0;
    for (QWidget* widget : w.findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
        ++named;
    }
    QVERIFY(named >= 25);
}

void TestAccessibility::namesInCzech_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("refractive index") << "nIndex"
                                      << "Index lomu";
    QTest::newRow("angle of incidence") << "nAlfa"
                                        << "Úhel dopadu";
    QTest::newRow("scroll bar") << "HScroll1"
                                << "Zpomalení animace";
    QTest::newRow("Start") << "cmdStart"
                           << "Start";
    QTest::newRow("Konec") << "cmdKonec"
                           << "Konec";
    QTest::newRow("water") << "opVoda"
                           << "Voda";
    QTest::newRow("critical angle") << "opMezní"
                                    << "Mezní";
    QTest::newRow("distance 750") << "opStředníDistance"
                                  << "750";
    QTest::newRow("angle frame") << "frmDopad"
                                 << "Úhel dopadu";
    QTest::newRow("distance frame") << "frmDistance"
                                    << "Distance detektoru";
    QTest::newRow("prompt") << "labKlepnete"
                            << "Klepněte na tlačítko Start";
    QTest::newRow("curve caption") << "nPravd2podobnost"
                                   << "Pravděpodobnost";
    QTest::newRow("detector L") << "nDetektorS"
                                << "Detektor L";
    QTest::newRow("title") << "nuBrontel"
                           << "Brontel";
}

void TestAccessibility::namesInCzech()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    Brontel w(Countdown(0));
    w.load();
    auto* widget = w.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(accessibleName(widget), name);
}

void TestAccessibility::textBoxesKeepTheirCaptionAsName()
{
    Brontel w(Countdown(0));
    w.load();
    w.control<OptionButton>(Control::opSklo)->select();
    w.control<OptionButton>(Control::opVětší)->select();
    QCOMPARE(accessibleName(w.control<QLineEdit>(Control::nIndex)), QStringLiteral("Index lomu"));
    QCOMPARE(accessibleName(w.control<QLineEdit>(Control::nAlfa)), QStringLiteral("Úhel dopadu"));
    auto* picture = w.findChild<QWidget*>(QStringLiteral("picture"));
    QVERIFY(picture);
    QVERIFY(accessibleName(picture).startsWith(QStringLiteral("Obrázek pokusu: ")));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
