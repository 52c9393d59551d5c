#include "MeasureParaline2Paraline.h"

#include <QPainter>

#include "GlobalVar.h"
#include "LineGeometry.h"

using LineGeometry::parallelCopy;

void MeasureParaline2Paraline::setPoint(const QPointF &point, unsigned char index,
                                        unsigned short serial)
{
    // Click 1 fixes the first base point, click 2 the second; clicks 3 and 4 fix the parallel
    // the mouse was placing and start the next one where they were made.
    prepareGeometryChange();
    switch (index) {
    case 1:
        basePoint1 = point;
        baseLine = QLineF(point, point);
        break;
    case 2:
        basePoint2 = point;
        baseLine = orderedBase();
        parallelPoint1 = point;
        break;
    case 3:
        parallelPoint2 = point;
        break;
    case 4:
        parallelPoint3 = point;
        break;
    default:
        break;
    }
    shapeChanged();
    Shape::setPoint(point, 0, serial);
}

void MeasureParaline2Paraline::drawing(const QPointF &point)
{
    Shape::drawing(point);
    // Until the last line is placed there is nothing to measure.
    if (!measured) {
        label.clear();
        shapeChanged();
    }
}

QPointF *MeasureParaline2Paraline::definingPoint(int index)
{
    switch (index) {
    case 1: return &basePoint1;
    case 2: return &basePoint2;
    case 3: return &parallelPoint1;
    case 4: return &parallelPoint2;
    case 5: return &parallelPoint3;
    default: return nullptr;
    }
}

QLineF MeasureParaline2Paraline::orderedBase() const
{
    return basePoint2.y() < basePoint1.y() ? QLineF(basePoint1, basePoint2)
                                           : QLineF(basePoint2, basePoint1);
}

bool MeasureParaline2Paraline::place(const QPointF &point)
{
    if (!isSet(parallelPoint1)) {
        basePoint2 = point;
        baseLine = orderedBase();
        return true;
    }
    if (!isSet(parallelPoint2)) {
        parallelPoint1 = point;
        parallelLine1 = parallelCopy(baseLine, parallelPoint1);
        return true;
    }
    if (!isSet(parallelPoint3)) {
        parallelPoint2 = point;
        parallelLine2 = parallelCopy(baseLine, parallelPoint2);
        return true;
    }
    parallelPoint3 = point;
    return measure();
}

bool MeasureParaline2Paraline::measure()
{
    const QLineF base = orderedBase();
    const qreal angle = base.angle();
    const QLineF line1 = parallelCopy(base, parallelPoint1);
    const QLineF line2 = parallelCopy(base, parallelPoint2);
    const QLineF line3 = parallelCopy(base, parallelPoint3);

    // A point on the centre line of each pair: halfway between the middle of its first line
    // and that point's foot on its second line.
    const QPointF middle1 = base.center();
    const QPointF middle2 = line2.center();
    QPointF foot1, foot2, end;
    // Base points that coincide give no direction and no answer: keep the last one.
    if (!LineGeometry::perpendicularFoot(middle1, angle, line1, &foot1)
        || !LineGeometry::perpendicularFoot(middle2, angle, line3, &foot2))
        return false;
    const QPointF centreA = (middle1 + foot1) / 2;
    const QPointF centreB = (middle2 + foot2) / 2;
    // Across from the centre line of pair one to that of pair two.
    if (!LineGeometry::intersect(LineGeometry::ray(centreA, LineGeometry::perpendicularAngle(angle)),
                                 LineGeometry::ray(centreB, angle), &end))
        return false;

    baseLine = base;
    parallelLine1 = line1;
    parallelLine2 = line2;
    parallelLine3 = line3;
    distanceLine = centreA.y() <= end.y() ? QLineF(end, centreA) : QLineF(centreA, end);
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasureParaline2Paraline::values() const
{
    return {lengthValue(labelPrefix(), distanceLine.length())};
}

QVector<QPolygonF> MeasureParaline2Paraline::makeHandles() const
{
    const float baseAngle = float(baseLine.angle());
    QVector<QPolygonF> squares{GlobalVar::getMoveBox(basePoint1, baseAngle, handleSize),
                               GlobalVar::getMoveBox(basePoint2, baseAngle, handleSize)};
    const QPointF points[] = {parallelPoint1, parallelPoint2, parallelPoint3};
    const QLineF lines[] = {parallelLine1, parallelLine2, parallelLine3};
    for (int i = 0; i < 3 && isSet(points[i]); ++i)
        squares << GlobalVar::getMoveBox(points[i], float(lines[i].angle()), handleSize);
    return squares;
}

QVector<QPolygonF> MeasureParaline2Paraline::makeBands() const
{
    QVector<QPolygonF> strips{GlobalVar::getOuterShape(baseLine, handleSize)};
    const QPointF points[] = {parallelPoint1, parallelPoint2, parallelPoint3};
    const QLineF lines[] = {parallelLine1, parallelLine2, parallelLine3};
    for (int i = 0; i < 3 && isSet(points[i]); ++i) {
        if (i < 2 || measured)
            strips << GlobalVar::getOuterShape(lines[i], handleSize);
    }
    if (measured)
        strips << GlobalVar::getOuterShape(distanceLine, handleSize);
    return strips;
}

void MeasureParaline2Paraline::paintGeometry(QPainter *painter) const
{
    // Lines not computed yet are null.
    QVector<QLineF> lines;
    for (const QLineF &line : {baseLine, parallelLine1, parallelLine2, parallelLine3, distanceLine}) {
        if (!line.isNull())
            lines << line;
    }
    painter->drawLines(lines);
}
