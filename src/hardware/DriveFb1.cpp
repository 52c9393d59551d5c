#include "DriveFb1.h"

#include <QElapsedTimer>
#include <QImage>

#include <cstdlib>
#include <cstring>

#include "CameraSeam.h"
#include "StillPicture.h"
#include "SystemPaths.h"

namespace {
constexpr int formatRegister = 0;
constexpr int startRegister = 1;
constexpr int doneRegister = 2;
} // namespace

DriveFb1::DriveFb1(QObject *parent)
    : QObject(parent)
{
    const QSize screen = SystemPaths::displaySize();
    bufferBytes = screen.width() * screen.height() * 4;
    // Zeroed pages from the system: a fresh object costs no pass over 8 MB.
    buffer.reset(static_cast<unsigned char *>(std::calloc(size_t(bufferBytes), 1)));
    image = new QImage(buffer.get(), screen.width(), screen.height(), screen.width() * 4,
                       QImage::Format_ARGB32);
}

DriveFb1::~DriveFb1()
{
    delete image;
}

void DriveFb1::vdmaWirte(unsigned int request)
{
    CameraSeam::instance()->frameBufferRequest(1, request);
}

int DriveFb1::regRead(int index)
{
    return CameraSeam::instance()->dmaRegisterRead(index);
}

int DriveFb1::regWrite(int index, int value)
{
    return CameraSeam::instance()->dmaRegisterWrite(index, value);
}

bool DriveFb1::startTransfer(int bytesPerPixel)
{
    const int format = bytesPerPixel == 1 ? 0 : bytesPerPixel == 2 ? 1 : 2;
    if (regWrite(formatRegister, format) < 0)
        return false;
    vdmaWirte(CameraSeam::WriteRequest + unsigned(format));
    if (regWrite(startRegister, 1) < 0)
        return false;
    // The block reports the frame in "/dev/fb1" by its done flag. A block that cannot be read,
    // or that does not report within the wait, has given no picture: whatever the frame buffer
    // holds then is an older frame or none.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int done = regRead(doneRegister);
        if (done < 0)
            return false;
        if (done != 0)
            return true;
        if (waited.elapsed() >= transferTimeoutMs)
            return false;
    }
}

QImage *DriveFb1::readQImage(int width, int height, int bytesPerPixel)
{
    return readQImageRows(width, height, bytesPerPixel, 0, height);
}

QImage *DriveFb1::readQImageRows(int width, int height, int bytesPerPixel, int firstRow, int rowCount)
{
    size = 0;
    if (bytesPerPixel != 1 && bytesPerPixel != 2 && bytesPerPixel != 4)
        return nullptr;
    const qint64 total = qint64(bytesPerPixel) * height * width;
    if (width <= 0 || height <= 0 || total > bufferBytes)
        return nullptr;
    const int first = qBound(0, firstRow, height);
    const int last = qBound(0, firstRow + rowCount, height);   // one past the last row read

    // A still picture shown in place of the camera's is the photo.
    const QImage &still = StillPicture::picture();
    if (!still.isNull()) {
        if (bytesPerPixel != 4 || still.width() != width || still.height() != height)
            return nullptr;
        const qint64 stride = qint64(4) * width;
        for (int row = first; row < last; ++row)
            std::memcpy(buffer.get() + stride * row, still.constScanLine(row), size_t(stride));
        size = int(stride * (last - first));
        return image;
    }

    if (!startTransfer(bytesPerPixel)) {
        regWrite(doneRegister, 0);
        return nullptr;
    }
    const qint64 stride = qint64(bytesPerPixel) * width;
    const qint64 offset = stride * first;
    const qint64 wanted = stride * (last - first);
    const qint64 got = wanted > 0
        ? CameraSeam::instance()->readPhotoBuffer(buffer.get() + offset, offset, wanted)
        : 0;
    regWrite(doneRegister, 0);
    if (got < 0)
        return nullptr;
    size = int(got);
    // A picture read only in part is not the camera's picture.
    if (got != wanted)
        return nullptr;
    return image;
}
