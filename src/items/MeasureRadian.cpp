#include "MeasureRadian.h"

#include <QPainter>

#include "CircleGeometry.h"
#include "GlobalVar.h"
#include "ValueFormat.h"

QPointF *MeasureRadian::definingPoint(int index)
{
    switch (index) {
    case 1: return &arcStart;
    case 2: return &arcMiddle;
    case 3: return &arcEnd;
    default: return nullptr;
    }
}

bool MeasureRadian::place(const QPointF &point)
{
    // Collinear points lie on no circle, so they make no arc: keep the last one.
    const CircleGeometry::Circle circle =
        CircleGeometry::throughThreePoints(arcStart, arcMiddle, point);
    if (!circle.valid)
        return false;

    arcEnd = point;
    circleRect = circle.rect();
    const QPointF m = circleRect.center();
    const QLineF toStart(m, arcStart);
    const qreal start = toStart.angle();
    const qreal middle = toStart.angleTo(QLineF(m, arcMiddle));
    const qreal end = toStart.angleTo(QLineF(m, arcEnd));
    startAngle16 = float(start * 16.0);
    if (middle > end) {
        // Counter-clockwise from the start the end comes before the middle: the arc runs clockwise.
        arcAngle = float(360.0 - end);
        spanAngle16 = float(end * 16.0 - 5760.0);
    } else {
        arcAngle = float(end);
        spanAngle16 = float(end * 16.0);
    }
    arcPath = QPainterPath();
    arcPath.moveTo(m);
    arcPath.arcTo(circleRect, startAngle16 * 0.0625, spanAngle16 * 0.0625);
    return true;
}

QVector<MeasuredValue> MeasureRadian::values() const
{
    const double r = circleRect.width() * 0.5;
    const double length = r * 6.283185307179586 * double(arcAngle) / 360.0;
    return {preciseLengthValue(labelPrefix(), length), angleValue(QStringLiteral("A"), arcAngle)};
}

QVector<QPolygonF> MeasureRadian::makeHandles() const
{
    return {GlobalVar::getMoveBox(arcStart, 0.0f, handleSize),
            GlobalVar::getMoveBox(arcMiddle, 0.0f, handleSize),
            GlobalVar::getMoveBox(arcEnd, 0.0f, handleSize)};
}

QVector<QPolygonF> MeasureRadian::makeBands() const
{
    const QPointF m = circleRect.center();
    return {GlobalVar::getOuterShape(QLineF(m, arcStart), handleSize),
            GlobalVar::getOuterShape(QLineF(m, arcEnd), handleSize)};
}

void MeasureRadian::paintGeometry(QPainter *painter) const
{
    if (circleRect.width() > 0.0)
        painter->drawPie(circleRect, int(startAngle16), int(spanAngle16));
}

