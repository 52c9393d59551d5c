#include "MeasureParaline.h"

#include <QPainter>

#include "GlobalVar.h"
#include "LineGeometry.h"

void MeasureParaline::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    Shape::setPoint(point, index, serial);
    if (index == 2) {
        // The base line is fixed where it was clicked; the parallel starts from there.
        prepareGeometryChange();
        baseLine = orderedBase();
        parallelPoint = point;
        shapeChanged();
    }
}

void MeasureParaline::drawing(const QPointF &point)
{
    Shape::drawing(point);
    // The base line alone has no value yet.
    if (!measured) {
        label.clear();
        shapeChanged();
    }
}

QPointF *MeasureParaline::definingPoint(int index)
{
    switch (index) {
    case 1: return &basePoint1;
    case 2: return &basePoint2;
    case 3: return &parallelPoint;
    default: return nullptr;
    }
}

QLineF MeasureParaline::orderedBase() const
{
    return basePoint2.y() < basePoint1.y() ? QLineF(basePoint1, basePoint2)
                                           : QLineF(basePoint2, basePoint1);
}

bool MeasureParaline::place(const QPointF &point)
{
    if (!isSet(parallelPoint)) {
        basePoint2 = point;
        baseLine = orderedBase();
        return true;
    }
    parallelPoint = point;
    const QLineF base = orderedBase();
    const QLineF parallel = LineGeometry::parallelCopy(base, parallelPoint);
    const QPointF middle = base.center();
    QPointF foot;
    // Base points that coincide give no direction: keep the last answer.
    if (!LineGeometry::perpendicularFoot(middle, base.angle(), parallel, &foot))
        return false;
    baseLine = base;
    parallelLine = LineGeometry::extendTo(parallel, foot);
    distanceLine = middle.y() <= foot.y() ? QLineF(foot, middle) : QLineF(middle, foot);
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasureParaline::values() const
{
    return {lengthValue(labelPrefix(), distanceLine.length())};
}

QVector<QPolygonF> MeasureParaline::makeHandles() const
{
    const float baseAngle = float(baseLine.angle());
    if (!measured) {
        return {GlobalVar::getMoveBox(baseLine.p1(), baseAngle, handleSize),
                GlobalVar::getMoveBox(baseLine.p2(), baseAngle, handleSize)};
    }
    return {GlobalVar::getMoveBox(basePoint1, baseAngle, handleSize),
            GlobalVar::getMoveBox(basePoint2, baseAngle, handleSize),
            GlobalVar::getMoveBox(parallelPoint, float(parallelLine.angle()), handleSize)};
}

QVector<QPolygonF> MeasureParaline::makeBands() const
{
    if (!measured)
        return {GlobalVar::getOuterShape(baseLine, handleSize)};
    return {GlobalVar::getOuterShape(baseLine, handleSize),
            GlobalVar::getOuterShape(parallelLine, handleSize),
            GlobalVar::getOuterShape(distanceLine, handleSize)};
}

void MeasureParaline::paintGeometry(QPainter *painter) const
{
    if (measured)
        painter->drawLines(QVector<QLineF>{baseLine, parallelLine, distanceLine});
    else if (isSet(basePoint2))
        painter->drawLine(baseLine);
}
