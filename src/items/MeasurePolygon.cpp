#include "MeasurePolygon.h"

#include <QPainter>

#include "GlobalVar.h"

void MeasurePolygon::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    // Clicks 1 to 9 add a vertex; the finishing click adds the last through endDraw().
    if (index >= 1 && index < maxVertices && vertices.size() < maxVertices - 1 && !finished) {
        prepareGeometryChange();
        vertices << point;
        if (vertices.size() == 1)
            rubberLine = QLineF(point, point);
        shapeChanged();
    }
    Shape::setPoint(point, 0, serial);
}

void MeasurePolygon::endDraw(const QPointF &point)
{
    if (finished)
        return;
    prepareGeometryChange();
    if (vertices.size() < maxVertices)
        vertices << point;
    finished = true;
    // The label follows the vertices as stored, also when the last one was snapped away from
    // the mouse.
    recomputeStored(point);
}

void MeasurePolygon::recomputeStored(const QPointF &point)
{
    editingVertex = true;
    drawing(point);
    editingVertex = false;
}

void MeasurePolygon::dragHandle(int handle, const QPointF &pos)
{
    if (handle < 1 || handle > vertices.size())
        return;
    vertices[handle - 1] = pos;
    recomputeStored(pos);
}

void MeasurePolygon::recompute()
{
    recomputeStored(vertices.isEmpty() ? QPointF() : vertices.last());
}

QPointF *MeasurePolygon::definingPoint(int index)
{
    return index >= 1 && index <= vertices.size() ? &vertices[index - 1] : nullptr;
}

bool MeasurePolygon::place(const QPointF &point)
{
    if (vertices.isEmpty())
        return false;
    if (vertices.size() < 2 && !editingVertex) {
        const QPointF first = vertices.first();
        rubberLine = first.y() > point.y() ? QLineF(first, point) : QLineF(point, first);
        return false;
    }
    polygon = QPolygonF(vertices);
    if (!editingVertex)
        polygon << point;
    perimeter = 0;
    for (int i = 0; i < polygon.size(); ++i)
        perimeter += edge(i).length();
    return true;
}

QLineF MeasurePolygon::edge(int i) const
{
    return QLineF(polygon.at(i), polygon.at((i + 1) % polygon.size()));
}

QVector<MeasuredValue> MeasurePolygon::values() const
{
    return {lengthValue(QStringLiteral("C"), perimeter)};
}

QVector<QPolygonF> MeasurePolygon::makeHandles() const
{
    QVector<QPolygonF> squares;
    for (int i = 0; i < polygon.size(); ++i)
        squares << GlobalVar::getMoveBox(polygon.at(i), float(edge(i).angle()), handleSize);
    return squares;
}

QVector<QPolygonF> MeasurePolygon::makeBands() const
{
    // One strip per edge, between the squares at its two ends.
    QVector<QPolygonF> strips;
    for (int i = 0; i < polygon.size(); ++i)
        strips << GlobalVar::getInnerShape(edge(i), handleSize);
    return strips;
}

QPointF MeasurePolygon::labelAnchor() const
{
    return vertices.isEmpty() ? QPointF() : vertices.first();
}

void MeasurePolygon::paintGeometry(QPainter *painter) const
{
    // Until the polygon is first computed, the segment to the mouse stands for it.
    if (polygon.size() >= 2)
        painter->drawPolygon(polygon, Qt::OddEvenFill);
    else if (!vertices.isEmpty())
        painter->drawLine(rubberLine);
}
