#ifndef HITAREA_H
#define HITAREA_H

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

// The area an item is hit in: the places covered by any of its parts (handle squares, bands,
// the label's rectangle, outlines). The parts are gathered as polygons all running the same way
// round under the winding fill rule, so that where they overlap the winding numbers add up:
// the covered area is their union, without boolean path operations.
class HitArea
{
public:
    HitArea();

    // A simple polygon, or a four-cornered one whose sides cross (a band shorter than its
    // handles), which covers its two triangles.
    void addPolygon(const QPolygonF &polygon);
    void addRect(const QRectF &rect);
    // Every figure of `path` (closed or not), each as the region it encloses.
    void addPath(const QPainterPath &path);

    const QPainterPath &path() const { return area; }

private:
    void addOriented(const QPolygonF &polygon);

    QPainterPath area;
};

#endif // HITAREA_H
