#ifndef MEASURECIRCLE2CIRCLE_H
#define MEASURECIRCLE2CIRCLE_H

#include "Shape.h"

// The distance between the centres of two circles, each through three clicked rim points.
class MeasureCircle2Circle : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Circle2Circle) };
    int property() const override { return toolCode(ToolId::Circle2Circle); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;

    QPointF firstCirclePoint1 = unsetPoint();
    QPointF firstCirclePoint2 = unsetPoint();
    QPointF firstCirclePoint3 = unsetPoint();
    QPointF secondCirclePoint1 = unsetPoint();
    QPointF secondCirclePoint2 = unsetPoint();
    QPointF secondCirclePoint3 = unsetPoint();
    // Between the two centres, its lower end on screen (greater y) first.
    QLineF centreLine;
    QRectF firstCircleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);
    QRectF secondCircleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);

protected:
    int pointCount() const override { return 6; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return centreLine.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override;
    QPainterPath partialShape() const override;
    bool bodyContains(const QPointF &pos) const override;

private:
    bool firstShown = false;   // the first circle has been computed
    bool measured = false;     // both circles and their distance have been computed
};

#endif // MEASURECIRCLE2CIRCLE_H
