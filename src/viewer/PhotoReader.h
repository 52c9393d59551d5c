#ifndef PHOTOREADER_H
#define PHOTOREADER_H

#include <QImage>
#include <QString>

// Decodes one photo file from the storage, which may hold anything: a file cut short when the
// stick was pulled, an empty file, or one whose header claims a picture far too large for the
// board's memory. Such files are refused rather than decoded.
class PhotoReader
{
public:
    PhotoReader() = delete;

    // Largest photo decoded, in pixels: 128 MB at four bytes a pixel (a captured photo has 2 MP).
    static constexpr qint64 maxPixels = 32LL * 1024 * 1024;

    // The photo, or a null image when the file is unreadable, incomplete or too large.
    static QImage read(const QString &path);
};

#endif // PHOTOREADER_H
