#ifndef CAMERASEAM_H
#define CAMERASEAM_H

#include <QtGlobal>

#include <memory>

// The only way from the program to the camera: register records on the four register devices,
// the argument-less requests on the two frame buffers, the registers of the photo DMA block and
// the contents of the photo frame buffer. The camera implementation drives the device nodes;
// the simulator is an in-process model of the same camera.
class CameraSeam
{
public:
    // The character devices that take a two-word register record.
    enum class Device { Imx185, Isp, Triger, SplitScreenVdma };

    // Passed by address with every register request; two native 32-bit words.
    struct Record
    {
        quint32 address = 0;
        quint32 data = 0;
    };
    static_assert(sizeof(Record) == 8, "the drivers expect two packed 32-bit words");

    // Request numbers ('L', 0 / 1 / 2, no size or direction bits).
    static constexpr unsigned long WriteRequest = 0x4C00;
    static constexpr unsigned long ReadRequest = 0x4C01;
    static constexpr unsigned long Request2 = 0x4C02;

    virtual ~CameraSeam();

    // Opens the device, passes the record with the request and closes it again. A read fills
    // record.data; a failed request leaves it as it was. False when the device could not be
    // opened or the request failed.
    virtual bool registerRequest(Device device, unsigned long request, Record &record) = 0;

    // Opens "/dev/fb<index>" (0 or 1) read-only, issues the request without argument, closes.
    virtual bool frameBufferRequest(int index, unsigned long request) = 0;

    // The 32-bit registers of the photo DMA block by index: the value or -1; 1 or -1.
    virtual int dmaRegisterRead(int index) = 0;
    virtual int dmaRegisterWrite(int index, int value) = 0;

    // Reads up to `size` bytes of the photo frame buffer from byte `offset` into `destination`:
    // the number of bytes read, or -1 when the frame buffer cannot be opened.
    virtual qint64 readPhotoBuffer(uchar *destination, qint64 offset, qint64 size) = 0;

    // The camera in use: created on first use, the device camera or the simulator by the mode
    // chosen at start.
    static CameraSeam *instance();

    // Puts another camera in place of the one chosen at start (tests); nullptr returns to it.
    // The caller keeps ownership.
    static void setInstance(CameraSeam *camera);

    // Forgets the camera chosen at start, so the next use chooses again (tests that switch mode).
    static void reset();
};

#endif // CAMERASEAM_H
