#include "StillPicture.h"

#include "LivePicture.h"

namespace {
QImage &shown()
{
    static QImage picture;
    return picture;
}
} // namespace

void StillPicture::show(const QImage &picture)
{
    shown() = picture.isNull() ? QImage() : LivePicture::fitted(picture).convertToFormat(QImage::Format_ARGB32);
}

bool StillPicture::isShown()
{
    return !shown().isNull();
}

const QImage &StillPicture::picture()
{
    return shown();
}
