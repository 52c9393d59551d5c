#ifndef STILLPICTURE_H
#define STILLPICTURE_H

#include <QImage>

// A picture shown in place of the camera's live one (a capture opened again to be measured):
// while one is shown, the photo path reads it instead of the camera's frame, so point detection
// and captures see the picture the items stand on.
class StillPicture
{
public:
    StillPicture() = delete;

    // Shows `picture`, fitted to the photo's size as the live picture is; a null image returns
    // to the camera.
    static void show(const QImage &picture);
    static bool isShown();
    // The picture shown, 1920 x 1080 ARGB32; null when none is.
    static const QImage &picture();
};

#endif // STILLPICTURE_H
