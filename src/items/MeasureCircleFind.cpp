#include "MeasureCircleFind.h"

#include <QPainter>

#include <cmath>

namespace {
// Half the length of a tick across the rim, in pixels.
constexpr qreal tickReach = 3.0;
} // namespace

void MeasureCircleFind::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    if (index >= 1 && !finished && rimPoints.size() < maxEdges) {
        prepareGeometryChange();
        rimPoints << point;
        shapeChanged();
    }
    Shape::setPoint(point, 0, serial);
}

CircleFit::Result MeasureCircleFind::fitRim(const QVector<QPointF> &points)
{
    QVector<bool> kept;
    const CircleFit::Result circle = CircleFit::robustFit(points, &kept);
    if (circle.valid) {
        fitted = points;
        used = kept;
    }
    return circle;
}

QVector<QPointF> MeasureCircleFind::usedPoints() const
{
    QVector<QPointF> points;
    for (int i = 0; i < fitted.size() && i < used.size(); ++i) {
        if (used.at(i))
            points << fitted.at(i);
    }
    return points;
}

QVector<QPointF> MeasureCircleFind::crossPoints() const
{
    // The rim points are ticks; only the centre gets its cross, drawn with the circle.
    return {};
}

void MeasureCircleFind::paintGeometry(QPainter *painter) const
{
    MeasureCircleFit::paintGeometry(painter);
    if (!circle.valid)
        return;
    for (const QPointF &p : usedPoints()) {
        const QPointF out = p - circle.centre;
        const qreal length = std::hypot(out.x(), out.y());
        if (length > 0)
            painter->drawLine(p - out * (tickReach / length), p + out * (tickReach / length));
    }
}
