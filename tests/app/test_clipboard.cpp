// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ctrl+C puts the scene on the clipboard as a picture, as "Save picture" makes it and as large as
// the window shows it, unless a text box has selected text, which it copies as text as usual.

#include "Brontel.h"
#include "RunWait.h"
#include "SceneMenu.h"
#include "ScenePicture.h"
#include "WindowTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

class TestClipboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ctrlC_data();
    void ctrlC();
    void longPasteIsCutAndSaid_data();
    void longPasteIsCutAndSaid();
};

void TestClipboard::ctrlC_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("selectText");
    QTest::addColumn<bool>("picture");
    QTest::newRow("on Start") << "cmdStart" << false << true;
    QTest::newRow("on an option") << "opVoda" << false << true;
    QTest::newRow("on the scroll bar") << "HScroll1" << false << true;
    QTest::newRow("in a text box, nothing selected") << "nAlfa" << false << true;
    QTest::newRow("in a text box with a selection") << "nIndex" << true << false;
}

void TestClipboard::ctrlC()
{
    QFETCH(QString, focus);
    QFETCH(bool, selectText);
    QFETCH(bool, picture);
    QLocale::setDefault(QLocale(QLocale::English));
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart),
                      Qt::LeftButton); // a run, so the picture has something on it
    QVERIFY(waitForRunEnd(w));
    QCoreApplication::processEvents();

    auto* target = w.findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus(Qt::OtherFocusReason);
    if (auto* text = qobject_cast<QLineEdit*>(target)) {
        if (selectText) {
            text->selectAll();
        } else {
            text->deselect();
        }
    }
    QApplication::clipboard()->setText(QStringLiteral("before"));

    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);

    const QImage copied = QApplication::clipboard()->image();
    if (picture) {
        const ScenePicture scene = SceneMenu::sceneOf(w);
        QCOMPARE(copied.size(), (scene.size() * w.factor()).toSize());
        QVERIFY(copied.size() != w.size()); // the scene alone, not the window with its panel
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 scene.image(w.factor()).convertToFormat(QImage::Format_RGB32));
    } else {
        QVERIFY(copied.isNull());
        QCOMPARE(QApplication::clipboard()->text(), w.control<QLineEdit>(Control::nIndex)->text());
    }
}

void TestClipboard::longPasteIsCutAndSaid_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("pasted"); // characters
    QTest::newRow("a megabyte into the angle") << "nAlfa" << 1'000'000;
    QTest::newRow("one too many into the index") << "nIndex" << int(longestFieldText) + 1;
    QTest::newRow("just fitting: nothing said") << "nIndex" << int(longestFieldText);
}

// A paste longer than a field may hold is cut at the limit, and the user is told so beside it.
void TestClipboard::longPasteIsCutAndSaid()
{
    QFETCH(QString, field);
    QFETCH(int, pasted);
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* box = w.findChild<QLineEdit*>(field);
    QVERIFY(box);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QToolTip::hideText();
    QApplication::clipboard()->setText(QString(pasted, QLatin1Char('7')));

    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);

    const int longest = int(longestFieldText);
    QCOMPARE(box->text().size(), std::min(pasted, longest));
    const bool cut = pasted > longest;
    QCOMPARE(QToolTip::isVisible(), cut);
    if (cut) {
        QVERIFY2(QToolTip::text().contains(QString::number(longest)), qPrintable(QToolTip::text()));
    }
}

QTEST_MAIN(TestClipboard)
#include "test_clipboard.moc"
