// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The worksheet for the pupils and the teacher's key, each shown as it will print, printed or
// saved as PDF on A4.

#include "Worksheet.h"

#include <QDialog>

class QTextBrowser;

class WorksheetWindow : public QDialog
{
    Q_OBJECT
public:
    explicit WorksheetWindow(QWidget* parent = nullptr);

    WorksheetPart part() const { return m_part; }
    void showPart(WorksheetPart part);

public Q_SLOTS:
    void print();
    void savePdf();

private:
    WorksheetPart m_part = WorksheetPart::Sheet;
    QTextBrowser* m_preview = nullptr;
    QString m_lastFolder;
};
