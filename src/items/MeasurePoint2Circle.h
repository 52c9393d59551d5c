#ifndef MEASUREPOINT2CIRCLE_H
#define MEASUREPOINT2CIRCLE_H

#include "Shape.h"

// The distance from a clicked point to the centre of a circle through three clicked rim points.
class MeasurePoint2Circle : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Point2Circle) };
    int property() const override { return toolCode(ToolId::Point2Circle); }

    QPointF measuredPoint = unsetPoint();
    QPointF circlePoint1 = unsetPoint();
    QPointF circlePoint2 = unsetPoint();
    QPointF circlePoint3 = unsetPoint();
    // From the circle's centre to the measured point.
    QLineF distanceLine;
    QRectF circleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);

protected:
    int pointCount() const override { return 4; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override { return {lengthValue(labelPrefix(), distanceLine.length())}; }
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return distanceLine.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override;
    bool bodyContains(const QPointF &pos) const override;
};

#endif // MEASUREPOINT2CIRCLE_H
