#include "DeviceCamera.h"

#include <QDebug>
#include <QFile>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "SystemPaths.h"

namespace {
struct DeviceNames
{
    const char *path;
    const char *openFailed;
    const char *readFailed;
    const char *writeFailed;
};

DeviceNames names(CameraSeam::Device device)
{
    switch (device) {
    case CameraSeam::Device::Imx185:
        return {"/dev/imx185_ss", "/dev/imx185_ss open faild\n", "imx185_ss read faild!\n",
                "imx185_ss write faild!\n"};
    case CameraSeam::Device::Isp:
        return {"/dev/isp_ss", "/dev/isp_ss open faild\n", "isp_ss read faild!\n",
                "isp_ss write faild!\n"};
    case CameraSeam::Device::Triger:
        return {"/dev/triger_ss", "/dev/triger_ss open faild\n", "triger_ss read faild!\n",
                "triger_ss write faild!\n"};
    case CameraSeam::Device::SplitScreenVdma:
        break;
    }
    return {"/dev/split_screen_vdma_ss", "/dev/split_screen_vdma_ss open faild\n",
            "split_screen_vdma_ss read faild!\n", "split_screen_vdma_ss write faild!\n"};
}

int openNode(const char *cameraPath, int flags)
{
    const QByteArray path = QFile::encodeName(SystemPaths::resolve(QString::fromLatin1(cameraPath)));
    return ::open(path.constData(), flags);
}
} // namespace

bool DeviceCamera::registerRequest(Device device, unsigned long request, Record &record)
{
    const DeviceNames name = names(device);
    const int fd = openNode(name.path, O_RDWR);
    if (fd < 0) {
        qDebug("%s", name.openFailed);
        return false;
    }
    const bool ok = ::ioctl(fd, request, &record) >= 0;
    if (!ok)
        qDebug("%s", request == ReadRequest ? name.readFailed : name.writeFailed);
    ::close(fd);
    return ok;
}

bool DeviceCamera::frameBufferRequest(int index, unsigned long request)
{
    const char *path = index == 0 ? "/dev/fb0" : "/dev/fb1";
    const int fd = openNode(path, O_RDONLY);
    if (fd < 0) {
        qDebug() << (index == 0 ? "/dev/fb0 open error" : "/dev/fb1 open error");
        return false;
    }
    const bool ok = ::ioctl(fd, request) >= 0;
    if (!ok)
        qDebug("%s", index == 0 ? "fb0_ioctl faild!\n" : "fb1_ioctl faild!\n");
    ::close(fd);
    return ok;
}

int DeviceCamera::dmaRegisterRead(int index)
{
    return dmaAccess(index, false, 0);
}

int DeviceCamera::dmaRegisterWrite(int index, int value)
{
    return dmaAccess(index, true, value) < 0 ? -1 : 1;
}

int DeviceCamera::dmaAccess(int index, bool write, int value)
{
    if (index < 0 || index >= dmaBlockLength / 4)
        return -1;
    const int fd = openNode("/dev/mem", O_RDWR);
    if (fd < 0) {
        qDebug() << "can not open /dev/mem";
        return -1;
    }
    void *block = ::mmap(nullptr, dmaBlockLength, PROT_READ | PROT_WRITE, MAP_SHARED, fd,
                         off_t(dmaBlockAddress));
    if (block == MAP_FAILED) {
        qDebug() << "mapping memory for absolute memory access failed";
        ::close(fd);
        return -1;
    }
    volatile quint32 *registers = static_cast<volatile quint32 *>(block);
    int result = 0;
    if (write)
        registers[index] = quint32(value);
    else
        result = int(registers[index]);
    ::munmap(block, dmaBlockLength);
    ::close(fd);
    return result;
}

qint64 DeviceCamera::readPhotoBuffer(uchar *destination, qint64 offset, qint64 size)
{
    const int fd = openNode("/dev/fb1", O_RDONLY);
    if (fd < 0) {
        qDebug() << "/dev/fb1 open error";
        return -1;
    }
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, destination + done, size_t(size - done), off_t(offset + done));
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
    return done;
}
