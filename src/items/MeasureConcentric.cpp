#include "MeasureConcentric.h"

#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>

#include "CircleGeometry.h"
#include "GlobalVar.h"
#include "ValueFormat.h"

QPointF *MeasureConcentric::definingPoint(int index)
{
    switch (index) {
    case 1: return &circlePoint1;
    case 2: return &circlePoint2;
    case 3: return &circlePoint3;
    case 4: return &radiusPoint;
    default: return nullptr;
    }
}

void MeasureConcentric::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    Shape::setPoint(point, index, serial);
    // Each click also seeds the point that follows the mouse next.
    if (index == 2)
        circlePoint3 = point;
    else if (index == 3)
        radiusPoint = point;
    shapeChanged();
}

void MeasureConcentric::drawing(const QPointF &point)
{
    Shape::drawing(point);
    if (!measured && !label.isEmpty()) {
        // The first circle alone is not measured yet.
        label.clear();
        shapeChanged();
    }
}

bool MeasureConcentric::place(const QPointF &point)
{
    const bool firstStage = !isSet(radiusPoint);
    if (firstStage && !isSet(circlePoint3))
        return false;
    // Collinear rim points have no circle and no centre: keep what was shown last.
    const CircleGeometry::Circle first = CircleGeometry::throughThreePoints(
        circlePoint1, circlePoint2, firstStage ? point : circlePoint3);
    if (!first.valid)
        return false;
    if (firstStage) {
        circlePoint3 = point;
        firstCircleRect = first.rect();
        firstShown = true;
        return true;
    }

    firstCircleRect = first.rect();
    const QPointF centre = firstCircleRect.center();
    const CircleGeometry::Circle second =
        CircleGeometry::around(centre, QLineF(centre, point).length());
    if (!second.valid)
        return false;
    radiusPoint = point;
    secondCircleRect = second.rect();
    firstShown = true;
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasureConcentric::values() const
{
    if (!measured)
        return {};
    const double r1 = firstCircleRect.width() * 0.5;
    const double r2 = secondCircleRect.width() * 0.5;
    // In pixels the difference keeps its sign (negative for a second circle inside the first);
    // through a calibration it is the distance between the rims.
    const MeasuredValue difference = ValueFormat::inPixels() ? lengthValue(QStringLiteral("L"), r2 - r1)
                                                             : preciseLengthValue(QStringLiteral("L"), qAbs(r2 - r1));
    return {lengthValue(QStringLiteral("R"), r1), lengthValue(QStringLiteral("R"), r2, QStringLiteral("'")), difference};
}

QVector<QPolygonF> MeasureConcentric::makeHandles() const
{
    QVector<QPolygonF> squares;
    for (int i = 1; i <= (measured ? 4 : 3); ++i)
        squares << GlobalVar::getMoveBox(pointAt(i), 0.0f, handleSize);
    return squares;
}

void MeasureConcentric::paintGeometry(QPainter *painter) const
{
    if (!firstShown)
        return;
    drawCross(painter, firstCircleRect.center());
    painter->drawEllipse(firstCircleRect);
    if (measured)
        painter->drawEllipse(secondCircleRect);
}

QPainterPath MeasureConcentric::outline() const
{
    // The finished item is hit anywhere inside the squares around its circles.
    QPainterPath path;
    if (firstShown)
        path.addRect(firstCircleRect);
    if (measured) {
        QPainterPath second;
        second.addRect(secondCircleRect);
        path |= second;
    }
    return path;
}

QPainterPath MeasureConcentric::partialShape() const
{
    QPainterPath path = Shape::partialShape();
    if (firstShown) {
        QPainterPath circle;
        circle.addEllipse(firstCircleRect);
        path |= circle;
    }
    return path;
}


bool MeasureConcentric::bodyContains(const QPointF &pos) const
{
    return Shape::bodyContains(pos) || (firstShown && firstCircleRect.contains(pos)) || (measured && secondCircleRect.contains(pos));
}
