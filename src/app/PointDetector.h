#ifndef POINTDETECTOR_H
#define POINTDETECTOR_H

#include <QPoint>
#include <QPointF>
#include <QRectF>

class QImage;

// Moves a click to the nearest strong edge of the picture around it: Sobel gradients over the
// 24 x 24 grey block centred on the click, the strongest of them (at least `threshold` times
// the largest) kept, and the kept position nearest the centre chosen, a later one in row order
// winning a tie.
class PointDetector
{
public:
    PointDetector() = delete;

    // Clicks outside this rectangle (edges included) are never moved.
    static constexpr QRectF detectionArea{1.0, 1.0, 1918.0, 1078.0};
    // The picture rows the block of a click at p covers: rowCount rows from firstRow(p), some
    // of which may lie outside the picture.
    static constexpr int rowCount = 24;
    static int firstRow(const QPointF &p) { return int(p.y() - 12); }

    // The snapped point, or p itself when it lies outside the detection area or the block has
    // no gradient at all. `picture` is the camera picture (32-bit pixels); only the rows of
    // the block are read, and pixels outside the picture count as black.
    static QPointF locate(const QImage &picture, const QPointF &p, float threshold);
    // The same search, giving the picture pixel (column, row) of the edge found. False, and
    // *pixel untouched, where locate() would return p itself.
    static bool edgePixel(const QImage &picture, const QPointF &p, float threshold, QPoint *pixel);
};

#endif // POINTDETECTOR_H
