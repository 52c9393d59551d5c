#ifndef RECORDINGCAMERA_H
#define RECORDINGCAMERA_H

#include <QByteArray>
#include <QMap>
#include <QVector>

#include "CameraSeam.h"

// A camera that records every request made of it. Register reads answer from `readValues` by
// device and address; the DMA done flag reports after `pollsUntilDone` reads (never when
// negative); the photo frame buffer holds `photo`.
class RecordingCamera : public CameraSeam
{
public:
    struct Call
    {
        QByteArray what;       // "register", "fb", "dmaRead", "dmaWrite", "photo"
        int device = -1;       // register device, frame buffer or DMA index
        unsigned long request = 0;
        quint32 address = 0;
        quint32 data = 0;
        bool operator==(const Call &o) const
        {
            return what == o.what && device == o.device && request == o.request
                   && address == o.address && data == o.data;
        }
    };

    static Call reg(Device device, unsigned long request, quint32 address, quint32 data)
    {
        return Call{"register", int(device), request, address, data};
    }

    bool registerRequest(Device device, unsigned long request, Record &record) override
    {
        calls.append(reg(device, request, record.address, record.data));
        if (failing)
            return false;
        if (request == ReadRequest)
            record.data = readValues.value(qMakePair(int(device), record.address), record.data);
        return true;
    }
    bool frameBufferRequest(int index, unsigned long request) override
    {
        calls.append(Call{"fb", index, request, 0, 0});
        return true;
    }
    int dmaRegisterRead(int index) override
    {
        calls.append(Call{"dmaRead", index, 0, 0, 0});
        if (index == 2)
            return pollsUntilDone >= 0 && ++polls > pollsUntilDone ? 1 : 0;
        return 0;
    }
    int dmaRegisterWrite(int index, int value) override
    {
        calls.append(Call{"dmaWrite", index, 0, 0, quint32(value)});
        return 1;
    }
    qint64 readPhotoBuffer(uchar *destination, qint64 offset, qint64 size) override
    {
        calls.append(Call{"photo", -1, 0, quint32(offset), quint32(size)});
        const qint64 n = qBound<qint64>(0, photo.size() - offset, size);
        if (n > 0)
            memcpy(destination, photo.constData() + offset, size_t(n));
        return n;
    }

    QVector<Call> calls;
    QMap<QPair<int, quint32>, quint32> readValues;
    bool failing = false;
    int pollsUntilDone = 0;
    int polls = 0;
    QByteArray photo;
};

inline QDebug operator<<(QDebug d, const RecordingCamera::Call &c)
{
    return d << c.what << c.device << Qt::hex << c.request << c.address << c.data << Qt::dec;
}

#endif // RECORDINGCAMERA_H
