#ifndef CALIBRATECIRCLE_H
#define CALIBRATECIRCLE_H

#include "MeasureCircle.h"

// A circle through three points drawn over a round feature of known diameter. Its pixel
// measure is the circle's diameter (0 while no circle was found); its label is the name the
// calibration is given, written whole and hidden while the item is selected.
class CalibrateCircle : public MeasureCircle
{
public:
    enum { Type = UserType + toolCode(ToolId::CalibrateCircle) };

    int property() const override { return toolCode(ToolId::CalibrateCircle); }
    float pixelMeasure() const { return circleRect.width() > 0.0 ? float(circleRect.width()) : 0.0f; }
    // Where the calibration dialog opens: at the circle's right edge, half way down.
    QPointF dialogAnchor() const { return QPointF(circleRect.right(), circleRect.center().y()); }

    QString shownLabel() const override { return isSelected() ? QString() : label; }

protected:
    QString makeLabel() const override { return label; }
};

#endif // CALIBRATECIRCLE_H
