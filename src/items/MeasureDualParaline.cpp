#include "MeasureDualParaline.h"

QLineF MeasureDualParaline::markLine(const QPointF &point) const
{
    return QLineF(basePoint1.x(), point.y(), basePoint2.x(), point.y());
}
