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
    if (reader.format() == "bmp" && !bitmapComplete(path))
        return QImage();
    return reader.read();
}
