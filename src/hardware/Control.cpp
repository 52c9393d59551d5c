#include "Control.h"

#include <QElapsedTimer>

#include "CameraSeam.h"

namespace {
using Device = CameraSeam::Device;

// Returns whether the driver answered; on failure `data` keeps what was sent.
bool tryReadRecord(Device device, quint32 address, quint32 &data)
{
    CameraSeam::Record record;
    record.address = address;
    record.data = data;
    const bool ok = CameraSeam::instance()->registerRequest(device, CameraSeam::ReadRequest, record);
    data = record.data;
    return ok;
}

quint32 readRecord(Device device, quint32 address, quint32 data)
{
    tryReadRecord(device, address, data);
    return data;
}

void writeRecord(Device device, quint32 address, quint32 data)
{
    CameraSeam::Record record;
    record.address = address;
    record.data = data;
    CameraSeam::instance()->registerRequest(device, CameraSeam::WriteRequest, record);
}

constexpr quint32 ispGammaOffset = 0;
constexpr quint32 ispRedOffset = 48;
constexpr quint32 ispGreenOffset = 52;
constexpr quint32 ispBlueOffset = 56;
constexpr quint32 ispContrastOffset = 60;
constexpr quint32 ispSharpenOffset = 64;
constexpr quint32 ispColorfulOffset = 68;
constexpr quint32 ispSumCrOffset = 80;
constexpr quint32 ispSumCbOffset = 84;
constexpr quint32 ispSumBrightOffset = 88;
constexpr quint32 ispCountOffset = 92;
constexpr quint32 sensorFreezeAddress = 8;
} // namespace

quint32 Control::trigerRead(quint32 addr)
{
    return readRecord(Device::Triger, addr, 0);
}

quint32 Control::trigerSignal_Read()
{
    return trigerRead(0);
}

quint32 Control::sensorRead(quint32 addr, quint32 data)
{
    return readRecord(Device::Imx185, addr, data) >> 16;
}

void Control::sensorWrite(quint32 addr, quint32 data)
{
    writeRecord(Device::Imx185, addr, data);
}

quint32 Control::imx185Read(quint32 reg)
{
    return sensorRead(0, reg);
}

void Control::imx185Write(quint32 reg, quint32 value)
{
    sensorWrite(0, reg | value << 16);
    QElapsedTimer paced;
    paced.start();
    while (paced.elapsed() < 1) {
    }
}

quint32 Control::ispRead(quint32 offset)
{
    return readRecord(Device::Isp, offset, 0);
}

void Control::ispWrite(quint32 offset, quint32 value)
{
    writeRecord(Device::Isp, offset, value);
}

void Control::redGainWrite(quint32 v)
{
    ispWrite(ispRedOffset, v);
}

void Control::greenGainWrite(quint32 v)
{
    ispWrite(ispGreenOffset, v);
}

void Control::blueGainWrite(quint32 v)
{
    ispWrite(ispBlueOffset, v);
}

void Control::contrastWrite(quint32 v)
{
    // 256 and above have no multiplier (division by zero); the dialog passes 0 ... 50.
    v = qMin<quint32>(v, 255);
    const float factor = 256.0f / (256.0f - float(v)) * 16384.0f;
    const quint32 multiplier = quint32(factor);
    ispWrite(ispContrastOffset, multiplier | v << 16);
}

void Control::gammaWrite(quint32 v)
{
    // Only the two curve bits change, whatever value comes in. A control word that cannot
    // be read is left alone: writing it back would clear every other setting it holds.
    quint32 word = 0;
    if (!tryReadRecord(Device::Isp, ispGammaOffset, word))
        return;
    ispWrite(ispGammaOffset, (word & ~0xC00u) | (v & 3u) << 10);
}

double Control::gammaExponent(quint32 v)
{
    static constexpr double exponents[4] = {1.0, 1.4, 1.8, 2.2};
    return exponents[v & 3u];
}

double Control::sharpeningShare(quint32 v)
{
    return qMin<quint32>(v, 20000) / 20000.0;
}

void Control::sharpenWrite(quint32 v)
{
    ispWrite(ispSharpenOffset, v);
}

void Control::setColorful(quint32 v)
{
    ispWrite(ispColorfulOffset, v);
}

quint32 Control::average(quint32 sumOffset)
{
    const quint32 sum = ispRead(sumOffset);
    const quint32 count = ispRead(ispCountOffset);
    return count == 0 ? 0 : sum / count;
}

quint32 Control::averageBright_Read()
{
    return average(ispSumBrightOffset);
}

quint32 Control::averageCr_Read()
{
    return average(ispSumCrOffset);
}

quint32 Control::averageCb_Read()
{
    return average(ispSumCbOffset);
}

void Control::splitScreen(quint32 v)
{
    writeRecord(Device::SplitScreenVdma, 0, v);
}

void Control::freeze(bool on)
{
    sensorWrite(sensorFreezeAddress, on ? 0 : 1);
}
