#include "HitArea.h"

#include <QLineF>

#include <algorithm>

namespace {

// Twice the signed area; its sign tells which way round the polygon runs.
qreal signedArea(const QPolygonF &polygon)
{
    qreal sum = 0.0;
    for (int i = 0, n = polygon.size(); i < n; ++i) {
        const QPointF &a = polygon.at(i);
        const QPointF &b = polygon.at((i + 1) % n);
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum;
}

bool crossing(const QPointF &a, const QPointF &b, const QPointF &c, const QPointF &d, QPointF *at)
{
    return QLineF(a, b).intersects(QLineF(c, d), at) == QLineF::BoundedIntersection;
}

} // namespace

HitArea::HitArea(Mode mode)
    : mode(mode)
{
    if (mode == WholeArea)
        area.setFillRule(Qt::WindingFill);
}

QRectF HitArea::bounds() const
{
    if (mode == WholeArea)
        return area.boundingRect();
    return empty ? QRectF() : QRectF(left, top, right - left, bottom - top);
}

void HitArea::extend(const QPointF &p)
{
    if (empty) {
        left = right = p.x();
        top = bottom = p.y();
        empty = false;
        return;
    }
    left = qMin(left, p.x());
    top = qMin(top, p.y());
    right = qMax(right, p.x());
    bottom = qMax(bottom, p.y());
}

void HitArea::addPolygon(const QPolygonF &polygon)
{
    QPolygonF corners = polygon;
    if (corners.size() > 1 && corners.first() == corners.last())
        corners.removeLast();
    if (corners.size() < 3)
        return;
    if (corners.size() == 4) {
        // Two opposite sides that cross make a bow tie: two triangles meeting at the crossing.
        QPointF x;
        const QPointF &a = corners.at(0), &b = corners.at(1), &c = corners.at(2), &d = corners.at(3);
        if (crossing(a, b, c, d, &x)) {
            addOriented(QPolygonF({a, x, d}));
            addOriented(QPolygonF({x, b, c}));
            return;
        }
        if (crossing(b, c, d, a, &x)) {
            addOriented(QPolygonF({a, b, x}));
            addOriented(QPolygonF({x, c, d}));
            return;
        }
    }
    addOriented(corners);
}

void HitArea::addRect(const QRectF &rect)
{
    const QRectF r = rect.normalized();
    addOriented(QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}));
}

void HitArea::addPath(const QPainterPath &path)
{
    QPainterPath figure;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            addFigure(figure);
            figure = QPainterPath(e);
        } else if (e.isLineTo()) {
            figure.lineTo(e);
        } else if (e.isCurveTo()) {
            figure.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    addFigure(figure);
}

void HitArea::addFigure(const QPainterPath &figure)
{
    // Each figure keeps its curves; only the way round is taken from its flattened outline.
    const QList<QPolygonF> outline = figure.toSubpathPolygons();
    const qreal twiceArea = outline.isEmpty() ? 0.0 : signedArea(outline.first());
    if (twiceArea == 0.0)
        return;
    if (mode == BoundsOnly) {
        const QRectF r = figure.boundingRect();
        extend(r.topLeft());
        extend(r.bottomRight());
    } else {
        area.addPath(twiceArea < 0.0 ? figure.toReversed() : figure);
    }
}

void HitArea::addOriented(const QPolygonF &polygon)
{
    const qreal twiceArea = signedArea(polygon);
    // A polygon without area covers nothing.
    if (twiceArea == 0.0)
        return;
    if (mode == BoundsOnly) {
        for (const QPointF &p : polygon)
            extend(p);
        return;
    }
    QPolygonF closed = polygon;
    if (twiceArea < 0.0)
        std::reverse(closed.begin(), closed.end());
    closed << closed.first();
    area.addPolygon(closed);
}
