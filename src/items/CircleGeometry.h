#ifndef CIRCLEGEOMETRY_H
#define CIRCLEGEOMETRY_H

#include <QLineF>
#include <QPointF>
#include <QRectF>

// Plane geometry shared by the circle, arc, angle and two-circle items: the circle through three
// rim points, the crossing of two lines and the foot of a perpendicular. No widgets, no global
// state. Every construction says when it has no answer, so an item can keep what it showed last
// instead of measuring a made-up circle or a point at the origin.
namespace CircleGeometry {

// Farther than this from the picture (100 times the display's width) a centre or crossing is
// numerical noise from points that are collinear or lines that are parallel in all but rounding.
constexpr qreal farLimit = 100.0 * 1920.0;

struct Circle
{
    QPointF centre;
    qreal radius = 0.0;
    bool valid = false;

    // The bounding square, set edge by edge around the centre.
    QRectF rect() const;
};

// The circle through q1, q2 and q3: its centre lies where the perpendicular bisectors of the
// chords q1-q2 and q2-q3 meet, its radius is the distance to q1. Invalid when two of the points
// are equal (two points fix no circle), when the bisectors do not meet (collinear points) or
// when they meet beyond farLimit.
Circle throughThreePoints(const QPointF &q1, const QPointF &q2, const QPointF &q3);

// A circle of the given centre and radius, invalid when either is not finite or too large.
Circle around(const QPointF &centre, qreal radius);

// Where the infinite lines through a and b cross. False, and *crossing untouched, when either
// line has no length, the lines are parallel or they cross beyond farLimit.
bool intersect(const QLineF &a, const QLineF &b, QPointF *crossing);

// The foot of the perpendicular from p onto the infinite line. False for a line of no length.
bool foot(const QLineF &line, const QPointF &p, QPointF *footPoint);

// Where p lies along the line: 0 at its first end, 1 at its second. The line must have a length.
qreal positionAlong(const QLineF &line, const QPointF &p);

} // namespace CircleGeometry

#endif // CIRCLEGEOMETRY_H
