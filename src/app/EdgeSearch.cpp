#include "EdgeSearch.h"

#include <QImage>
#include <QLineF>

#include <cmath>

#include "CircleFit.h"
#include "LineFit.h"
#include "SubPixelEdge.h"

namespace {
constexpr double pi = 3.141592653589793;

// The grey level at a point between pixel centres (bilinear), as point detection weighs the
// channels; false outside the picture.
bool grey(const QImage &picture, const QPointF &p, double *value)
{
    const double u = p.x() - 0.5;
    const double v = p.y() - 0.5;
    const int x0 = int(std::floor(u));
    const int y0 = int(std::floor(v));
    if (x0 < 0 || y0 < 0 || x0 + 1 >= picture.width() || y0 + 1 >= picture.height())
        return false;
    const auto at = [&picture](int x, int y) {
        const QRgb c = reinterpret_cast<const QRgb *>(picture.constScanLine(y))[x];
        return (11 * qRed(c) + 16 * qGreen(c) + 5 * qBlue(c)) / 32.0;
    };
    const double fx = u - x0;
    const double fy = v - y0;
    *value = (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy)
             + (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
    return true;
}

// The edge on the path start + k * step, k = 0 ... count - 1 (a path leaving the picture ends
// there), refined; false where there is none to refine.
bool edgeOnPath(const QImage &picture, const QPointF &start, const QPointF &step, int count,
                const PictureResponse &response, QPointF *edge)
{
    QVector<double> levels;
    levels.reserve(count);
    double level = 0;
    for (int k = 0; k < count && grey(picture, start + step * k, &level); ++k)
        levels << level;
    const int n = int(levels.size());
    double strongest = 0;
    for (int k = 1; k + 1 < n; ++k)
        strongest = std::max(strongest, std::abs(levels.at(k + 1) - levels.at(k - 1)));
    // A whole edge's rise spreads over two central differences at least.
    if (!(strongest >= SubPixelEdge::minimumContrast / 2))
        return false;
    for (int k = 1; k + 1 < n; ++k) {
        const double g = std::abs(levels.at(k + 1) - levels.at(k - 1));
        const double next = k + 2 < n ? std::abs(levels.at(k + 2) - levels.at(k)) : 0;
        if (g >= strongest / 2 && g >= next) {
            const QPointF p = start + step * k;
            return SubPixelEdge::refine(picture, QPoint(int(std::floor(p.x())), int(std::floor(p.y()))), edge,
                                        response);
        }
    }
    return false;
}

void append(QVector<QPointF> *points, const QPointF &p)
{
    // Neighbouring paths that meet the edge in one pixel refine it to the same point.
    if (points->isEmpty() || points->last() != p)
        *points << p;
}
} // namespace

EdgeSearch::Result EdgeSearch::circleAround(const QImage &picture, const QPointF &click, const PictureResponse &response)
{
    Result result;
    if (picture.isNull() || picture.depth() != 32)
        return result;
    for (int ray = 0; ray < rayCount; ++ray) {
        const double a = 2 * pi * ray / rayCount;
        QPointF edge;
        if (edgeOnPath(picture, click, QPointF(std::cos(a), std::sin(a)), rayLength, response, &edge))
            append(&result.points, edge);
    }
    QVector<bool> used;
    const CircleFit::Result circle = CircleFit::robustFit(result.points, &used);
    if (!circle.valid || used.count(true) < minimumEdges)
        return result;
    const bool round = circle.rms <= largestRms;
    result.failure = round && QLineF(circle.centre, click).length() < circle.radius ? Found : NotEnclosed;
    return result;
}

EdgeSearch::Result EdgeSearch::lineBetween(const QImage &picture, const QPointF &from, const QPointF &to,
                                           const PictureResponse &response)
{
    Result result;
    const QLineF line(from, to);
    const int steps = int(line.length());
    if (picture.isNull() || picture.depth() != 32 || steps < 1)
        return result;
    const QPointF along = (to - from) / line.length();
    const QPointF across(-along.y(), along.x());
    for (int k = 0; k <= steps; ++k) {
        QPointF edge;
        const QPointF start = from + along * k - across * acrossReach;
        if (edgeOnPath(picture, start, across, 2 * acrossReach + 1, response, &edge))
            append(&result.points, edge);
    }
    QVector<bool> used;
    const LineFit::Result fit = LineFit::robustFit(result.points, &used);
    if (fit.valid && used.count(true) >= minimumEdges && fit.rms <= largestRms)
        result.failure = Found;
    return result;
}
