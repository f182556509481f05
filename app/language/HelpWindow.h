// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help (F1, "Nápověda"): a window of its own over the HTML pages built into the program,
// one per language, showing the page of the interface's language and following a switch. Above
// the page, what classical optics predicts for the settings of the picture.

#include "RunSettings.h"

#include <QUrl>
#include <QWidget>

#include <optional>

class QLabel;
class QTextBrowser;

class HelpWindow final : public QWidget
{
    Q_OBJECT
public:
    // Shows owner's help window, made on the first call and kept (owned by owner) after; with
    // the theory panel for the settings chosen, if any are.
    static HelpWindow* showFor(QWidget& owner, const std::optional<RunSettings>& chosen);

    QTextBrowser* browser() const { return m_browser; }
    // The theory panel: the numbers of classical optics for the settings last shown.
    QLabel* theory() const { return m_theory; }
    void showTheory(const RunSettings& settings);
    // The page of the interface's language, in the program's resources.
    static QUrl page();

protected:
    void changeEvent(QEvent* event) override;

private:
    explicit HelpWindow(QWidget* owner);
    void retranslate();

    QTextBrowser* m_browser = nullptr;
    QLabel* m_theory = nullptr;
    RunSettings m_settings;
};
