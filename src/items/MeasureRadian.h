#ifndef MEASURERADIAN_H
#define MEASURERADIAN_H

#include "Shape.h"

// A circular arc through three clicked points (start, a point on the arc, end): its length and
// the angle it sweeps.
class MeasureRadian : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Radian) };
    int property() const override { return toolCode(ToolId::Radian); }

    QPointF arcStart = unsetPoint();
    QPointF arcMiddle = unsetPoint();
    QPointF arcEnd = unsetPoint();
    QRectF circleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);
    // Degrees swept, 0 to 360.
    float arcAngle = 0.0f;
    // In 1/16 degree, counter-clockwise on screen; the span is negative for a clockwise arc.
    float startAngle16 = 0.0f;
    float spanAngle16 = 0.0f;
    // From the centre to the arc's start and along the arc: as a filled region, the pie slice.
    QPainterPath arcPath;

protected:
    int pointCount() const override { return 3; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("C"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return circleRect.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override { return arcPath; }

};

#endif // MEASURERADIAN_H
