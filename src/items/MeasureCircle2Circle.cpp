#include "MeasureCircle2Circle.h"

#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>

#include "CircleGeometry.h"
#include "GlobalVar.h"

QPointF *MeasureCircle2Circle::definingPoint(int index)
{
    switch (index) {
    case 1: return &firstCirclePoint1;
    case 2: return &firstCirclePoint2;
    case 3: return &firstCirclePoint3;
    case 4: return &secondCirclePoint1;
    case 5: return &secondCirclePoint2;
    case 6: return &secondCirclePoint3;
    default: return nullptr;
    }
}

void MeasureCircle2Circle::setPoint(const QPointF &point, unsigned char index,
                                    unsigned short serial)
{
    Shape::setPoint(point, index, serial);
    // From the second click on, the first circle's third point follows the mouse.
    if (index == 2) {
        firstCirclePoint3 = point;
        shapeChanged();
    }
}

void MeasureCircle2Circle::drawing(const QPointF &point)
{
    Shape::drawing(point);
    if (!measured && !label.isEmpty()) {
        // One circle alone has no distance to show.
        label.clear();
        shapeChanged();
    }
}

bool MeasureCircle2Circle::place(const QPointF &point)
{
    if (!isSet(secondCirclePoint1)) {
        if (!isSet(firstCirclePoint3))
            return false;
        const CircleGeometry::Circle first =
            CircleGeometry::throughThreePoints(firstCirclePoint1, firstCirclePoint2, point);
        if (!first.valid)
            return false;
        firstCirclePoint3 = point;
        firstCircleRect = first.rect();
        firstShown = true;
        return true;
    }
    if (!isSet(secondCirclePoint2))
        return false;

    // Either circle undefined (collinear rim points): keep what was shown last.
    const CircleGeometry::Circle first =
        CircleGeometry::throughThreePoints(firstCirclePoint1, firstCirclePoint2, firstCirclePoint3);
    const CircleGeometry::Circle second =
        CircleGeometry::throughThreePoints(secondCirclePoint1, secondCirclePoint2, point);
    if (!first.valid || !second.valid)
        return false;

    secondCirclePoint3 = point;
    firstCircleRect = first.rect();
    secondCircleRect = second.rect();
    centreLine = QLineF(first.centre, second.centre);
    if (centreLine.p2().y() >= centreLine.p1().y())
        centreLine = QLineF(centreLine.p2(), centreLine.p1());
    firstShown = true;
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasureCircle2Circle::values() const
{
    if (!measured)
        return {};
    return {lengthValue(labelPrefix(), centreLine.length())};
}

QVector<QPolygonF> MeasureCircle2Circle::makeHandles() const
{
    QVector<QPolygonF> squares;
    for (int i = 1; i <= (measured ? 6 : 3); ++i)
        squares << GlobalVar::getMoveBox(pointAt(i), 0.0f, handleSize);
    return squares;
}

QVector<QPolygonF> MeasureCircle2Circle::makeBands() const
{
    if (!measured)
        return {};
    return {GlobalVar::getOuterShape(centreLine, handleSize)};
}

void MeasureCircle2Circle::paintGeometry(QPainter *painter) const
{
    if (firstShown) {
        drawCross(painter, firstCircleRect.center());
        painter->drawEllipse(firstCircleRect);
    }
    if (measured) {
        drawCross(painter, secondCircleRect.center());
        painter->drawLine(centreLine);
        painter->drawEllipse(secondCircleRect);
    }
}

QPainterPath MeasureCircle2Circle::outline() const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (firstShown)
        path.addEllipse(firstCircleRect);
    // Both discs run the same way round: where they overlap, the winding rule keeps them filled.
    if (measured)
        path.addEllipse(secondCircleRect);
    return path;
}

QPainterPath MeasureCircle2Circle::partialShape() const
{
    QPainterPath path = Shape::partialShape();
    if (firstShown)
        path |= outline();
    return path;
}


bool MeasureCircle2Circle::bodyContains(const QPointF &pos) const
{
    return Shape::bodyContains(pos) || (firstShown && firstCircleRect.contains(pos)) || (measured && secondCircleRect.contains(pos));
}
