#include "MeasurePoint2Circle.h"

#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>

#include "CircleGeometry.h"
#include "GlobalVar.h"

QPointF *MeasurePoint2Circle::definingPoint(int index)
{
    switch (index) {
    case 1: return &measuredPoint;
    case 2: return &circlePoint1;
    case 3: return &circlePoint2;
    case 4: return &circlePoint3;
    default: return nullptr;
    }
}

bool MeasurePoint2Circle::place(const QPointF &point)
{
    // Collinear rim points have no circle and so no centre to measure to.
    const CircleGeometry::Circle circle =
        CircleGeometry::throughThreePoints(circlePoint1, circlePoint2, point);
    if (!circle.valid)
        return false;
    circlePoint3 = point;
    circleRect = circle.rect();
    distanceLine = QLineF(circle.centre, measuredPoint);
    return true;
}

QVector<QPolygonF> MeasurePoint2Circle::makeHandles() const
{
    return {GlobalVar::getMoveBox(measuredPoint, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint1, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint2, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint3, 0.0f, handleSize)};
}

QVector<QPolygonF> MeasurePoint2Circle::makeBands() const
{
    return {GlobalVar::getOuterShape(distanceLine, handleSize)};
}

void MeasurePoint2Circle::paintGeometry(QPainter *painter) const
{
    if (circleRect.width() <= 0.0)
        return;
    drawCross(painter, circleRect.center());
    painter->drawLine(distanceLine);
    painter->drawEllipse(circleRect);
}

QPainterPath MeasurePoint2Circle::outline() const
{
    QPainterPath path;
    if (circleRect.width() > 0.0)
        path.addEllipse(circleRect);
    return path;
}


bool MeasurePoint2Circle::bodyContains(const QPointF &pos) const
{
    return Shape::bodyContains(pos) || circleRect.contains(pos);
}
