#ifndef PICTURECAPTURE_H
#define PICTURECAPTURE_H

#include <QImage>
#include <QPointF>
#include <QString>

#include "PictureResponse.h"

class QGraphicsScene;
class QGraphicsView;

// The camera's photo as the measurements use it: point detection reads the few rows around a
// click, a capture the whole picture with the items drawn over it.
class PictureCapture
{
public:
    PictureCapture() = delete;

    // The photo's size and depth, as the photo frame buffer holds it.
    static constexpr int width = 1920;
    static constexpr int height = 1080;
    static constexpr int bytesPerPixel = 4;

    // The point moved to the nearest strong edge of the photo (to a fraction of a pixel when
    // refinement is on), or p itself: no edge near, outside the detection area, or no photo.
    static QPointF detectPoint(const QPointF &p);
    // The whole photo, null when none could be taken, and what the camera's gamma curve and
    // sharpening did to it, for edge refinement to take back.
    static QImage photo();
    static PictureResponse response();
    // Saves the photo with the items of `scene`, as `view` shows them, drawn over it; the format
    // follows the suffix. False, and no file left, when no photo could be taken or the file
    // could not be written.
    static bool captureTo(const QString &path, QGraphicsScene *scene, const QGraphicsView *view);
};

#endif // PICTURECAPTURE_H
