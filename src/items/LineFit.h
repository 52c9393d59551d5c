#ifndef LINEFIT_H
#define LINEFIT_H

#include <QLineF>
#include <QPointF>
#include <QVector>

// The straight line that fits a set of edge points best (total least squares: the line through
// their mean along the main axis of their spread), and its robust form, which drops outliers
// by RobustFit's rule and fits again. No widgets, no global state.
namespace LineFit {

struct Result
{
    // A point on the line and its unit direction, from the first point used towards the last.
    QPointF point;
    QPointF direction;
    // The points used, projected on the line: from the first to the last along it.
    QLineF segment;
    // Root mean square and largest of the used points' distances from the line, in pixels.
    qreal rms = 0.0;
    qreal largestDeviation = 0.0;
    bool valid = false;

    // Signed distance of p from the line (positive to the left of the direction on screen).
    qreal distance(const QPointF &p) const;
};

// Invalid for fewer than two distinct points and for coordinates that are not finite.
Result fit(const QVector<QPointF> &points);
// The fit after outliers are dropped; *used (optional) says which points it kept.
Result robustFit(const QVector<QPointF> &points, QVector<bool> *used = nullptr);

} // namespace LineFit

#endif // LINEFIT_H
