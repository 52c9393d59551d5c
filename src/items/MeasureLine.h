#ifndef MEASURELINE_H
#define MEASURELINE_H

#include <QLineF>

#include "Shape.h"

// The length of a segment between two clicked points, "L<n>=L<n>=<length><unit>".
class MeasureLine : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Line) };

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    int property() const override { return toolCode(ToolId::Line); }

    QPointF startPoint = unsetPoint();
    QPointF endPoint = unsetPoint();
    // The measured segment, its lower end on screen (greater y) first.
    QLineF measuredLine;

protected:
    // Where the end point lies for a mouse at `point`: the mouse itself for a free segment.
    virtual QPointF endPointFor(const QPointF &point) const { return point; }

    int pointCount() const override { return 2; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return measuredLine.center(); }
    void paintGeometry(QPainter *painter) const override;
};

#endif // MEASURELINE_H
