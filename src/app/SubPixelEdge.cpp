#include "SubPixelEdge.h"

#include <QImage>

#include "PointDetector.h"

#include <cmath>

namespace {
// The profile across the edge: samples a whole pixel apart from -profileReach to profileReach
// along the normal; the gradient between neighbouring samples from 1 - profileReach to
// profileReach - 1. The levels of the two sides are read from the two outer samples each.
constexpr int profileReach = 4;
constexpr int sampleCount = 2 * profileReach + 1;
// The profile is taken on this many parallel lines on each side along the edge.
constexpr int alongReach = 4;
// A refined edge farther than this from the edge pixel's centre is not the edge found.
constexpr double farthest = 1.5;

class Grey
{
public:
    Grey(const QImage &picture, double toneExponent)
        : picture(picture)
    {
        for (int level = 0; level < 256; ++level)
            light[level] = 255.0 * std::pow(level / 255.0, toneExponent);
    }

    double at(int x, int y) const
    {
        const QRgb c = reinterpret_cast<const QRgb *>(picture.constScanLine(y))[x];
        return (11 * light[qRed(c)] + 16 * light[qGreen(c)] + 5 * light[qBlue(c)]) / 32.0;
    }

    // Bilinear between pixel centres. False when a pixel needed lies outside the picture.
    bool sample(double x, double y, double *value) const
    {
        const double u = x - 0.5;
        const double v = y - 0.5;
        const int x0 = int(std::floor(u));
        const int y0 = int(std::floor(v));
        if (x0 < 0 || y0 < 0 || x0 + 1 >= picture.width() || y0 + 1 >= picture.height())
            return false;
        const double fx = u - x0;
        const double fy = v - y0;
        const double top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
        const double bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
        *value = top * (1 - fy) + bottom * fy;
        return true;
    }

private:
    const QImage &picture;
    double light[256];
};

// The weight of the line s pixels along the edge in the profile. A curved edge falls away
// from a straight line along it, by s^2 / 2r on a circle of radius r, so a plain mean would
// move the edge towards the inside of the curve. These are the least-squares weights of the
// value at s = 0 of a quadratic through the lines' profiles: they sum to 1, and a part that
// grows with s^2 cancels.
double alongWeight(int s)
{
    double s2 = 0;
    double s4 = 0;
    for (int q = -alongReach; q <= alongReach; ++q) {
        s2 += q * q;
        s4 += double(q * q) * (q * q);
    }
    const double s0 = 2 * alongReach + 1;
    return (s4 - s2 * s * s) / (s0 * s4 - s2 * s2);
}

// The edge's offset along the normal (nx, ny) from (cx, cy), or false.
bool offsetAlongNormal(const Grey &grey, double cx, double cy, double nx, double ny, double *offset)
{
    double profile[sampleCount] = {};
    for (int s = -alongReach; s <= alongReach; ++s) {
        const double weight = alongWeight(s);
        for (int k = 0; k < sampleCount; ++k) {
            const double t = k - profileReach;
            double value = 0;
            // Along the edge is the normal turned by a quarter.
            if (!grey.sample(cx + t * nx - s * ny, cy + t * ny + s * nx, &value))
                return false;
            profile[k] += weight * value;
        }
    }
    const double dark = (profile[0] + profile[1]) / 2;
    const double light = (profile[sampleCount - 1] + profile[sampleCount - 2]) / 2;
    if (!(light - dark >= SubPixelEdge::minimumContrast))
        return false;

    // The edge lies where the gradient across it peaks: the largest central difference near
    // the middle, and the vertex of the parabola through it and its two neighbours.
    double gradient[sampleCount] = {};
    for (int k = 1; k < sampleCount - 1; ++k)
        gradient[k] = (profile[k + 1] - profile[k - 1]) / 2;
    int peak = profileReach;
    for (int k = profileReach - 2; k <= profileReach + 2; ++k) {
        if (gradient[k] > gradient[peak])
            peak = k;
    }
    const double before = gradient[peak - 1];
    const double at = gradient[peak];
    const double after = gradient[peak + 1];
    const double bend = before - 2 * at + after;
    if (!(at > 0) || !(bend < 0))
        return false;
    *offset = (peak - profileReach) + 0.5 * (before - after) / bend;
    return true;
}
} // namespace

bool SubPixelEdge::refine(const QImage &picture, const QPoint &pixel, QPointF *edge, double toneExponent)
{
    if (picture.isNull() || picture.depth() != 32 || !(toneExponent > 0))
        return false;
    const int x = pixel.x();
    const int y = pixel.y();
    if (x - reach < 0 || y - reach < 0 || x + reach >= picture.width() || y + reach >= picture.height())
        return false;
    const Grey grey(picture, toneExponent);

    // Sobel gradient summed over the pixel and its eight neighbours: from dark towards light.
    double gx = 0;
    double gy = 0;
    for (int i = y - 1; i <= y + 1; ++i) {
        for (int j = x - 1; j <= x + 1; ++j) {
            gx += (grey.at(j + 1, i - 1) + 2 * grey.at(j + 1, i) + grey.at(j + 1, i + 1))
                  - (grey.at(j - 1, i - 1) + 2 * grey.at(j - 1, i) + grey.at(j - 1, i + 1));
            gy += (grey.at(j - 1, i + 1) + 2 * grey.at(j, i + 1) + grey.at(j + 1, i + 1))
                  - (grey.at(j - 1, i - 1) + 2 * grey.at(j, i - 1) + grey.at(j + 1, i - 1));
        }
    }
    const double length = std::hypot(gx, gy);
    if (!(length > 0))
        return false;
    const double nx = gx / length;
    const double ny = gy / length;

    const double startX = x + 0.5;
    const double startY = y + 0.5;
    double along = 0;
    if (!offsetAlongNormal(grey, startX, startY, nx, ny, &along) || !(std::abs(along) <= farthest))
        return false;
    *edge = QPointF(startX + along * nx, startY + along * ny);
    return true;
}

QPointF SubPixelEdge::locate(const QImage &picture, const QPointF &p, float threshold, double toneExponent)
{
    QPoint pixel;
    if (!PointDetector::edgePixel(picture, p, threshold, &pixel))
        return p;
    QPointF edge;
    if (refine(picture, pixel, &edge, toneExponent))
        return edge;
    return PointDetector::locate(picture, p, threshold);
}
