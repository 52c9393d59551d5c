#ifndef ROBUSTFIT_H
#define ROBUSTFIT_H

#include <QPointF>
#include <QVector>

// The outlier rule the edge tools share: a point whose distance from a first fit exceeds a few
// standard deviations is dropped and the fit repeated. The deviation is estimated from the
// median distance (1.4826 times it), so that the wild points themselves do not widen it.
namespace RobustFit {

// Standard deviations beyond which a point is dropped.
constexpr double cutoff = 3.0;
// Distances up to this (pixels) are never outliers: on a clean edge the deviation is tiny.
constexpr double tolerance = 0.05;
// Fits repeated at most this often.
constexpr int rounds = 8;

// The mean of the points' coordinates; false, leaving them, where a point is not finite.
bool mean(const QVector<QPointF> &points, double *x, double *y);

// For each distance (signed or not): whether its point is kept.
QVector<bool> kept(const QVector<double> &distances);

// Fits `points` by `fit` (points -> result with `valid`), drops those whose `distance`
// (result, point -> pixels) breaks the rule, and fits the rest again, until the kept points
// no longer change. *used (optional) says which points the result rests on.
template<class Fit, class Distance>
auto refit(const QVector<QPointF> &points, Fit fit, Distance distance, QVector<bool> *used)
{
    QVector<bool> keep(points.size(), true);
    auto result = fit(points);
    for (int round = 0; round < rounds && result.valid; ++round) {
        QVector<double> distances;
        distances.reserve(points.size());
        for (const QPointF &p : points)
            distances << distance(result, p);
        const QVector<bool> next = kept(distances);
        if (next == keep)
            break;
        keep = next;
        QVector<QPointF> inliers;
        for (int i = 0; i < points.size(); ++i) {
            if (keep.at(i))
                inliers << points.at(i);
        }
        result = fit(inliers);
    }
    if (used)
        *used = keep;
    return result;
}

} // namespace RobustFit

#endif // ROBUSTFIT_H
