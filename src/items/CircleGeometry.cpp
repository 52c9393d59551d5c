#include "CircleGeometry.h"

#include <QtMath>

#include <cmath>

namespace CircleGeometry {

namespace {
// Below this the sine of the angle between two directions counts as zero.
constexpr qreal parallelSine = 1e-9;

bool finite(const QPointF &p)
{
    return qIsFinite(p.x()) && qIsFinite(p.y());
}

bool nearPicture(const QPointF &p)
{
    return finite(p) && qAbs(p.x()) <= farLimit && qAbs(p.y()) <= farLimit;
}

// Where the lines p + s*u and q + t*v cross, or false when they do not (or u or v is null).
bool crossLines(const QPointF &p, const QPointF &u, const QPointF &q, const QPointF &v,
                QPointF *crossing)
{
    const qreal lu = std::hypot(u.x(), u.y());
    const qreal lv = std::hypot(v.x(), v.y());
    if (!(lu > 0.0) || !(lv > 0.0))
        return false;
    const qreal cross = u.x() * v.y() - u.y() * v.x();
    if (qAbs(cross) <= parallelSine * lu * lv)
        return false;
    const QPointF d = q - p;
    const qreal s = (d.x() * v.y() - d.y() * v.x()) / cross;
    const QPointF x = p + s * u;
    if (!nearPicture(x))
        return false;
    *crossing = x;
    return true;
}

// The perpendicular bisector of a chord as a point and a direction. A chord of no length has
// none: its direction is null.
void bisector(const QPointF &a, const QPointF &b, QPointF *mid, QPointF *direction)
{
    *mid = (a + b) * 0.5;
    const QPointF chord = b - a;
    *direction = QPointF(-chord.y(), chord.x());
}
} // namespace

QRectF Circle::rect() const
{
    QRectF r;
    r.setLeft(centre.x() - radius);
    r.setTop(centre.y() - radius);
    r.setRight(centre.x() + radius);
    r.setBottom(centre.y() + radius);
    return r;
}

Circle throughThreePoints(const QPointF &q1, const QPointF &q2, const QPointF &q3)
{
    // Two equal points leave only two distinct ones, which lie on many circles.
    if (q1 == q2 || q2 == q3)
        return Circle();
    QPointF m1, d1, m2, d2;
    bisector(q1, q2, &m1, &d1);
    bisector(q2, q3, &m2, &d2);
    QPointF centre;
    if (!crossLines(m1, d1, m2, d2, &centre))
        return Circle();
    return around(centre, QLineF(centre, q1).length());
}

Circle around(const QPointF &centre, qreal radius)
{
    Circle c;
    c.centre = centre;
    c.radius = radius;
    c.valid = nearPicture(centre) && qIsFinite(radius) && radius >= 0.0 && radius <= farLimit;
    return c;
}

bool intersect(const QLineF &a, const QLineF &b, QPointF *crossing)
{
    return crossLines(a.p1(), a.p2() - a.p1(), b.p1(), b.p2() - b.p1(), crossing);
}

bool foot(const QLineF &line, const QPointF &p, QPointF *footPoint)
{
    const QPointF d = line.p2() - line.p1();
    const qreal length2 = d.x() * d.x() + d.y() * d.y();
    if (!(length2 > 0.0) || !finite(p))
        return false;
    const QPointF f = line.p1() + d * positionAlong(line, p);
    if (!finite(f))
        return false;
    *footPoint = f;
    return true;
}

qreal positionAlong(const QLineF &line, const QPointF &p)
{
    const QPointF d = line.p2() - line.p1();
    const QPointF w = p - line.p1();
    return (w.x() * d.x() + w.y() * d.y()) / (d.x() * d.x() + d.y() * d.y());
}

} // namespace CircleGeometry
