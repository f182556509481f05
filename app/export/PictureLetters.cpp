// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureLetters.h"

#include "ControlLook.h"
#include "WindowLayout.h"
#include "WindowTexts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace {
Qt::Alignment alignmentOf(layout::Alignment alignment)
{
    switch (alignment) {
    case layout::Alignment::Left:
        return Qt::AlignLeft;
    case layout::Alignment::Centre:
        return Qt::AlignHCenter;
    case layout::Alignment::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// A caption's font at its design size in design pixels, whatever the device's resolution.
QFont fontInDesignPixels(QFont font)
{
    const double points = font.pointSizeF();
    if (points > 0) {
        font.setPixelSize(int(std::lround(points * 96 / 72)));
    }
    return font;
}

} // namespace

// Text as XML 1.0 allows it: control characters other than tab, line feed and carriage
// return, lone surrogates and the two non-characters U+FFFE and U+FFFF are left out, so that a
// picture's letters are the same in every format.
QString xmlText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        const bool allowed = (u >= 0x20 || u == 0x9 || u == 0xA || u == 0xD) && !c.isSurrogate() &&
                             u != 0xFFFE && u != 0xFFFF;
        if (allowed) {
            kept += c;
        }
    }
    return kept;
}
QFont settingsLineFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

QString captionText(Control caption)
{
    return xmlText(QCoreApplication::translate(windowTextContext, textsOf(caption).caption));
}

QFont captionFont(Control caption)
{
    return fontInDesignPixels(look::serifBold(layout::of(caption).points));
}

void paintCaptionLetters(QPainter& painter, Control caption, const QRectF& box)
{
    const layout::ControlLayout& place = layout::of(caption);
    painter.setFont(captionFont(caption));
    painter.setPen(place.blackText ? QColor(Qt::black)
                                   : QGuiApplication::palette().color(QPalette::ButtonText));
    // A text box keeps its text a couple of pixels from its sides.
    // A caption wider than its box is shown whole rather than cut.
    painter.drawText(box.adjusted(2, 0, -2, 0),
                     int(alignmentOf(place.alignment)) | Qt::AlignVCenter | Qt::TextDontClip,
                     captionText(caption));
}

void paintSettingsLine(QPainter& painter, const QRectF& box, const QString& text)
{
    painter.setFont(settingsLineFont());
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, xmlText(text));
}
