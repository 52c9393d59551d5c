#ifndef MEASUREPARALINE2PARALINE_H
#define MEASUREPARALINE2PARALINE_H

#include <QLineF>

#include "Shape.h"

// Two pairs of lines, all parallel to one base line: the distance between the centre lines of
// the two pairs. Clicks 1 and 2 fix the base line (the first line of pair one); the mouse then
// places the second line of pair one, and the two lines of pair two, each fixed by a click.
class MeasureParaline2Paraline : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Paraline2Paraline) };
    int property() const override { return toolCode(ToolId::Paraline2Paraline); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;

    QPointF basePoint1 = unsetPoint();
    QPointF basePoint2 = unsetPoint();
    QPointF parallelPoint1 = unsetPoint();
    QPointF parallelPoint2 = unsetPoint();
    QPointF parallelPoint3 = unsetPoint();
    // The base segment (greater y first) and its copies centred on the three parallel points.
    QLineF baseLine;
    QLineF parallelLine1;
    QLineF parallelLine2;
    QLineF parallelLine3;
    // Between the centre lines of the two pairs, at right angles to them.
    QLineF distanceLine;

protected:
    int pointCount() const override { return 5; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return distanceLine.center(); }
    void paintGeometry(QPainter *painter) const override;

private:
    QLineF orderedBase() const;
    bool measure();

    bool measured = false;
};

#endif // MEASUREPARALINE2PARALINE_H
