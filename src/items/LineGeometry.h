#ifndef LINEGEOMETRY_H
#define LINEGEOMETRY_H

#include <QLineF>
#include <QPointF>
#include <QVector>

// Plane geometry shared by the items that measure perpendicular distances. Angles are in
// degrees as QLineF::angle() gives them: 0 <= a < 360, counter-clockwise on screen.
//
// Constructions that may have no answer (parallel or null lines) say so through their return
// value; nothing here yields NaN or infinity.
namespace LineGeometry {

// The direction at right angles to `angle`, turned counter-clockwise, kept in [0, 360).
qreal perpendicularAngle(qreal angle);

// A unit segment starting at `from` in direction `angle`: a line to intersect with.
QLineF ray(const QPointF &from, qreal angle);

// The copy of `segment` with the same length and direction, centred on `centre`. A null
// segment gives the null segment at `centre`.
QLineF parallelCopy(const QLineF &segment, const QPointF &centre);

// The intersection of the infinite lines through `a` and `b`. False, and `point` untouched,
// when they are parallel or either is null.
bool intersect(const QLineF &a, const QLineF &b, QPointF *point);

// Where the line through `from`, at right angles to direction `angle`, meets the infinite line
// through `target`. False when it does not (a null target, or `target` at right angles to
// `angle`).
bool perpendicularFoot(const QPointF &from, qreal angle, const QLineF &target, QPointF *foot);

// `segment` made to reach `foot`, a point on its line. A foot strictly between the ends is
// already covered and leaves the segment as it is. Otherwise the result runs from the foot to
// the farther end (the second end when both are as far), with its greater y first.
QLineF extendTo(const QLineF &segment, const QPointF &foot);

// The nearest and the farthest of a list of values: the first index of the smallest and of the
// largest. An empty list has no spread (valid() false).
struct Spread
{
    int minIndex = -1;
    int maxIndex = -1;
    qreal min = 0;
    qreal max = 0;
    bool valid() const { return minIndex >= 0; }
    qreal value() const { return max - min; }
};
Spread spread(const QVector<qreal> &values);

} // namespace LineGeometry

#endif // LINEGEOMETRY_H
