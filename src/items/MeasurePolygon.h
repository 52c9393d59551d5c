#ifndef MEASUREPOLYGON_H
#define MEASUREPOLYGON_H

#include <QLineF>

#include "Shape.h"

// A closed polygon of up to ten clicked vertices and its perimeter. While it is drawn the
// mouse stands for a further vertex; the finishing click (the tenth, or a right click) adds
// the last one.
class MeasurePolygon : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Polygon) };
    int property() const override { return toolCode(ToolId::Polygon); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void endDraw(const QPointF &point) override;
    bool isComplete() const override { return finished; }

    static constexpr int maxVertices = 10;

    QVector<QPointF> vertices;
    // From the first vertex to the mouse while only one vertex exists, greater y first.
    QLineF rubberLine;
    // The vertices as last computed, the mouse included while drawing.
    QPolygonF polygon;
    qreal perimeter = 0;
    bool finished = false;

protected:
    int pointCount() const override { return int(vertices.size()); }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("P"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override;
    void paintGeometry(QPainter *painter) const override;
    void dragHandle(int handle, const QPointF &pos) override;
    void recompute() override;

private:
    // Edge i runs from vertex i to the next, the last back to the first.
    QLineF edge(int i) const;
    // Recompute with the stored vertices only, not with the mouse as an extra one.
    void recomputeStored(const QPointF &point);

    bool editingVertex = false;
};

#endif // MEASUREPOLYGON_H
