#ifndef HITAREA_H
#define HITAREA_H

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

// The area an item is hit in: the places covered by any of its parts (handle squares, bands,
// the label's rectangle, outlines). The parts are gathered as polygons all running the same way
// round under the winding fill rule, so that where they overlap the winding numbers add up:
// the covered area is their union, without boolean path operations.
//
// Asked for its bounds only, it keeps the corners' extent and builds no path: a scene re-reads
// every changed item's bounding rectangle, and far more often than it hit tests one.
class HitArea
{
public:
    enum Mode { WholeArea, BoundsOnly };
    explicit HitArea(Mode mode = WholeArea);

    // A simple polygon, or a four-cornered one whose sides cross (a band shorter than its
    // handles), which covers its two triangles.
    void addPolygon(const QPolygonF &polygon);
    void addRect(const QRectF &rect);
    // Every figure of `path` (closed or not), each as the region it encloses.
    void addPath(const QPainterPath &path);

    // The area gathered; empty when only the bounds are kept.
    const QPainterPath &path() const { return area; }
    // The bounding rectangle of the area, the same as path().boundingRect().
    QRectF bounds() const;

private:
    void addOriented(const QPolygonF &polygon);
    void addFigure(const QPainterPath &figure);
    void extend(const QPointF &p);

    Mode mode;
    QPainterPath area;
    bool empty = true;
    qreal left = 0, top = 0, right = 0, bottom = 0;
};

#endif // HITAREA_H
