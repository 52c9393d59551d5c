#include "SubPixelEdge.h"

#include <QImage>

#include "PointDetector.h"

#include <cmath>
#include <vector>

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
// The light is known this far around the edge pixel (what the profiles and the gradient read),
// after the sharpening is taken back over this many Jacobi steps, each of which reads one more
// pixel around. Each step shrinks the error of the last by 4k / (1 + 4k): after six, a few
// hundredths of a level at the default sharpening.
constexpr int lightReach = 8;
constexpr int unsharpenSteps = 6;
static_assert(lightReach + unsharpenSteps <= SubPixelEdge::reach, "the rows read hold what is unsharpened");

// The light around one pixel, in proportion to the scene's: the camera's sharpening taken back
// first (it works on the levels after the gamma curve), then the curve.
class Grey
{
public:
    Grey(const QImage &picture, const QPoint &centre, const PictureResponse &response)
        : left(centre.x() - lightReach)
        , top(centre.y() - lightReach)
        , width(picture.width())
        , height(picture.height())
    {
        // The sharpened level is s = (1 + 4k) g - k (sum of the four neighbours of g); g is found
        // by Jacobi steps, each of which needs one more pixel of margin.
        const double k = response.sharpening;
        const int steps = k > 0 ? unsharpenSteps : 0;
        const int margin = lightReach + steps;
        const int x0 = qMax(0, centre.x() - margin), x1 = qMin(width - 1, centre.x() + margin);
        const int y0 = qMax(0, centre.y() - margin), y1 = qMin(height - 1, centre.y() + margin);
        const int w = x1 - x0 + 1, h = y1 - y0 + 1;
        std::vector<double> sharp(size_t(3) * w * h), level, next;
        for (int y = y0; y <= y1; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = x0; x <= x1; ++x) {
                const QRgb c = row[x];
                double *v = &sharp[3 * (size_t(y - y0) * w + (x - x0))];
                v[0] = qRed(c);
                v[1] = qGreen(c);
                v[2] = qBlue(c);
            }
        }
        level = sharp;
        next = sharp;
        // Step n reads a pixel farther in from the margin than step n - 1 could set right.
        for (int step = 0; step < steps; ++step) {
            for (int y = 1 + step; y < h - 1 - step; ++y) {
                for (int x = 1 + step; x < w - 1 - step; ++x) {
                    const size_t i = 3 * (size_t(y) * w + x);
                    for (int c = 0; c < 3; ++c) {
                        const double around = level[i - 3 + c] + level[i + 3 + c] + level[i - 3 * size_t(w) + c]
                                              + level[i + 3 * size_t(w) + c];
                        next[i + c] = (sharp[i + c] + k * around) / (1 + 4 * k);
                    }
                }
            }
            level.swap(next);
        }
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int px = left + x, py = top + y;
                double value = 0;
                if (px >= x0 && px <= x1 && py >= y0 && py <= y1) {
                    const double *v = &level[3 * (size_t(py - y0) * w + (px - x0))];
                    value = (11 * toLight(v[0], response) + 16 * toLight(v[1], response)
                             + 5 * toLight(v[2], response)) / 32.0;
                }
                light[y][x] = value;
            }
        }
    }

    double at(int x, int y) const { return light[y - top][x - left]; }

    // Bilinear between pixel centres. False when a pixel needed lies outside the picture.
    bool sample(double x, double y, double *value) const
    {
        const double u = x - 0.5;
        const double v = y - 0.5;
        const int x0 = int(std::floor(u));
        const int y0 = int(std::floor(v));
        if (x0 < 0 || y0 < 0 || x0 + 1 >= width || y0 + 1 >= height || x0 < left || y0 < top
            || x0 + 1 >= left + size || y0 + 1 >= top + size)
            return false;
        const double fx = u - x0;
        const double fy = v - y0;
        const double upper = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
        const double lower = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
        *value = upper * (1 - fy) + lower * fy;
        return true;
    }

private:
    // Through the gamma curve's table, between its whole levels.
    static double toLight(double level, const PictureResponse &response)
    {
        thread_local double exponent = 0;
        thread_local double table[257];
        if (exponent != response.toneExponent) {
            exponent = response.toneExponent;
            for (int i = 0; i <= 256; ++i)
                table[i] = 255.0 * std::pow(qMin(i, 255) / 255.0, exponent);
        }
        const double v = qBound(0.0, level, 255.0);
        const int i = int(v);
        return table[i] + (table[i + 1] - table[i]) * (v - i);
    }

    static constexpr int size = 2 * lightReach + 1;
    const int left;
    const int top;
    const int width;
    const int height;
    double light[size][size];
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

bool SubPixelEdge::refine(const QImage &picture, const QPoint &pixel, QPointF *edge, const PictureResponse &response)
{
    if (picture.isNull() || picture.depth() != 32 || !(response.toneExponent > 0) || !(response.sharpening >= 0)
        || !(response.sharpening <= 1))
        return false;
    const int x = pixel.x();
    const int y = pixel.y();
    if (x - reach < 0 || y - reach < 0 || x + reach >= picture.width() || y + reach >= picture.height())
        return false;
    const Grey grey(picture, pixel, response);

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

QPointF SubPixelEdge::locate(const QImage &picture, const QPointF &p, float threshold, const PictureResponse &response)
{
    QPoint pixel;
    if (!PointDetector::edgePixel(picture, p, threshold, &pixel))
        return p;
    QPointF edge;
    if (refine(picture, pixel, &edge, response))
        return edge;
    return PointDetector::locate(picture, p, threshold);
}
