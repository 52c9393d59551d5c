#include "MeasureCircleFit.h"

#include <QPainter>

#include "GlobalVar.h"
#include "ValueFormat.h"

namespace {
constexpr double pi = 3.141592653589793;
}

void MeasureCircleFit::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    // Clicks 1 to 19 add a rim point; the finishing click adds the last through endDraw().
    if (index >= 1 && index < maxPoints && rimPoints.size() < maxPoints - 1 && !finished) {
        prepareGeometryChange();
        rimPoints << point;
        shapeChanged();
    }
    Shape::setPoint(point, 0, serial);
}

void MeasureCircleFit::endDraw(const QPointF &point)
{
    if (finished)
        return;
    prepareGeometryChange();
    if (isSet(point) && rimPoints.size() < maxPoints)
        rimPoints << point;
    finished = true;
    if (!recomputeStored()) {
        // The label must not keep a circle that included the mouse: the item shows its name
        // and no values until its points are dragged onto a circle.
        circle = CircleFit::Result();
        circleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);
        fittedPoints = rimPoints;
        label = name() + QLatin1Char('=') + name();
        handles = makeHandles();
        bands.clear();
        shapeChanged();
        update();
    }
}

bool MeasureCircleFit::recomputeStored()
{
    storedOnly = true;
    drawing(rimPoints.isEmpty() ? QPointF() : rimPoints.last());
    storedOnly = false;
    return lastFitValid;
}

void MeasureCircleFit::dragHandle(int handle, const QPointF &pos)
{
    if (handle < 1 || handle > rimPoints.size())
        return;
    const QPointF before = rimPoints.at(handle - 1);
    rimPoints[handle - 1] = pos;
    // Where the points give no circle, the item stays as it was, the dragged point included.
    if (!recomputeStored())
        rimPoints[handle - 1] = before;
}

void MeasureCircleFit::recompute()
{
    recomputeStored();
}

QPointF *MeasureCircleFit::definingPoint(int index)
{
    return index >= 1 && index <= rimPoints.size() ? &rimPoints[index - 1] : nullptr;
}

bool MeasureCircleFit::place(const QPointF &point)
{
    QVector<QPointF> points = rimPoints;
    if (!storedOnly && !finished)
        points << point;
    const CircleFit::Result fit = CircleFit::fit(points);
    lastFitValid = fit.valid;
    if (!fit.valid)
        return false;
    fittedPoints = points;
    circle = fit;
    circleRect = fit.rect();
    return true;
}

QVector<MeasuredValue> MeasureCircleFit::values() const
{
    if (!circle.valid)
        return {};
    const double w = circleRect.width();
    const double r = w * 0.5;
    return {lengthValue(QStringLiteral("R"), r), lengthValue(QStringLiteral("D"), w),
            preciseLengthValue(QStringLiteral("C"), w * pi), areaValue(QStringLiteral("A"), r * (r * pi)),
            lengthValue(QStringLiteral("RMS"), circle.rms)};
}

QString MeasureCircleFit::displayText() const
{
    // Before a circle fits, the label names the item alone.
    return circle.valid ? Shape::displayText() : name();
}

QVector<QPolygonF> MeasureCircleFit::makeHandles() const
{
    QVector<QPolygonF> squares;
    for (const QPointF &p : fittedPoints)
        squares << GlobalVar::getMoveBox(p, 0.0f, handleSize);
    return squares;
}

void MeasureCircleFit::paintGeometry(QPainter *painter) const
{
    paintCircle(painter, circleRect);
}

QPainterPath MeasureCircleFit::outline() const
{
    return circleOutline(circleRect);
}

bool MeasureCircleFit::bodyContains(const QPointF &pos) const
{
    return Shape::bodyContains(pos) || circleRect.contains(pos);
}
