#ifndef MEASUREVERTICALLINE_H
#define MEASUREVERTICALLINE_H

#include "MeasureLine.h"

// A vertical segment: the end point keeps the start point's x, whatever the mouse's x.
// Dragging the start handle therefore moves the whole line.
class MeasureVerticalLine : public MeasureLine
{
public:
    enum { Type = UserType + toolCode(ToolId::VerticalLine) };

    int property() const override { return toolCode(ToolId::VerticalLine); }

protected:
    QPointF endPointFor(const QPointF &point) const override { return QPointF(startPoint.x(), point.y()); }
};

#endif // MEASUREVERTICALLINE_H
