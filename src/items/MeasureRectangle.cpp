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

QString MeasureRectangle::displayText() const
{
    const qreal w = measuredRect.width();
    const qreal h = measuredRect.height();
    // An area is in square units: the calibration factor applies twice.
    qreal area = w * h;
    if (!GlobalVar::currentUnit.contains(QLatin1String("pixels"))) {
        const float k = GlobalVar::currentRealRuler;
        area = qreal(k * k * float(w) * float(h));
    }
    const QString s = QString::number(serial);
    return lengthText(QLatin1Char('a') + s, w)
        + QLatin1Char('\n') + lengthText(QLatin1Char('b') + s, h)
        + QLatin1Char('\n') + lengthText(QLatin1Char('C') + s, (w + h) * 2)
        + QLatin1Char('\n') + QLatin1Char('A') + s + QLatin1Char('=')
        + QString::number(area, 'f', GlobalVar::textDigiLength) + GlobalVar::currentUnit
        + QChar(0x00B2);
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
