#include "FlashImage.h"

#include <QImage>

QByteArray FlashImage::bootScreenBlock(const QImage &picture)
{
    if (picture.isNull())
        return QByteArray();
    QImage screen = picture.convertToFormat(QImage::Format_RGB32);
    if (screen.size() != QSize(screenWidth, screenHeight))
        screen = screen.scaled(screenWidth, screenHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32);
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
