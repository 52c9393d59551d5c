#include "PointDetector.h"

#include <QImage>

#include <cmath>

namespace {
constexpr int block = 24;    // grey block analysed; the copied 25th row and column are unused
constexpr int centre = 12;
constexpr int last = 21;     // gradients at 1 ... 21 in both directions
} // namespace

namespace {
// The block position (row i, column j) of the edge found, or false.
bool search(const QImage &picture, const QPointF &p, float threshold, int *foundI, int *foundJ);
} // namespace

QPointF PointDetector::locate(const QImage &picture, const QPointF &p, float threshold)
{
    int i = 0;
    int j = 0;
    if (!search(picture, p, threshold, &i, &j))
        return p;
    return QPointF(p.x() - centre + j, p.y() - centre + i);
}

bool PointDetector::edgePixel(const QImage &picture, const QPointF &p, float threshold, QPoint *pixel)
{
    int i = 0;
    int j = 0;
    if (!search(picture, p, threshold, &i, &j))
        return false;
    *pixel = QPoint(int(p.x() - centre) + j, int(p.y() - centre) + i);
    return true;
}

namespace {
bool search(const QImage &picture, const QPointF &p, float threshold, int *foundI, int *foundJ)
{
    if (!PointDetector::detectionArea.contains(p))
        return false;

    const int left = int(p.x() - centre);
    const int top = int(p.y() - centre);
    int grey[block][block];
    for (int i = 0; i < block; ++i) {
        const int y = top + i;
        const bool rowInside = y >= 0 && y < picture.height();
        const QRgb *row = rowInside ? reinterpret_cast<const QRgb *>(picture.constScanLine(y)) : nullptr;
        for (int j = 0; j < block; ++j) {
            const int x = left + j;
            if (!row || x < 0 || x >= picture.width()) {
                grey[i][j] = 0;
                continue;
            }
            const QRgb c = row[x];
            grey[i][j] = (11 * qRed(c) + 16 * qGreen(c) + 5 * qBlue(c)) >> 5;
        }
    }

    float magnitude[last + 1][last + 1] = {};
    float strongest = 0.0f;
    for (int i = 1; i <= last; ++i) {
        for (int j = 1; j <= last; ++j) {
            const int gx = (grey[i - 1][j + 1] + 2 * grey[i][j + 1] + grey[i + 1][j + 1])
                           - (grey[i - 1][j - 1] + 2 * grey[i][j - 1] + grey[i + 1][j - 1]);
            const int gy = (grey[i + 1][j - 1] + 2 * grey[i + 1][j] + grey[i + 1][j + 1])
                           - (grey[i - 1][j - 1] + 2 * grey[i - 1][j] + grey[i - 1][j + 1]);
            const float m = std::sqrt(float(gx * gx + gy * gy));
            magnitude[i][j] = m;
            if (m > strongest)
                strongest = m;
        }
    }
    // A uniform block has no edge to move to.
    if (strongest <= 0.0f)
        return false;

    const float cut = strongest * threshold;
    float nearest = 16.970562f;   // 12 * sqrt(2): every position of the window lies within it
    int bestI = -1;
    int bestJ = -1;
    for (int i = 1; i <= last; ++i) {
        for (int j = 1; j <= last; ++j) {
            const float m = magnitude[i][j];
            if (m < cut || m == 0.0f)
                continue;
            const float distance = std::sqrt(float((centre - i) * (centre - i) + (centre - j) * (centre - j)));
            if (distance <= nearest) {
                nearest = distance;
                bestI = i;
                bestJ = j;
            }
        }
    }
    if (bestI < 0)
        return false;
    *foundI = bestI;
    *foundJ = bestJ;
    return true;
}
} // namespace
