#ifndef EDGESEARCH_H
#define EDGESEARCH_H

#include <QPointF>
#include <QVector>

#include "PictureResponse.h"

class QImage;

// Finds the edges of a round feature around one click, or of a straight edge between two, in
// the camera picture. Along each search path the grey levels are read a pixel apart; the edge
// is the first peak of their gradient that reaches half the path's strongest, and it is placed
// to a fraction of a pixel by SubPixelEdge. A path that meets no edge SubPixelEdge can refine
// gives no point. The fits that follow (and the checks of what was found) are the items' own,
// so an item rebuilds from its points alone.
class EdgeSearch
{
public:
    EdgeSearch() = delete;

    // Rays from the click, evenly spread, and how far each reaches (pixels).
    static constexpr int rayCount = 128;
    static constexpr int rayLength = 480;
    // Fewer good rays (or, for a line, edge points) than this are no feature.
    static constexpr int minimumEdges = 8;
    // How far across the line between two clicks the edge is looked for, on each side (pixels).
    static constexpr int acrossReach = 10;

    // Edge points farther from their fit than this (root mean square, pixels) form no circle
    // or line: they belong to several features.
    static constexpr double largestRms = 1.0;

    enum Failure { Found, TooFewEdges, NotEnclosed };

    struct Result
    {
        // The refined edge points, in path order; those the fit dropped included.
        QVector<QPointF> points;
        Failure failure = TooFewEdges;
    };

    // A round edge that encloses the click: at least minimumEdges rays meet it, and the circle
    // fitted to them (outliers dropped) fits them closely and contains the click.
    static Result circleAround(const QImage &picture, const QPointF &click, const PictureResponse &response);
    // A straight edge between two clicks placed roughly along it: searched across the line at
    // every pixel between them.
    static Result lineBetween(const QImage &picture, const QPointF &from, const QPointF &to,
                              const PictureResponse &response);
};

#endif // EDGESEARCH_H
