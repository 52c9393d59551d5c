#include "MeasurePoint2Line.h"

#include <QPainter>

#include "GlobalVar.h"
#include "LineGeometry.h"

QPointF *MeasurePoint2Line::definingPoint(int index)
{
    switch (index) {
    case 1: return &point;
    case 2: return &lineStart;
    case 3: return &lineEnd;
    default: return nullptr;
    }
}

bool MeasurePoint2Line::place(const QPointF &p)
{
    lineEnd = p;
    const QLineF reference = lineEnd.y() < lineStart.y() ? QLineF(lineStart, lineEnd)
                                                         : QLineF(lineEnd, lineStart);
    QPointF foot;
    // A reference line reduced to a point has no direction: keep the last answer.
    if (!LineGeometry::perpendicularFoot(point, reference.angle(), reference, &foot))
        return false;
    perpendicular = foot.y() <= point.y() ? QLineF(point, foot) : QLineF(foot, point);
    baseLine = LineGeometry::extendTo(reference, foot);
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasurePoint2Line::values() const
{
    return {lengthValue(labelPrefix(), perpendicular.length())};
}

QVector<QPolygonF> MeasurePoint2Line::makeHandles() const
{
    const float baseAngle = float(baseLine.angle());
    return {GlobalVar::getMoveBox(point, float(perpendicular.angle()), handleSize),
            GlobalVar::getMoveBox(lineStart, baseAngle, handleSize),
            GlobalVar::getMoveBox(lineEnd, baseAngle, handleSize)};
}

QVector<QPolygonF> MeasurePoint2Line::makeBands() const
{
    return {GlobalVar::getInnerShape(perpendicular, handleSize),
            GlobalVar::getInnerShape(baseLine, handleSize)};
}

void MeasurePoint2Line::paintGeometry(QPainter *painter) const
{
    if (measured)
        painter->drawLines(QVector<QLineF>{perpendicular, baseLine});
}
