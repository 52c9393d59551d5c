#ifndef SUBPIXELEDGE_H
#define SUBPIXELEDGE_H

#include <QPoint>
#include <QPointF>

#include "PictureResponse.h"

class QImage;

// Places an edge that point detection found on a whole pixel to a fraction of a pixel.
//
// The edge's normal is the direction of the Sobel gradient summed over the 3 x 3 pixels around
// the edge pixel. Across the edge, along that normal, the grey profile is sampled by bilinear
// interpolation on parallel lines along the edge and combined with weights that cancel the
// edge's curvature. The edge lies where the profile's gradient peaks, found by a parabola
// through the three largest central differences. A blurred edge's gradient is symmetric about
// the edge, so it does not move the peak; for an edge drawn with area antialiasing the parabola
// is exact at any fraction of a pixel.
//
// The picture's levels are first brought back to light proportions: the camera's sharpening is
// taken back (it works after the gamma curve, where the overshoot it adds is no longer the same
// on both sides once the curve is undone), then the gamma curve with its exponent: an edge's
// half-covered pixel is half as bright as its light side only in light, not after the curve.
//
// Pixel centres lie at whole coordinates plus one half: the edge between columns 999 and 1000
// lies at x = 1000.
class SubPixelEdge
{
public:
    SubPixelEdge() = delete;

    // The picture rows (and columns) read around the edge pixel, on each side.
    static constexpr int reach = 14;
    // Less difference than this between the two sides (grey levels) is no edge to refine.
    static constexpr double minimumContrast = 16.0;

    // The refined edge point near the edge pixel `pixel` (column, row) of the 32-bit picture.
    // False, and *edge untouched, where there is no clean straight-on edge to refine: no
    // gradient, too little contrast between the two sides (a thin line, a corner), an edge
    // farther than a pixel and a half from the pixel, or a profile reaching out of the picture.
    static bool refine(const QImage &picture, const QPoint &pixel, QPointF *edge,
                       const PictureResponse &response = PictureResponse());

    // Point detection with refinement: the edge pixel PointDetector finds for a click at p,
    // refined; where it cannot be refined, PointDetector's own result.
    static QPointF locate(const QImage &picture, const QPointF &p, float threshold,
                          const PictureResponse &response = PictureResponse());
};

#endif // SUBPIXELEDGE_H
