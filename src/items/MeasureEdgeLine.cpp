#include "MeasureEdgeLine.h"

#include <QPainter>
#include <QtMath>

#include "GlobalVar.h"

void MeasureEdgeLine::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    if (index >= 1 && !finished && edgePoints.size() < maxEdges) {
        prepareGeometryChange();
        edgePoints << point;
        shapeChanged();
    }
    Shape::setPoint(point, 0, serial);
}

void MeasureEdgeLine::endDraw(const QPointF &point)
{
    if (finished)
        return;
    if (isSet(point) && edgePoints.size() < maxEdges)
        edgePoints << point;
    finished = true;
    line = LineFit::Result();
    label.clear();
    recompute();
}

void MeasureEdgeLine::recompute()
{
    storedOnly = true;
    drawing(edgePoints.isEmpty() ? QPointF() : edgePoints.last());
    storedOnly = false;
}

QPointF *MeasureEdgeLine::definingPoint(int index)
{
    return index >= 1 && index <= edgePoints.size() ? &edgePoints[index - 1] : nullptr;
}

bool MeasureEdgeLine::place(const QPointF &point)
{
    QVector<QPointF> points = edgePoints;
    if (!storedOnly && !finished)
        points << point;
    const LineFit::Result fit = LineFit::robustFit(points);
    if (!fit.valid)
        return false;
    line = fit;
    return true;
}

qreal MeasureEdgeLine::angleToHorizontal() const
{
    // Screen y grows downwards.
    qreal degrees = qRadiansToDegrees(std::atan2(-line.direction.y(), line.direction.x()));
    if (degrees > 90)
        degrees -= 180;
    else if (degrees <= -90)
        degrees += 180;
    return degrees;
}

QVector<MeasuredValue> MeasureEdgeLine::values() const
{
    if (!line.valid)
        return {};
    return {lengthValue(labelPrefix(), line.segment.length()), angleValue(QStringLiteral("θ"), angleToHorizontal()),
            lengthValue(QStringLiteral("S"), line.largestDeviation)};
}

bool MeasureEdgeLine::offeredBaseLine(QLineF *offered) const
{
    if (!finished || !line.valid)
        return false;
    *offered = QLineF(mapToScene(line.segment.p1()), mapToScene(line.segment.p2()));
    return true;
}

QVector<QPolygonF> MeasureEdgeLine::makeBands() const
{
    return {GlobalVar::getOuterShape(line.segment, handleSize)};
}

void MeasureEdgeLine::paintGeometry(QPainter *painter) const
{
    if (line.valid)
        painter->drawLine(line.segment);
}

QVector<QPointF> MeasureEdgeLine::crossPoints() const
{
    if (!line.valid)
        return Shape::crossPoints();
    return {line.segment.p1(), line.segment.p2()};
}
