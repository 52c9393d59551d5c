#include "MeasureLine2Circle.h"

#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>

#include "CircleGeometry.h"
#include "GlobalVar.h"

namespace {
// The lower end on screen (greater y) first.
QLineF lowerFirst(const QPointF &a, const QPointF &b)
{
    return a.y() > b.y() ? QLineF(a, b) : QLineF(b, a);
}
} // namespace

QPointF *MeasureLine2Circle::definingPoint(int index)
{
    switch (index) {
    case 1: return &lineStart;
    case 2: return &lineEnd;
    case 3: return &circlePoint1;
    case 4: return &circlePoint2;
    case 5: return &circlePoint3;
    default: return nullptr;
    }
}

void MeasureLine2Circle::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    Shape::setPoint(point, index, serial);
    if (index == 1) {
        lineEnd = point;
        measuredLine = QLineF(point, point);
    } else if (index == 2) {
        measuredLine = lowerFirst(lineStart, lineEnd);
    }
    shapeChanged();
}

void MeasureLine2Circle::drawing(const QPointF &point)
{
    Shape::drawing(point);
    if (!measured && !label.isEmpty()) {
        // While only the line is drawn there is nothing to measure yet.
        label.clear();
        shapeChanged();
    }
}

bool MeasureLine2Circle::place(const QPointF &point)
{
    if (drawingLine()) {
        lineEnd = point;
        measuredLine = lowerFirst(lineStart, lineEnd);
        return true;
    }
    if (!isSet(circlePoint2) || !isSet(lineEnd))
        return false;

    // No circle through collinear rim points, and no foot on a line of no length: the item
    // keeps what it showed last.
    const CircleGeometry::Circle circle =
        CircleGeometry::throughThreePoints(circlePoint1, circlePoint2, point);
    if (!circle.valid)
        return false;
    QLineF line = lowerFirst(lineStart, lineEnd);
    QPointF f;
    if (!CircleGeometry::foot(line, circle.centre, &f))
        return false;

    // A foot beyond the clicked segment: draw the line from the foot to the farther clicked end.
    const qreal along = CircleGeometry::positionAlong(line, f);
    if (along <= 0.0 || along >= 1.0) {
        const QLineF toFirst(f, line.p1());
        const QLineF toSecond(f, line.p2());
        line = toFirst.length() > toSecond.length() ? toFirst : toSecond;
        if (line.p2().y() >= line.p1().y())
            line = QLineF(line.p2(), line.p1());
    }

    circlePoint3 = point;
    circleRect = circle.rect();
    measuredLine = line;
    perpendicular = circle.centre.y() <= f.y() ? QLineF(f, circle.centre)
                                               : QLineF(circle.centre, f);
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasureLine2Circle::values() const
{
    if (!measured)
        return {};
    return {lengthValue(labelPrefix(), perpendicular.length())};
}

QVector<QPolygonF> MeasureLine2Circle::makeHandles() const
{
    const float angle = float(measuredLine.angle());
    if (!measured)
        return {GlobalVar::getMoveBox(measuredLine.p1(), angle, handleSize),
                GlobalVar::getMoveBox(measuredLine.p2(), angle, handleSize)};
    return {GlobalVar::getMoveBox(lineStart, angle, handleSize),
            GlobalVar::getMoveBox(lineEnd, angle, handleSize),
            GlobalVar::getMoveBox(circlePoint1, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint2, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint3, 0.0f, handleSize)};
}

QVector<QPolygonF> MeasureLine2Circle::makeBands() const
{
    if (!measured)
        return {GlobalVar::getOuterShape(measuredLine, handleSize)};
    return {GlobalVar::getInnerShape(measuredLine, handleSize),
            GlobalVar::getInnerShape(perpendicular, handleSize)};
}

void MeasureLine2Circle::paintGeometry(QPainter *painter) const
{
    if (isSet(lineEnd))
        painter->drawLine(measuredLine);
    if (!measured)
        return;
    painter->drawLine(perpendicular);
    drawCross(painter, circleRect.center());
    painter->drawEllipse(circleRect);
}

QPainterPath MeasureLine2Circle::outline() const
{
    QPainterPath path;
    if (measured)
        path.addEllipse(circleRect);
    return path;
}


bool MeasureLine2Circle::bodyContains(const QPointF &pos) const
{
    return Shape::bodyContains(pos) || (measured && circleRect.contains(pos));
}
