#ifndef LIVEPICTURE_H
#define LIVEPICTURE_H

#include <QImage>

// The simulator's live picture: the file named by KORVELIN_LIVE_IMAGE when it can be read,
// else the synthetic target. Always 1920 x 1080; a file of another size is scaled to fit and
// centred on black.
class LivePicture
{
public:
    LivePicture() = delete;

    static QImage current();
    // `picture` at the live picture's size: scaled to fit and centred on black when its size
    // differs; RGB32.
    static QImage fitted(const QImage &picture);
};

#endif // LIVEPICTURE_H
