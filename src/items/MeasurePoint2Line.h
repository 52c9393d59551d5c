#ifndef MEASUREPOINT2LINE_H
#define MEASUREPOINT2LINE_H

#include <QLineF>

#include "Shape.h"

// The distance from a point to the line through two further points: click 1 places the point,
// click 2 the reference line's start, the mouse its end, fixed by click 3.
class MeasurePoint2Line : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Point2Line) };
    int property() const override { return toolCode(ToolId::Point2Line); }

    QPointF point = unsetPoint();
    QPointF lineStart = unsetPoint();
    QPointF lineEnd = unsetPoint();
    // From `point` to its foot on the reference line, the upper end first.
    QLineF perpendicular;
    // The reference segment, greater y first, lengthened to the foot when it lies beyond it.
    QLineF baseLine;

protected:
    int pointCount() const override { return 3; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return perpendicular.center(); }
    void paintGeometry(QPainter *painter) const override;

private:
    bool measured = false;
};

#endif // MEASUREPOINT2LINE_H
