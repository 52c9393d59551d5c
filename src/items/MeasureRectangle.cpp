#include "MeasureRectangle.h"

#include <QPainter>

#include "GlobalVar.h"

QPointF *MeasureRectangle::definingPoint(int index)
{
    return index == 1 ? &cornerPoint1 : index == 2 ? &cornerPoint2 : nullptr;
}

bool MeasureRectangle::place(const QPointF &point)
{
    cornerPoint2 = point;
    measuredRect = QRectF(cornerPoint1, cornerPoint2).normalized();
    const qreal grow = handleSize;
    bodyRect = measuredRect.adjusted(-grow, -grow, grow, grow);
    return true;
}

QVector<MeasuredValue> MeasureRectangle::values() const
{
    const qreal w = measuredRect.width();
    const qreal h = measuredRect.height();
    // An area is in square units: the calibration factor applies twice, in single precision.
    MeasuredValue area = areaValue(QStringLiteral("A"), w * h);
    if (!GlobalVar::currentUnit.contains(QLatin1String("pixels"))) {
        const float k = GlobalVar::currentRealRuler;
        area.number = qreal(k * k * float(w) * float(h));
    }
    return {lengthValue(QStringLiteral("a"), w), lengthValue(QStringLiteral("b"), h),
            lengthValue(QStringLiteral("C"), (w + h) * 2), area};
}

QVector<QPolygonF> MeasureRectangle::makeHandles() const
{
    return {GlobalVar::getMoveBox(cornerPoint1, 0.0f, handleSize),
            GlobalVar::getMoveBox(cornerPoint2, 0.0f, handleSize)};
}

QVector<QPolygonF> MeasureRectangle::makeBands() const
{
    return {QPolygonF(bodyRect)};
}

void MeasureRectangle::paintGeometry(QPainter *painter) const
{
    if (isSet(cornerPoint2))
        painter->drawRect(measuredRect);
}
