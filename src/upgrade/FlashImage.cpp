#include "FlashImage.h"

#include <QImage>
#include <QtEndian>

QByteArray FlashImage::bootScreenBlock(const QImage &picture)
{
    if (picture.size() != QSize(screenWidth, screenHeight))
        return QByteArray();
    const QImage screen = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray block;
    block.reserve(int(bootScreenSize));
    // Rows are copied one by one, so a padded scan line could never shift the picture.
    for (int y = 0; y < screenHeight; ++y)
        block.append(reinterpret_cast<const char *>(screen.constScanLine(y)), screenWidth * 4);
    return block;
}

QByteArray FlashImage::assemble(const QByteArray &system, const QByteArray &bootScreen)
{
    if (system.isEmpty() || system.size() > systemBlockSize || bootScreen.size() != bootScreenSize)
        return QByteArray();
    QByteArray image = system;
    image.append(QByteArray(int(systemBlockSize - system.size()), '\0'));
    image.append(bootScreen);
    return image;
}

bool FlashImage::isDeviceTree(const QByteArray &data)
{
    // The version 17 header: magic, total size and eight more 32-bit fields.
    const int headerSize = 40;
    if (data.size() < headerSize || !data.startsWith("\xd0\x0d\xfe\xed"))
        return false;
    const quint32 totalSize = qFromBigEndian<quint32>(data.constData() + 4);
    return totalSize >= quint32(headerSize) && totalSize <= quint32(data.size());
}
