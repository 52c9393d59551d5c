#include "LineFit.h"

#include <cmath>

#include "RobustFit.h"

namespace LineFit {

qreal Result::distance(const QPointF &p) const
{
    const QPointF d = p - point;
    return d.y() * direction.x() - d.x() * direction.y();
}

Result fit(const QVector<QPointF> &points)
{
    Result result;
    const int n = int(points.size());
    if (n < 2)
        return result;
    double mx = 0;
    double my = 0;
    if (!RobustFit::mean(points, &mx, &my))
        return result;
    double sxx = 0, sxy = 0, syy = 0;
    for (const QPointF &p : points) {
        const double u = p.x() - mx;
        const double v = p.y() - my;
        sxx += u * u;
        sxy += u * v;
        syy += v * v;
    }
    if (!(sxx + syy > 0))
        return result;
    const double angle = 0.5 * std::atan2(2 * sxy, sxx - syy);
    QPointF direction(std::cos(angle), std::sin(angle));
    // From the first point towards the last.
    const QPointF run = points.last() - points.first();
    if (run.x() * direction.x() + run.y() * direction.y() < 0)
        direction = -direction;
    result.point = QPointF(mx, my);
    result.direction = direction;
    double lowest = 0, highest = 0, sum = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF d = points.at(i) - result.point;
        const double t = d.x() * direction.x() + d.y() * direction.y();
        lowest = i == 0 ? t : std::min(lowest, t);
        highest = i == 0 ? t : std::max(highest, t);
        const double off = result.distance(points.at(i));
        sum += off * off;
        result.largestDeviation = std::max(result.largestDeviation, std::abs(off));
    }
    result.segment = QLineF(result.point + direction * lowest, result.point + direction * highest);
    result.rms = std::sqrt(sum / n);
    result.valid = true;
    return result;
}

Result robustFit(const QVector<QPointF> &points, QVector<bool> *used)
{
    return RobustFit::refit(points, fit, [](const Result &line, const QPointF &p) { return line.distance(p); }, used);
}

} // namespace LineFit
