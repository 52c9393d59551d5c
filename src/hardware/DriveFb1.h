#ifndef DRIVEFB1_H
#define DRIVEFB1_H

#include <QObject>

#include <cstdlib>
#include <memory>

class QImage;

// The photo path: programs the photo DMA block, waits until a still of the live picture has
// landed in "/dev/fb1" and reads it. One object takes one or a few photos; the image it hands
// out belongs to it.
class DriveFb1 : public QObject
{
    Q_OBJECT

public:
    explicit DriveFb1(QObject *parent = nullptr);
    ~DriveFb1() override;

    void vdmaWirte(unsigned int request);
    // A register of the DMA block: its value or -1; 1 or -1.
    int regRead(int index);
    int regWrite(int index, int value);

    // Takes a photo: the whole picture, or nullptr when no complete picture could be had (wrong
    // pixel size, a size beyond the buffer, no finished transfer within the wait, a frame
    // buffer that could not be read in full).
    QImage *readQImage(int width, int height, int bytesPerPixel);

    // Takes a photo like readQImage but reads only rows firstRow ... firstRow + rowCount - 1
    // (clipped to the picture) into the image; the other rows keep what the object's buffer
    // held before (black in a new object).
    QImage *readQImageRows(int width, int height, int bytesPerPixel, int firstRow, int rowCount);

    // Bytes read from the frame buffer by the last photo.
    int size = 0;

    // How long a photo waits for the DMA block to report the finished transfer.
    static constexpr int transferTimeoutMs = 200;

private:
    bool startTransfer(int bytesPerPixel);

    struct Free
    {
        void operator()(unsigned char *p) const { std::free(p); }
    };
    std::unique_ptr<unsigned char, Free> buffer;
    int bufferBytes = 0;
    QImage *image = nullptr;
};

#endif // DRIVEFB1_H
