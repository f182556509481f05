// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in Czech and in English: every visible control explained and named in the
// language chosen, English captions whole in their boxes, a switch from the menu that acts at
// once, keeps the settings' keys and is remembered, the help with its picture, and Czech
// whole when the English translation cannot be loaded; refusals name their field in full.

#include "Brontel.h"
#include "DesignScale.h"
#include "HelpWindow.h"
#include "HomePage.h"
#include "Language.h"
#include "OptionButton.h"
#include "RefusalText.h"
#include "RunWait.h"
#include "SceneMenu.h"
#include "StartCheck.h"
#include "TextFit.h"
#include "WindowTexts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(Language)

namespace {
// Letters an English text never has; one of them shows a text left untranslated.
bool looksCzech(const QString& text)
{
    static const QString czech = QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return czech.contains(c); });
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// What the user sees of a control: its caption, whatever kind of control it is.
QString captionOf(const QWidget* widget)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return box->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    return {};
}

QList<QWidget*> visibleControls(Brontel& window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(&window)) {
            continue;
        }
        controls << widget;
    }
    return controls;
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void everyControlExplained_data();
    void everyControlExplained();
    void englishCaptionsFit_data();
    void englishCaptionsFit();
    void switchFromTheMenu();
    void helpShowsItsPicture_data();
    void helpShowsItsPicture();
    void aboutNamesVersionLicenceAndHome();
    void missingTranslationFallsBackToCzech();
    void numbersFollowTheLanguage_data();
    void numbersFollowTheLanguage();
    void refusalsNameTheFieldInFull_data();
    void refusalsNameTheFieldInFull();
};

void TestLanguage::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brontel"));
    QCoreApplication::setApplicationName(QStringLiteral("Brontel"));
    // The remembered choice goes to the test's own settings file, never the user's.
    const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY(!config.isEmpty());
    QVERIFY(QSettings().fileName().startsWith(config));
}

void TestLanguage::cleanup()
{
    installLanguage(Language::Czech);
}

void TestLanguage::everyControlExplained_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Czech") << Language::Czech;
    QTest::newRow("English") << Language::English;
}

void TestLanguage::everyControlExplained()
{
    QFETCH(Language, language);
    QVERIFY(installLanguage(language));
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const QList<QWidget*> controls = visibleControls(w);
    QVERIFY(controls.size() >= 25);
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(name + " has no tooltip"));
        QVERIFY2(!accessibleName(control).isEmpty(), qPrintable(name + " has no name"));
        if (language == Language::English) {
            for (const QString& text : {control->toolTip(), accessibleName(control),
                                        control->accessibleDescription(), captionOf(control)}) {
                QVERIFY2(!looksCzech(text), qPrintable(name + " says " + text));
            }
        }
    }
    if (language == Language::Czech) {
        QCOMPARE(w.control<QScrollBar>(Control::HScroll1)->toolTip(),
                 QStringLiteral("Rychlost animace: vlevo nejrychleji, vpravo nejpomaleji"));
        QCOMPARE(w.control<OptionButton>(Control::opVoda)->text(), QStringLiteral("Voda"));
    } else {
        QCOMPARE(w.control<OptionButton>(Control::opVoda)->text(), QStringLiteral("Water"));
        QCOMPARE(accessibleName(w.control<QLineEdit>(Control::nIndex)),
                 QStringLiteral("Refractive index"));
    }
    // The hidden fields hold keys, not words: they are the same in every language.
    QCOMPARE(w.control<QLineEdit>(Control::nLátka)->text(), QStringLiteral("Voda"));
    QCOMPARE(w.control<QLineEdit>(Control::nAlfaCaption)->text(), QStringLiteral("35"));
    QCOMPARE(w.control<QLineEdit>(Control::nDistance)->text(), QStringLiteral("750"));
}

void TestLanguage::englishCaptionsFit_data()
{
    QTest::addColumn<double>("factor");
    // The window's size steps, as the Czech captions are checked at them.
    for (const double factor : {1.0, 1.25, 1.5, 1.878, 2.0, 3.0}) {
        QTest::addRow("%g", factor) << factor;
    }
}

void TestLanguage::englishCaptionsFit()
{
    QFETCH(double, factor);
    QVERIFY(installLanguage(Language::English));
    Brontel w(Countdown(0));
    w.load();
    w.resize(designscale::scaledSize(factor));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(std::abs(w.factor() - factor) < 0.01);

    for (QWidget* control : visibleControls(w)) {
        const QString caption = captionOf(control);
        if (caption.isEmpty()) {
            continue;
        }
        const QString what = control->objectName() + ": " + caption;
        QVERIFY2(textFits(control), qPrintable(what));
        // Measured here too, for the boxes and frames whose width alone decides.
        const QFontMetrics metrics(control->font());
        if (qobject_cast<QLineEdit*>(control)) {
            QVERIFY2(metrics.horizontalAdvance(caption) <= control->contentsRect().width(),
                     qPrintable(what));
        } else if (qobject_cast<QGroupBox*>(control)) {
            QVERIFY2(metrics.horizontalAdvance(caption) < control->width(), qPrintable(what));
        }
    }
}

void TestLanguage::switchFromTheMenu()
{
    {
        QSettings settings;
        settings.remove(QStringLiteral("interface/language"));
    }
    auto w = std::make_unique<Brontel>(Countdown(0));
    w->load();
    auto* menu = w->findChild<SceneMenu*>();
    QVERIFY(menu);
    QCOMPARE(w->control<QPushButton>(Control::cmdKonec)->text(), QStringLiteral("Konec"));
    QVERIFY(menu->languageAction(Language::Czech)->isChecked());

    menu->languageAction(Language::English)->trigger();
    // Without a restart, as soon as the event loop has passed on the change: captions,
    // tooltips, the menu itself.
    QCOMPARE(currentLanguage(), Language::English);
    QTRY_COMPARE(w->control<QPushButton>(Control::cmdKonec)->text(), QStringLiteral("Quit"));
    QCOMPARE(w->control<QLineEdit>(Control::nSklo)->text(), QStringLiteral("Glass"));
    QCOMPARE(menu->helpAction()->text(), QStringLiteral("Help"));
    QVERIFY(menu->languageAction(Language::English)->isChecked());
    QVERIFY(!looksCzech(w->control<QScrollBar>(Control::HScroll1)->toolTip()));

    // The keys still drive the experiment: glass's critical angle after a switch.
    w->control<OptionButton>(Control::opSklo)->click();
    w->control<OptionButton>(Control::opMezní)->click();
    QCOMPARE(w->control<QLineEdit>(Control::nLátka)->text(), QStringLiteral("Sklo"));
    QCOMPARE(w->control<QLineEdit>(Control::nAlfaCaption)->text(), QStringLiteral("Mezní"));
    QCOMPARE(w->control<QLineEdit>(Control::nAlfa)->text(), QLocale().toString(41.839));

    // A restart: a fresh window after the old one is gone finds the choice remembered.
    w.reset();
    installLanguage(Language::Czech);
    QCOMPARE(readLanguage(QSettings()), std::optional(Language::English));

    w = std::make_unique<Brontel>(Countdown(0));
    w->load();
    menu = w->findChild<SceneMenu*>();
    menu->languageAction(Language::Czech)->trigger();
    QTRY_COMPARE(w->control<QPushButton>(Control::cmdKonec)->text(), QStringLiteral("Konec"));
    QCOMPARE(readLanguage(QSettings()), std::optional(Language::Czech));
}

void TestLanguage::helpShowsItsPicture_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("says");
    QTest::newRow("Czech") << Language::Czech << "help-run.png"
                           << "Detektor H";
    QTest::newRow("English") << Language::English << "help-run-en.png"
                             << "Detector H";
}

void TestLanguage::helpShowsItsPicture()
{
    QFETCH(Language, language);
    QFETCH(QString, picture);
    QFETCH(QString, says);
    QVERIFY(installLanguage(language));
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // F1 on the window, as a user asks for help.
    QTest::keyClick(&w, Qt::Key_F1);
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    const QTextDocument* page = help->browser()->document();
    QVERIFY(page->toPlainText().contains(says));
    QVERIFY(page->toHtml().contains(picture));
    const QVariant image = page->resource(QTextDocument::ImageResource, QUrl(picture));
    const QImage loaded = image.userType() == QMetaType::QPixmap ? image.value<QPixmap>().toImage()
                                                                 : image.value<QImage>();
    QVERIFY(!loaded.isNull());
    QVERIFY(loaded.width() > 300);

    // A switch while it is open turns the page over too.
    const Language other = language == Language::English ? Language::Czech : Language::English;
    QVERIFY(installLanguage(other));
    QTRY_COMPARE(help->browser()->source(), HelpWindow::page());
    QVERIFY(!help->browser()->document()->toPlainText().contains(says));
}

void TestLanguage::aboutNamesVersionLicenceAndHome()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("7.8.9"));
    for (const Language language : {Language::Czech, Language::English}) {
        QVERIFY(installLanguage(language));
        const QString about = SceneMenu::aboutText();
        QVERIFY(about.contains(QStringLiteral("Brontel 7.8.9")));
        QVERIFY(about.contains(QStringLiteral("GPL-3.0-or-later")));
        // The home page set when the program was built, and no address at all without one.
        const QString address = QString::fromUtf8(homepage::address);
        if (address.isEmpty()) {
            QVERIFY2(!about.contains(QStringLiteral("http")), qPrintable(about));
            QVERIFY2(about.count(QStringLiteral("<p>")) == 2, qPrintable(about));
        } else {
            QVERIFY2(about.contains(QStringLiteral("<a href=\"%1\">").arg(address)),
                     qPrintable(about));
        }
    }
}

void TestLanguage::missingTranslationFallsBackToCzech()
{
    // What Qt's own buttons say in Czech, whatever Qt translations the system has.
    QVERIFY(installLanguage(Language::Czech));
    const QString czechCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    // From English, as after a switch in the menu, so that the fall back is seen to act.
    QVERIFY(installLanguage(Language::English));
    QCOMPARE(QCoreApplication::translate("Brontel", "Konec"), QStringLiteral("Quit"));

    const QTemporaryDir empty; // a folder without the translation
    QVERIFY(empty.isValid());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral(
                             "^brontel: the translation brontel_en could not be loaded from .+; "
                             "the interface stays Czech$")));
    QVERIFY(!installLanguage(Language::English, empty.path()));

    // Czech whole: the program's words, Qt's own, and what the menu marks as chosen.
    QCOMPARE(currentLanguage(), Language::Czech);
    QCOMPARE(QCoreApplication::translate("Brontel", "Konec"), QStringLiteral("Konec"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), czechCancel);
    Brontel w(Countdown(0));
    w.load();
    QCOMPARE(w.control<QPushButton>(Control::cmdKonec)->text(), QStringLiteral("Konec"));
    QCOMPARE(w.control<OptionButton>(Control::opVoda)->toolTip(),
             QStringLiteral("Voda, index lomu 1,33"));
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    QVERIFY(menu->languageAction(Language::Czech)->isChecked());
}

void TestLanguage::numbersFollowTheLanguage_data()
{
    // The tests run under the C locale, whose numbers are neither Czech nor English.
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("angle");   // typed into the angle field
    QTest::addColumn<QString>("index");   // the water's index as the window shows it
    QTest::addColumn<QString>("oneHalf"); // 1.5 as the window writes it
    QTest::newRow("Czech") << Language::Czech << "48,9"
                           << "1,33"
                           << "1,5";
    QTest::newRow("English") << Language::English << "48.9"
                             << "1.33"
                             << "1.5";
}

void TestLanguage::numbersFollowTheLanguage()
{
    QFETCH(Language, language);
    QFETCH(QString, angle);
    QFETCH(QString, index);
    QFETCH(QString, oneHalf);
    QVERIFY(installLanguage(language));
    QCOMPARE(QLocale().toString(1.5), oneHalf);
    Brontel w(Countdown(0));
    w.setRefusalsShown(false);
    w.load();
    QCOMPARE(w.control<QLineEdit>(Control::nIndex)->text(), index);
    QSignalSpy refused(&w, &Brontel::runRefused);
    w.control<QLineEdit>(Control::nAlfa)->setText(angle);
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY2(refused.isEmpty(),
             refused.isEmpty() ? "" : qPrintable(refused.first().first().toString()));
    QVERIFY(waitForRunEnd(w));
}

void TestLanguage::refusalsNameTheFieldInFull_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<QStringList>("says");
    // As Start refuses them: the field named in full (never the label's short English form),
    // what was typed in the language's own quotation marks, the range filled in.
    QTest::newRow("cs, index not a number")
        << Language::Czech << "abc"
        << "35" << QStringList{"„Index lomu“", "„abc“", "například 1.33"};
    QTest::newRow("en, index not a number")
        << Language::English << "abc"
        << "35" << QStringList{"“Refractive index”", "“abc”", "for example 1.33"};
    QTest::newRow("en, angle not a number")
        << Language::English << "1.5"
        << "x" << QStringList{"“Angle of incidence”", "“x”", "for example 35,"};
    QTest::newRow("cs, angle not a number")
        << Language::Czech << "1.5"
        << "abc" << QStringList{"„Úhel dopadu“", "„abc“", "například 35,"};
    QTest::newRow("cs, index too large")
        << Language::Czech << "1e400"
        << "35" << QStringList{"„Index lomu“", "„1e400“", "nejvýše 1000000"};
    QTest::newRow("en, index too large")
        << Language::English << "1e400"
        << "35" << QStringList{"“Refractive index”", "“1e400”", "at most 1000000"};
    QTest::newRow("cs, index out of range")
        << Language::Czech << "0.1"
        << "35" << QStringList{"„Index lomu“", "index lomu musí být od 0.5 do 1000000"};
    QTest::newRow("en, index out of range")
        << Language::English << "0.1"
        << "35"
        << QStringList{"“Refractive index”", "the refractive index must be from 0.5 to 1000000"};
    // The sentence's places are filled in once: what the user typed is never read as one.
    QTest::newRow("cs, a typed place marker stays as typed")
        << Language::Czech << "%2%4"
        << "35" << QStringList{"„%2%4“", "například 1.33"};
    QTest::newRow("cs, typed places to fill quoted as typed")
        << Language::Czech << "%1%2"
        << "35" << QStringList{"„%1%2“", "například 1.33"};
    QTest::newRow("en, typed places to fill quoted as typed")
        << Language::English << "%1 %2 %3 %4"
        << "35" << QStringList{"“%1 %2 %3 %4”"};
    QTest::newRow("en, angle out of range")
        << Language::English << "1.33"
        << "95" << QStringList{"number 95", "“Angle of incidence”", "from 0 to 90 degrees"};
}

void TestLanguage::refusalsNameTheFieldInFull()
{
    QFETCH(Language, language);
    QFETCH(QString, index);
    QFETCH(QString, alpha);
    QFETCH(QStringList, says);
    QVERIFY(installLanguage(language));
    const NumberFormat format{"."};
    const auto checked = checkStart({index.toStdString(), alpha.toStdString(), AngleCase::Angle35,
                                     Substance::Water, DetectorDistance::Middle},
                                    format);
    const auto* refusal = std::get_if<Refusal>(&checked);
    QVERIFY(refusal);
    const QString message =
        refusalText(windowTextContext, refusalInWindow(*refusal), *refusal, format);
    for (const QString& part : says) {
        QVERIFY2(message.contains(part), qPrintable(message));
    }
    const QString label = QCoreApplication::translate(windowTextContext, "Index lomu");
    if (language == Language::English) {
        QVERIFY2(!looksCzech(message) && !message.contains(QChar(u'„')), qPrintable(message));
        QVERIFY2(!message.contains(label, Qt::CaseInsensitive), qPrintable(message));
    }
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
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_language.moc"
