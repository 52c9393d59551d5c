#ifndef BMPENCODER_H
#define BMPENCODER_H

#include <QByteArray>

class QImage;

// A picture as the bytes of a 24-bit Windows bitmap, the same bytes the toolkit's own bitmap
// writer gives, in one pass over the pixels: a capture is written with one write instead of
// one per row.
class BmpEncoder
{
public:
    BmpEncoder() = delete;

    // Empty for a null picture or one too large for the format.
    static QByteArray encode(const QImage &image);
};

#endif // BMPENCODER_H
