#ifndef MEASURELINE2CIRCLE_H
#define MEASURELINE2CIRCLE_H

#include "Shape.h"

// The distance from the centre of a circle through three clicked rim points to a line through
// two clicked points. The line is drawn out to the foot of the perpendicular when the foot lies
// beyond the clicked segment.
class MeasureLine2Circle : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Line2Circle) };
    int property() const override { return toolCode(ToolId::Line2Circle); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;

    QPointF lineStart = unsetPoint();
    QPointF lineEnd = unsetPoint();
    QPointF circlePoint1 = unsetPoint();
    QPointF circlePoint2 = unsetPoint();
    QPointF circlePoint3 = unsetPoint();
    // The line as drawn, its first end the one lower on screen (greater y).
    QLineF measuredLine = QLineF(unsetPoint(), unsetPoint());
    // Between the circle's centre and the foot point, its first end the lower one.
    QLineF perpendicular = QLineF(unsetPoint(), unsetPoint());
    QRectF circleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);

protected:
    int pointCount() const override { return 5; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return perpendicular.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override;
    bool bodyContains(const QPointF &pos) const override;

private:
    // The line alone follows the mouse (before the circle's first point is clicked).
    bool drawingLine() const { return !isSet(circlePoint1) && isSet(lineEnd); }

    bool measured = false;
};

#endif // MEASURELINE2CIRCLE_H
