#include "SubPixelEdge.h"

#include <QImage>

#include "PointDetector.h"

#include <cmath>

namespace {
// Profile samples every half pixel from -4 to 4 pixels along the normal; the levels of the two
// sides come from the outer 1.5 pixels, the area from the inner 2 pixels on either side.
constexpr double step = 0.5;
constexpr int sampleCount = 17;
constexpr double profileStart = -4.0;
constexpr int sideSamples = 4;
constexpr double areaReach = 1.5;
// The profile is averaged over this many pixels on each side along the edge.
constexpr int alongReach = 3;
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

// The edge's offset along the normal (nx, ny) from (cx, cy), or false.
bool offsetAlongNormal(const Grey &grey, double cx, double cy, double nx, double ny, double *offset)
{
    double profile[sampleCount];
    for (int k = 0; k < sampleCount; ++k) {
        const double t = profileStart + k * step;
        double sum = 0;
        for (int s = -alongReach; s <= alongReach; ++s) {
            double value = 0;
            // Along the edge is the normal turned by a quarter.
            if (!grey.sample(cx + t * nx - s * ny, cy + t * ny + s * nx, &value))
                return false;
            sum += value;
        }
        profile[k] = sum / (2 * alongReach + 1);
    }
    double dark = 0;
    double light = 0;
    for (int k = 0; k < sideSamples; ++k) {
        dark += profile[k];
        light += profile[sampleCount - 1 - k];
    }
    dark /= sideSamples;
    light /= sideSamples;
    const double contrast = light - dark;
    if (!(contrast >= SubPixelEdge::minimumContrast))
        return false;
    // For a sharp step at e between the two levels, the integral of (profile - middle) / contrast
    // over [-areaReach, areaReach] is -e.
    const double middle = (dark + light) / 2;
    double area = 0;
    for (int k = 0; k < sampleCount; ++k) {
        const double t = profileStart + k * step;
        if (t < -areaReach - 1e-9 || t > areaReach + 1e-9)
            continue;
        const double weight = (std::abs(std::abs(t) - areaReach) < 1e-9) ? step / 2 : step;
        area += weight * (profile[k] - middle) / contrast;
    }
    *offset = -area;
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
    // Twice: the second profile is centred on the first result.
    for (int pass = 0; pass < 2; ++pass) {
        double offset = 0;
        if (!offsetAlongNormal(grey, startX + along * nx, startY + along * ny, nx, ny, &offset))
            return false;
        along += offset;
        if (!(std::abs(along) <= farthest))
            return false;
    }
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
