// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorksheetDocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QScreen>
#include <QTextDocument>

#include <new>

WorksheetDocument::WorksheetDocument(WorksheetPart part)
{
    const TextLookup lookup = [](std::string_view source) {
        return QCoreApplication::translate(worksheetTextContext, std::string(source).c_str())
            .toStdString();
    };
    const NumberFormat format{QString(QLocale().decimalPoint()).toStdString()};
    m_html = QString::fromStdString(worksheetHtml(part, lookup, format));
}

WorksheetDocument::~WorksheetDocument() = default;

int WorksheetDocument::printOn(QPagedPaintDevice& device) const
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setHtml(m_html);
    // Laid out on the printable part of an A4 page in the document's own units (the screen's
    // logical pixels), so that the pages counted are the pages printed.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96;
    document.setPageSize(device.pageLayout().paintRect(QPageLayout::Point).size() * dpi / 72);
    document.print(&device);
    return document.pageCount();
}

QByteArray WorksheetDocument::pdf() const
{
    try {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Brontel"));
        writer.setResolution(300);
        if (printOn(writer) == 0) {
            return {};
        }
        buffer.close();
        return bytes;
    } catch (const std::bad_alloc&) {
        return {};
    }
}
