#include "MeasureCustomParaline.h"

QLineF MeasureCustomParaline::markLine(const QPointF &point) const
{
    const qreal half = baseLine.length() * 0.03125;
    return QLineF(point.x() - half, point.y(), point.x() + half, point.y());
}
