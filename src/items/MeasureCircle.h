#ifndef MEASURECIRCLE_H
#define MEASURECIRCLE_H

#include "Shape.h"

// A circle through three clicked rim points: its radius, diameter, circumference and area.
class MeasureCircle : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Circle) };
    int property() const override { return toolCode(ToolId::Circle); }

    QPointF circlePoint1 = unsetPoint();
    QPointF circlePoint2 = unsetPoint();
    QPointF circlePoint3 = unsetPoint();
    QRectF circleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);

protected:
    int pointCount() const override { return 3; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("C"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override { return {}; }
    QPointF labelAnchor() const override { return circleRect.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override;
    bool bodyContains(const QPointF &pos) const override;
};

#endif // MEASURECIRCLE_H
