#include "PhotoReader.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cmath>

namespace {
// Qt's bitmap decoder leaves the rows missing from a file that was cut short blank and reports
// success, so an uncompressed bitmap must be at least as long as its header says.
bool bitmapComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(34);
    if (header.size() < 34)
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    // Only plain rows (BI_RGB, BI_BITFIELDS) have a length known in advance; run-length coded
    // and old OS/2 bitmaps are left to the decoder.
    if (headerSize < 40 || (compression != 0 && compression != 3))
        return true;
    const double dataOffset = qFromLittleEndian<quint32>(bytes + 10);
    const double width = qFromLittleEndian<qint32>(bytes + 18);
    const double height = qAbs(double(qFromLittleEndian<qint32>(bytes + 22)));
    const double bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
    // Rows are padded to whole 32-bit words.
    const double rowBytes = std::ceil(width * bitsPerPixel / 32) * 4;
    return double(file.size()) >= dataOffset + rowBytes * height;
}

// Qt's JPEG decoder, too, fills what is missing from a file cut short with grey and reports
// success. The markers are followed to the end-of-image marker: segments by their length,
// the coded data of a scan up to the next marker. Only a file that ends on the way is refused;
// anything unexpected is left to the decoder.
bool jpegComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Mapped, not read: a stick may hold a file far larger than the board's memory.
    const qint64 size = file.size();
    const uchar *bytes = size > 0 ? file.map(0, size) : nullptr;
    if (!bytes)
        return size > 0;
    const auto isRestart = [](uchar marker) { return marker >= 0xD0 && marker <= 0xD7; };
    qint64 at = 2; // after the start-of-image marker
    while (at < size) {
        if (bytes[at] != 0xFF)
            return true;
        while (at < size && bytes[at] == 0xFF) // fill bytes before a marker
            ++at;
        if (at >= size)
            return false;
        const uchar marker = bytes[at++];
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || isRestart(marker))
            continue;
        if (at + 2 > size)
            return false;
        at += (qint64(bytes[at]) << 8) | bytes[at + 1];
        if (at > size)
            return false;
        if (marker != 0xDA)
            continue;
        // Coded data runs up to the next marker: an 0xFF followed by neither 0 (a data byte), a
        // restart marker nor another 0xFF.
        while (at < size
               && !(bytes[at] == 0xFF && at + 1 < size && bytes[at + 1] != 0 && bytes[at + 1] != 0xFF
                    && !isRestart(bytes[at + 1])))
            ++at;
    }
    return false;
}
} // namespace

QImage PhotoReader::read(const QString &path)
{
    QImageReader reader(path);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    reader.setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)));
    const bool limitedWhileDecoding = true;
#else
    // Qt 5 allocates whatever a header claims; only a size known before decoding can be checked.
    const bool limitedWhileDecoding = false;
#endif
    const QSize size = reader.size();
    if (size.isValid() ? qint64(size.width()) * size.height() > maxPixels : !limitedWhileDecoding)
        return QImage();
    const QByteArray format = reader.format();
    if ((format == "bmp" && !bitmapComplete(path)) || (format == "jpeg" && !jpegComplete(path)))
        return QImage();
    return reader.read();
}
