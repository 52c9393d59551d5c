#include "RobustFit.h"

#include <algorithm>
#include <cmath>

namespace RobustFit {

bool mean(const QVector<QPointF> &points, double *x, double *y)
{
    if (points.isEmpty())
        return false;
    double sx = 0;
    double sy = 0;
    for (const QPointF &p : points) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return false;
        sx += p.x();
        sy += p.y();
    }
    *x = sx / points.size();
    *y = sy / points.size();
    return true;
}

QVector<bool> kept(const QVector<double> &distances)
{
    QVector<double> sizes;
    sizes.reserve(distances.size());
    for (double d : distances)
        sizes << std::abs(d);
    QVector<bool> keep(distances.size(), false);
    if (sizes.isEmpty())
        return keep;
    QVector<double> sorted = sizes;
    const int middle = int(sorted.size()) / 2;
    std::nth_element(sorted.begin(), sorted.begin() + middle, sorted.end());
    const double limit = std::max(tolerance, cutoff * 1.4826 * sorted.at(middle));
    for (int i = 0; i < sizes.size(); ++i)
        keep[i] = sizes.at(i) <= limit;
    return keep;
}

} // namespace RobustFit
