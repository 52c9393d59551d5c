#include "MeasureLine.h"

#include <QPainter>

#include "GlobalVar.h"

void MeasureLine::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    if (index == 1)
        measuredLine = QLineF(point, point);
    Shape::setPoint(point, index, serial);
}

QPointF *MeasureLine::definingPoint(int index)
{
    return index == 1 ? &startPoint : index == 2 ? &endPoint : nullptr;
}

bool MeasureLine::place(const QPointF &point)
{
    endPoint = endPointFor(point);
    measuredLine = startPoint.y() > endPoint.y() ? QLineF(startPoint, endPoint)
                                                 : QLineF(endPoint, startPoint);
    return true;
}

QVector<MeasuredValue> MeasureLine::values() const
{
    return {lengthValue(labelPrefix(), measuredLine.length())};
}

QVector<QPolygonF> MeasureLine::makeHandles() const
{
    const float angle = float(measuredLine.angle());
    return {GlobalVar::getMoveBox(startPoint, angle, handleSize),
            GlobalVar::getMoveBox(endPoint, angle, handleSize)};
}

QVector<QPolygonF> MeasureLine::makeBands() const
{
    return {GlobalVar::getOuterShape(measuredLine, handleSize)};
}

void MeasureLine::paintGeometry(QPainter *painter) const
{
    if (isSet(endPoint))
        painter->drawLine(measuredLine);
}
