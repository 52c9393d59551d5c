#include "LineGeometry.h"

#include <QtMath>

namespace LineGeometry {

qreal perpendicularAngle(qreal angle)
{
    return angle >= 270 ? angle - 90 : angle + 90;
}

QLineF ray(const QPointF &from, qreal angle)
{
    return QLineF::fromPolar(1.0, angle).translated(from);
}

QLineF parallelCopy(const QLineF &segment, const QPointF &centre)
{
    const QPointF half = (segment.p2() - segment.p1()) / 2;
    return QLineF(centre - half, centre + half);
}

bool intersect(const QLineF &a, const QLineF &b, QPointF *point)
{
    const QPointF da = a.p2() - a.p1();
    const QPointF db = b.p2() - b.p1();
    const qreal denominator = da.x() * db.y() - da.y() * db.x();
    if (denominator == 0)
        return false;
    const QPointF offset = b.p1() - a.p1();
    const qreal t = (offset.x() * db.y() - offset.y() * db.x()) / denominator;
    const QPointF result = a.p1() + t * da;
    // Nearly parallel lines meet so far away that the point is of no use.
    if (!qIsFinite(result.x()) || !qIsFinite(result.y()))
        return false;
    *point = result;
    return true;
}

bool perpendicularFoot(const QPointF &from, qreal angle, const QLineF &target, QPointF *foot)
{
    return intersect(ray(from, perpendicularAngle(angle)), target, foot);
}

QLineF extendTo(const QLineF &segment, const QPointF &foot)
{
    // Where the foot lies along the segment: 0 at its first end, 1 at its second. Tested along
    // the segment, not on x alone, so that upright segments are extended too.
    const QPointF d = segment.p2() - segment.p1();
    const qreal squaredLength = QPointF::dotProduct(d, d);
    if (squaredLength > 0) {
        const qreal t = QPointF::dotProduct(foot - segment.p1(), d) / squaredLength;
        if (t > 0 && t < 1)
            return segment;
    }
    const QLineF toFirst(foot, segment.p1());
    const QLineF toSecond(foot, segment.p2());
    QLineF result = toFirst.length() > toSecond.length() ? toFirst : toSecond;
    if (result.p1().y() <= result.p2().y())
        result = QLineF(result.p2(), result.p1());
    return result;
}

Spread spread(const QVector<qreal> &values)
{
    Spread s;
    for (int i = 0; i < values.size(); ++i) {
        const qreal v = values.at(i);
        if (s.minIndex < 0 || v < s.min) {
            s.min = v;
            s.minIndex = i;
        }
        if (s.maxIndex < 0 || v > s.max) {
            s.max = v;
            s.maxIndex = i;
        }
    }
    return s;
}

} // namespace LineGeometry
