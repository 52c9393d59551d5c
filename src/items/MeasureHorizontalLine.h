#ifndef MEASUREHORIZONTALLINE_H
#define MEASUREHORIZONTALLINE_H

#include "MeasureLine.h"

// A horizontal segment: the end point keeps the start point's height, whatever the mouse's y.
// Dragging the start handle therefore moves the whole line.
class MeasureHorizontalLine : public MeasureLine
{
public:
    enum { Type = UserType + toolCode(ToolId::HorizontalLine) };

    int property() const override { return toolCode(ToolId::HorizontalLine); }

protected:
    QPointF endPointFor(const QPointF &point) const override { return QPointF(point.x(), startPoint.y()); }
};

#endif // MEASUREHORIZONTALLINE_H
