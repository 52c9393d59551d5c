#ifndef RECORDINGCAMERA_H
#define RECORDINGCAMERA_H

#include <QByteArray>
#include <QMap>
#include <QVector>

#include <cstring>

#include "CameraSeam.h"

// A camera that records every request. Register reads answer from `values` by device and
// address (every request fails with `failing`, only reads with `failingReads`); the DMA done
// flag reports after `pollsUntilDone` reads (never when negative); the photo frame buffer
// holds `photo`.
class RecordingCamera : public CameraSeam
{
public:
    // what: 'r' register, 'f' frame buffer, 'g' DMA read, 's' DMA write, 'p' photo read.
    struct Call
    {
        char what;
        int device;   // register device, frame buffer or DMA index
        unsigned long request;
        quint32 address;
        quint32 data;
        bool operator==(const Call &o) const
        {
            return what == o.what && device == o.device && request == o.request
                   && address == o.address && data == o.data;
        }
    };

    bool registerRequest(Device device, unsigned long request, Record &record) override
    {
        calls.append({'r', int(device), request, record.address, record.data});
        if (failing || (failingReads && request == ReadRequest))
            return false;
        if (request == ReadRequest)
            record.data = values.value(qMakePair(device, record.address), record.data);
        return true;
    }
    bool frameBufferRequest(int index, unsigned long request) override
    {
        calls.append({'f', index, request, 0, 0});
        return true;
    }
    int dmaRegisterRead(int index) override
    {
        calls.append({'g', index, 0, 0, 0});
        return index == 2 && pollsUntilDone >= 0 && ++polls > pollsUntilDone ? 1 : 0;
    }
    int dmaRegisterWrite(int index, int value) override
    {
        calls.append({'s', index, 0, 0, quint32(value)});
        return 1;
    }
    qint64 readPhotoBuffer(uchar *destination, qint64 offset, qint64 size) override
    {
        calls.append({'p', -1, 0, quint32(offset), quint32(size)});
        const qint64 n = qBound<qint64>(0, photo.size() - offset, size);
        std::memcpy(destination, photo.constData() + offset, size_t(n));
        return n;
    }

    QVector<Call> calls;
    QMap<QPair<Device, quint32>, quint32> values;
    bool failing = false;
    bool failingReads = false;   // reads fail, writes go through
    int pollsUntilDone = 0;
    int polls = 0;
    QByteArray photo;
};

// The record of one register request.
inline RecordingCamera::Call reg(CameraSeam::Device d, unsigned long request, quint32 address, quint32 data)
{
    return {'r', int(d), request, address, data};
}

#endif // RECORDINGCAMERA_H
