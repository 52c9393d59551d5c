#include "MeasureCircle.h"

#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>

#include "CircleGeometry.h"
#include "GlobalVar.h"
#include "ValueFormat.h"

namespace {
constexpr double pi = 3.141592653589793;
}

QPointF *MeasureCircle::definingPoint(int index)
{
    switch (index) {
    case 1: return &circlePoint1;
    case 2: return &circlePoint2;
    case 3: return &circlePoint3;
    default: return nullptr;
    }
}

bool MeasureCircle::place(const QPointF &point)
{
    // Collinear rim points have no circle: the item keeps the circle it showed last.
    const CircleGeometry::Circle circle =
        CircleGeometry::throughThreePoints(circlePoint1, circlePoint2, point);
    if (!circle.valid)
        return false;
    circlePoint3 = point;
    circleRect = circle.rect();
    return true;
}

QVector<MeasuredValue> MeasureCircle::values() const
{
    const double w = circleRect.width();
    const double r = w * 0.5;
    return {lengthValue(QStringLiteral("R"), r), lengthValue(QStringLiteral("D"), w),
            preciseLengthValue(QStringLiteral("C"), w * pi), areaValue(QStringLiteral("A"), r * (r * pi))};
}

QVector<QPolygonF> MeasureCircle::makeHandles() const
{
    return {GlobalVar::getMoveBox(circlePoint1, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint2, 0.0f, handleSize),
            GlobalVar::getMoveBox(circlePoint3, 0.0f, handleSize)};
}

void MeasureCircle::paintGeometry(QPainter *painter) const
{
    paintCircle(painter, circleRect);
}

QPainterPath MeasureCircle::outline() const
{
    return circleOutline(circleRect);
}


bool MeasureCircle::bodyContains(const QPointF &pos) const
{
    return Shape::bodyContains(pos) || circleRect.contains(pos);
}
