#include "CircleFit.h"

#include <cmath>

#include "CircleGeometry.h"
#include "RobustFit.h"

namespace CircleFit {
namespace {
constexpr int maxIterations = 50;

// Solves the symmetric 3 x 3 system a x = b by Cramer's rule; false when it is singular
// relative to the size of its entries.
bool solve3(const double a[3][3], const double b[3], double x[3])
{
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1])
                       - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
                       + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    double scale = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            scale = std::fmax(scale, std::abs(a[i][j]));
    if (!(scale > 0) || !(std::abs(det) > 1e-12 * scale * scale * scale))
        return false;
    for (int column = 0; column < 3; ++column) {
        double m[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = j == column ? b[i] : a[i][j];
        x[column] = (m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1])
                     - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
                     + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]))
                    / det;
    }
    return true;
}

double sumOfSquares(const QVector<QPointF> &points, double a, double b, double r)
{
    double sum = 0;
    for (const QPointF &p : points) {
        const double d = std::hypot(p.x() - a, p.y() - b) - r;
        sum += d * d;
    }
    return sum;
}
} // namespace

QRectF Result::rect() const
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

Result fit(const QVector<QPointF> &points)
{
    Result result;
    const int n = int(points.size());
    if (n < 3)
        return result;
    double mx = 0;
    double my = 0;
    if (!RobustFit::mean(points, &mx, &my))
        return result;

    // Algebraic fit in centred coordinates: the centre (uc, vc) solves
    // [Suu Suv; Suv Svv] (uc, vc) = ((Suuu + Suvv) / 2, (Svvv + Svuu) / 2).
    double suu = 0, suv = 0, svv = 0, suuu = 0, svvv = 0, suvv = 0, svuu = 0;
    for (const QPointF &p : points) {
        const double u = p.x() - mx;
        const double v = p.y() - my;
        suu += u * u;
        suv += u * v;
        svv += v * v;
        suuu += u * u * u;
        svvv += v * v * v;
        suvv += u * v * v;
        svuu += v * u * u;
    }
    const double det = suu * svv - suv * suv;
    const double spread = suu + svv;
    if (!(spread > 0) || !(std::abs(det) > 1e-12 * spread * spread))
        return result;
    const double ru = (suuu + suvv) / 2;
    const double rv = (svvv + svuu) / 2;
    const double uc = (ru * svv - rv * suv) / det;
    const double vc = (rv * suu - ru * suv) / det;
    double a = uc + mx;
    double b = vc + my;
    double r = std::sqrt(uc * uc + vc * vc + spread / n);
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(r))
        return result;

    // Geometric refinement: minimise the sum of (distance to the centre - radius)².
    double cost = sumOfSquares(points, a, b, r);
    for (int iteration = 0; iteration < maxIterations && cost > 0; ++iteration) {
        double jtj[3][3] = {};
        double jtr[3] = {};
        for (const QPointF &p : points) {
            const double dx = p.x() - a;
            const double dy = p.y() - b;
            const double d = std::hypot(dx, dy);
            if (!(d > 0))
                continue;
            const double residual = d - r;
            const double j[3] = {-dx / d, -dy / d, -1.0};
            for (int row = 0; row < 3; ++row) {
                jtr[row] -= j[row] * residual;
                for (int column = 0; column < 3; ++column)
                    jtj[row][column] += j[row] * j[column];
            }
        }
        double delta[3];
        if (!solve3(jtj, jtr, delta))
            break;
        double factor = 1.0;
        bool improved = false;
        for (int halving = 0; halving < 20; ++halving) {
            const double na = a + factor * delta[0];
            const double nb = b + factor * delta[1];
            const double nr = r + factor * delta[2];
            const double newCost = sumOfSquares(points, na, nb, nr);
            if (nr > 0 && newCost < cost) {
                const double change = std::abs(factor * delta[0]) + std::abs(factor * delta[1])
                                      + std::abs(factor * delta[2]);
                a = na;
                b = nb;
                r = nr;
                cost = newCost;
                improved = change > 1e-12 * (1 + r);
                break;
            }
            factor /= 2;
        }
        if (!improved)
            break;
    }

    if (std::hypot(a, b) > CircleGeometry::farLimit || r > CircleGeometry::farLimit || !(r > 0))
        return result;
    result.centre = QPointF(a, b);
    result.radius = r;
    result.rms = std::sqrt(cost / n);
    result.valid = true;
    return result;
}

Result robustFit(const QVector<QPointF> &points, QVector<bool> *used)
{
    return RobustFit::refit(points, fit, [](const Result &circle, const QPointF &p) {
        return std::hypot(p.x() - circle.centre.x(), p.y() - circle.centre.y()) - circle.radius;
    }, used);
}

} // namespace CircleFit
