#include "Twips.h"

#include <QRect>
#include <QWidget>

QRect toPixelRect(const TwipsRect& rect)
{
    return {rect.left / twipsPerPixel, rect.top / twipsPerPixel, rect.width / twipsPerPixel,
            rect.height / twipsPerPixel};
}

void setTwipsGeometry(QWidget* widget, const TwipsRect& rect)
{
    widget->setGeometry(toPixelRect(rect));
}

TwipsRect twipsGeometry(const QWidget* widget)
{
    const QRect g = widget->geometry();
    return {pixelsToTwips(g.x()), pixelsToTwips(g.y()), pixelsToTwips(g.width()),
            pixelsToTwips(g.height())};
}

void moveInTwips(QWidget* widget, int left, int top)
{
    widget->move(left / twipsPerPixel, top / twipsPerPixel);
}
