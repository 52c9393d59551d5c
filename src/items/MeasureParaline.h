#ifndef MEASUREPARALINE_H
#define MEASUREPARALINE_H

#include <QLineF>

#include "Shape.h"

// A base line through two clicked points and its parallel through a third; the distance
// between them, measured from the middle of the base segment.
class MeasureParaline : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Paraline) };
    int property() const override { return toolCode(ToolId::Paraline); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;

    QPointF basePoint1 = unsetPoint();
    QPointF basePoint2 = unsetPoint();
    QPointF parallelPoint = unsetPoint();
    // The base segment, greater y first.
    QLineF baseLine;
    // The base segment's copy centred on `parallelPoint`, lengthened to the foot if needed.
    QLineF parallelLine;
    // From the middle of the base segment to its foot on the parallel, greater y first.
    QLineF distanceLine;

protected:
    int pointCount() const override { return 3; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return distanceLine.center(); }
    void paintGeometry(QPainter *painter) const override;

private:
    // The base line's ends in order, greater y first; on equal y the second point first.
    QLineF orderedBase() const;

    bool measured = false;
};

#endif // MEASUREPARALINE_H
