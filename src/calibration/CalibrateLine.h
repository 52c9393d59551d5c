#ifndef CALIBRATELINE_H
#define CALIBRATELINE_H

#include "MeasureLine.h"

// A segment drawn over a feature of known length. Its pixel measure is the segment's length;
// its label is the name the calibration is given, written whole.
class CalibrateLine : public MeasureLine
{
public:
    enum { Type = UserType + toolCode(ToolId::CalibrateLine) };

    int property() const override { return toolCode(ToolId::CalibrateLine); }
    float pixelMeasure() const { return float(measuredLine.length()); }
    // Where the calibration dialog opens: beside the end with the larger x.
    QPointF dialogAnchor() const { return startPoint.x() > endPoint.x() ? startPoint : endPoint; }

    QString shownLabel() const override { return label; }

protected:
    QString makeLabel() const override { return label; }
};

#endif // CALIBRATELINE_H
