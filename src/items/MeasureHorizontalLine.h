#ifndef MEASUREHORIZONTALLINE_H
#define MEASUREHORIZONTALLINE_H

#include "MeasureLine.h"

// A horizontal segment: the end point keeps the start point's height, whatever the mouse's y.
// Dragging the start handle therefore moves the whole line.
class MeasureHorizontalLine : public MeasureLine
{
public:
    enum { Type = UserType + 4 };

    int property() const override { return 4; }

protected:
    QPointF endPointFor(const QPointF &point) const override { return QPointF(point.x(), startPoint.y()); }
};

#endif // MEASUREHORIZONTALLINE_H
