#ifndef MEASURECONCENTRIC_H
#define MEASURECONCENTRIC_H

#include "Shape.h"

// A circle through three clicked rim points and a second circle around the same centre through
// a fourth point: both radii and their difference.
class MeasureConcentric : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Concentric) };
    int property() const override { return toolCode(ToolId::Concentric); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;

    QPointF circlePoint1 = unsetPoint();
    QPointF circlePoint2 = unsetPoint();
    QPointF circlePoint3 = unsetPoint();
    // Its distance from the centre is the second circle's radius.
    QPointF radiusPoint = unsetPoint();
    QRectF firstCircleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);
    QRectF secondCircleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);

protected:
    int pointCount() const override { return 4; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override { return {}; }
    QPointF labelAnchor() const override { return firstCircleRect.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override;
    QPainterPath partialShape() const override;
    bool bodyContains(const QPointF &pos) const override;

private:
    bool firstShown = false;   // the first circle has been computed
    bool measured = false;     // both circles have been computed
};

#endif // MEASURECONCENTRIC_H
