#include "DetectorRings.h"

#include "Twips.h"

#include <QPainter>

namespace {
// The one place where the rings turn the scene's twips into the window's pixels.
QPointF toPixels(double xTwips, double yTwips)
{
    return {twipsToPixels(xTwips), twipsToPixels(yTwips)};
}

// Red, which the picture itself never uses, with a pen wide enough to see over a black line.
constexpr qreal penWidth = 2;
} // namespace

DetectorRings::DetectorRings(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("detectorRings"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (parent) {
        setGeometry(parent->rect());
    }
}

void DetectorRings::mark(SweepStep step, double detectorDistance)
{
    const QRect before = ringsRect();
    m_centres = {
        toPixels(scene::probeX, step.y()),
        toPixels(step.detectorX(), scene::detectorHY(detectorDistance)),
        toPixels(step.detectorX(), scene::detectorLY),
    };
    const bool wasMarked = m_marked;
    m_marked = true;
    update(wasMarked ? before.united(ringsRect()) : ringsRect());
}

QRect DetectorRings::ringsRect() const
{
    const qreal reach = ringDiameter / 2 + penWidth;
    QRectF all;
    for (const QPointF& centre : m_centres) {
        all |= QRectF(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
    }
    return all.toAlignedRect();
}

void DetectorRings::paintEvent(QPaintEvent*)
{
    if (!m_marked) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, penWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = ringDiameter / 2;
    for (const QPointF& centre : m_centres) {
        painter.drawEllipse(centre, radius, radius);
    }
}
