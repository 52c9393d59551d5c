#ifndef MEASUREVERTICALLINE_H
#define MEASUREVERTICALLINE_H

#include "MeasureLine.h"

// A vertical segment: the end point keeps the start point's x, whatever the mouse's x.
// Dragging the start handle therefore moves the whole line.
class MeasureVerticalLine : public MeasureLine
{
public:
    enum { Type = UserType + 5 };

    int property() const override { return 5; }

protected:
    QPointF endPointFor(const QPointF &point) const override { return QPointF(startPoint.x(), point.y()); }
};

#endif // MEASUREVERTICALLINE_H
