#ifndef MEASURECUSTOMPARALINE_H
#define MEASURECUSTOMPARALINE_H

#include "MultiPointDistance.h"

// Up to 16 points measured from a horizontal base line, each marked by a short horizontal
// tick, and the spread between the nearest and the farthest.
class MeasureCustomParaline : public MultiPointDistance
{
public:
    enum { Type = UserType + toolCode(ToolId::CustomParaline) };
    int property() const override { return toolCode(ToolId::CustomParaline); }

    static constexpr int maxPoints = 16;

protected:
    int maxMeasurePoints() const override { return maxPoints; }
    // A tick one sixteenth of the base line long, centred on the point.
    QLineF markLine(const QPointF &point) const override;
};

#endif // MEASURECUSTOMPARALINE_H
