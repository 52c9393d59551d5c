#ifndef CIRCLEFIT_H
#define CIRCLEFIT_H

#include <QPointF>
#include <QRectF>
#include <QVector>

// The circle that fits a set of rim points best: first the algebraic fit (least squares of
// x² + y² + D x + E y + F, in coordinates centred on the points' mean, which solves in one
// step), then refined geometrically (Gauss-Newton on the distances of the points from the
// circle, halving a step that does not lower the sum). No widgets, no global state.
namespace CircleFit {

struct Result
{
    QPointF centre;
    qreal radius = 0.0;
    // Root mean square of the points' distances from the circle, in pixels.
    qreal rms = 0.0;
    bool valid = false;

    // The bounding square around the centre.
    QRectF rect() const;
};

// Invalid for fewer than three points, for points that lie on one line (or so nearly that the
// centre lies beyond CircleGeometry::farLimit), and for coordinates that are not finite.
Result fit(const QVector<QPointF> &points);
// The fit after outliers are dropped by RobustFit's rule; *used (optional) says which points
// it kept.
Result robustFit(const QVector<QPointF> &points, QVector<bool> *used = nullptr);

} // namespace CircleFit

#endif // CIRCLEFIT_H
