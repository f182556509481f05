// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The worksheet or its key in the interface's language, laid out on A4 pages: as a PDF file's
// bytes, or printed.

#include "Worksheet.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

class WorksheetDocument
{
public:
    explicit WorksheetDocument(WorksheetPart part);
    ~WorksheetDocument();

    QString html() const { return m_html; }
    // The whole document as PDF on A4; empty when it could not be made.
    QByteArray pdf() const;
    // On any paged device (a printer, a PDF writer); the pages it took, 0 on failure.
    int printOn(QPagedPaintDevice& device) const;

private:
    QString m_html;
};
