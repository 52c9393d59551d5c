#ifndef MEASUREDUALPARALINE_H
#define MEASUREDUALPARALINE_H

#include "MultiPointDistance.h"

// Two points measured from a horizontal base line, each marked by a full copy of the base line
// at its height; the spread is the distance between the two parallels.
class MeasureDualParaline : public MultiPointDistance
{
public:
    enum { Type = UserType + toolCode(ToolId::DualParaline) };
    int property() const override { return toolCode(ToolId::DualParaline); }

protected:
    int maxMeasurePoints() const override { return 2; }
    QLineF markLine(const QPointF &point) const override;
    // The result is the distance between the two parallels, on whichever sides they lie.
    bool spreadSpansMarks() const override { return true; }
};

#endif // MEASUREDUALPARALINE_H
