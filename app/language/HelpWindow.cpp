// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"

#include "Language.h"
#include "OverlayPainter.h"

#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true); // the home page opens in the user's browser
    m_theory = new QLabel(this);
    m_theory->setObjectName(QStringLiteral("helpTheory"));
    m_theory->setTextFormat(Qt::PlainText);
    m_theory->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_theory->setMargin(8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_theory);
    layout->addWidget(m_browser);
    // Closed as it was opened, from the keyboard.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(760, 720);
    retranslate();
}

HelpWindow* HelpWindow::showFor(QWidget& owner, const std::optional<RunSettings>& chosen)
{
    auto* help = owner.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) {
        help = new HelpWindow(&owner);
    }
    if (chosen) {
        help->showTheory(*chosen);
    } else {
        help->m_theory->hide();
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

QUrl HelpWindow::page()
{
    return QUrl(QStringLiteral("qrc:/help/help_%1.html").arg(languageCode(currentLanguage())));
}

void HelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void HelpWindow::showTheory(const RunSettings& settings)
{
    m_settings = settings;
    QStringList lines;
    for (const overlay::Phrase& phrase : overlay::theoryPanel(settings)) {
        lines << overlayText(phrase);
    }
    m_theory->setText(lines.join(QLatin1Char('\n')));
    m_theory->show();
}

void HelpWindow::retranslate()
{
    if (!m_theory->isHidden()) {
        showTheory(m_settings);
    }
    setWindowTitle(tr("Brontel – nápověda"));
    m_browser->setAccessibleName(tr("Nápověda"));
    if (m_browser->source() != page()) {
        m_browser->setSource(page());
    }
}
