#include "BmpEncoder.h"

#include <QImage>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

void put16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void put32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

} // namespace

QByteArray BmpEncoder::encode(const QImage &source)
{
    if (source.isNull())
        return QByteArray();
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const qint64 rowBytes = (qint64(width) * 3 + 3) / 4 * 4;
    const qint64 headerBytes = 14 + 40;
    const qint64 total = headerBytes + rowBytes * height;
    if (total > std::numeric_limits<int>::max())
        return QByteArray();

    QByteArray bytes(int(total), '\0');
    char *out = bytes.data();
    // File header.
    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, quint32(total));
    put32(out + 10, quint32(headerBytes));
    // Information header: bottom-up rows, no compression.
    put32(out + 14, 40);
    put32(out + 18, quint32(width));
    put32(out + 22, quint32(height));
    put16(out + 26, 1);
    put16(out + 28, 24);
    put32(out + 34, quint32(rowBytes * height));
    put32(out + 38, quint32(image.dotsPerMeterX()));
    put32(out + 42, quint32(image.dotsPerMeterY()));

    uchar *row = reinterpret_cast<uchar *>(out + headerBytes);
    for (int y = height - 1; y >= 0; --y, row += rowBytes) {
        const QRgb *pixel = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *to = row;
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = pixel[x];
            *to++ = uchar(qBlue(rgb));
            *to++ = uchar(qGreen(rgb));
            *to++ = uchar(qRed(rgb));
        }
    }
    return bytes;
}
