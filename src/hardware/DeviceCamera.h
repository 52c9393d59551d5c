#ifndef DEVICECAMERA_H
#define DEVICECAMERA_H

#include "CameraSeam.h"

// The real camera: open, ioctl, mmap and read on the drivers' device nodes, every path
// resolved through SystemPaths. Failures are printed to the debug output and reported to the
// caller by the return value.
class DeviceCamera : public CameraSeam
{
public:
    bool registerRequest(Device device, unsigned long request, Record &record) override;
    bool frameBufferRequest(int index, unsigned long request) override;
    int dmaRegisterRead(int index) override;
    int dmaRegisterWrite(int index, int value) override;
    qint64 readPhotoBuffer(uchar *destination, qint64 offset, qint64 size) override;

    // Physical address and mapped length of the photo DMA block in "/dev/mem".
    static constexpr qint64 dmaBlockAddress = 0x67000000;
    static constexpr int dmaBlockLength = 256;

private:
    // Maps the DMA block and reads (write == false) or writes one register; -1 on failure.
    int dmaAccess(int index, bool write, int value);
};

#endif // DEVICECAMERA_H
