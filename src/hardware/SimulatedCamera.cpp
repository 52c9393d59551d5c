#include "SimulatedCamera.h"

#include <QtMath>

#include <algorithm>
#include <cstring>

#include "Control.h"
#include "LivePicture.h"
#include "TargetGeometry.h"

namespace {
// Shutter lines at which a mid-grey scene comes out near the brightness auto exposure aims at.
constexpr double referenceLines = 1500.0;
// The sensor's response per channel: red and blue pixels see about half of what green ones
// see, which the image processor's default gains (20000 / 10000 / 20000) balance.
constexpr double channelResponse[3] = {0.5, 1.0, 0.5};
// Statistics sample every statisticsStep-th pixel in both directions.
constexpr int statisticsStep = 4;
// Light of the flickering lamp per channel (red, green, blue), one statistics frame after the
// other: bright and dim in turn, its colour swinging between reddish and bluish every two.
constexpr int flickerPhases = 4;
constexpr double flickerLight[flickerPhases][3] = {
    {1.9, 1.5, 1.1}, {0.35, 0.45, 0.6}, {1.1, 1.5, 1.9}, {0.6, 0.45, 0.35}};

constexpr quint32 ispControl = 0;
constexpr quint32 ispRed = 48;
constexpr quint32 ispGreen = 52;
constexpr quint32 ispBlue = 56;
constexpr quint32 ispContrast = 60;
constexpr quint32 ispSharpen = 64;
constexpr quint32 ispSumCr = 80;
constexpr quint32 ispSumCb = 84;
constexpr quint32 ispSumBrightness = 88;
constexpr quint32 ispCount = 92;

// The scene as the simulator keeps it: RGB32, or one byte a pixel when every pixel is grey (the
// synthetic target), which holds exactly the same levels in a quarter of the memory.
QImage compactScene(const QImage &picture)
{
    const QImage scene = picture.convertToFormat(QImage::Format_RGB32);
    QImage grey(scene.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < scene.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(scene.constScanLine(y));
        uchar *out = grey.scanLine(y);
        for (int x = 0; x < scene.width(); ++x) {
            const int level = qRed(in[x]);
            if (qGreen(in[x]) != level || qBlue(in[x]) != level)
                return scene;
            out[x] = uchar(level);
        }
    }
    return grey;
}

// Read noise of the sensor, in output levels (standard deviation) per step of linear gain above
// one: none at 0 dB, and it grows as the amplifier raises it with the signal.
constexpr double noisePerGain = 0.6;

// Reproducible, roughly normal noise of unit deviation for the pixel (x, y): the sum of four
// uniform bytes of a hash of its position, centred and scaled.
inline double pixelNoise(int x, int y)
{
    quint32 h = quint32(x) * 0x9E3779B1u ^ quint32(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    const int sum = int(h & 0xFF) + int(h >> 8 & 0xFF) + int(h >> 16 & 0xFF) + int(h >> 24);
    // Four uniform bytes: mean 510, standard deviation sqrt(4 * (256^2 - 1) / 12) = 147.8.
    return (sum - 510) / 147.8;
}

inline int luma(int r, int g, int b)
{
    return (77 * r + 150 * g + 29 * b) >> 8;
}
inline int chromaRed(int r, int g, int b)
{
    return qBound(0, ((128 * r - 107 * g - 21 * b) >> 8) + 128, 255);
}
inline int chromaBlue(int r, int g, int b)
{
    return qBound(0, ((-43 * r - 85 * g + 128 * b) >> 8) + 128, 255);
}
} // namespace

SimulatedCamera::SimulatedCamera(QObject *parent)
    : QObject(parent)
{
    // The state the camera's logic starts in.
    sensor.insert(shutterLowRegister, 450 & 0xFF);
    sensor.insert(shutterHighRegister, 450 >> 8);
    sensor.insert(gainRegister, 0);
    isp.insert(ispControl, 1u << 10);
    isp.insert(ispRed, 20000);
    isp.insert(ispGreen, 10000);
    isp.insert(ispBlue, 20000);
    isp.insert(ispContrast, 16384);
    isp.insert(ispSharpen, 2000);
}

SimulatedCamera::~SimulatedCamera() = default;

SimulatedCamera *SimulatedCamera::active()
{
    return dynamic_cast<SimulatedCamera *>(CameraSeam::instance());
}

bool SimulatedCamera::registerRequest(Device device, unsigned long request, Record &record)
{
    const bool write = request == WriteRequest;
    if (!write && request != ReadRequest)
        return false;

    switch (device) {
    case Device::Imx185:
        if (record.address == freezeAddress) {
            if (!write)
                return false;
            const bool freeze = record.data == 0;
            if (freeze != frozen) {
                heldFrame = freeze ? render() : QImage();
                frozen = freeze;
                photoFormat = -1;
                emit pictureChanged();
            }
            return true;
        }
        if (record.address != 0)
            return false;
        if (write) {
            sensor.insert(quint16(record.data & 0xFFFF), quint16(record.data >> 16));
            settingsChanged();
        } else {
            const quint16 reg = quint16(record.data & 0xFFFF);
            record.data = reg | quint32(sensor.value(reg)) << 16;
        }
        return true;
    case Device::Isp:
        if (write) {
            if (record.address >= ispSumCr && record.address <= ispCount)
                return true;   // the statistics are read only
            isp.insert(record.address, record.data);
            settingsChanged();
            return true;
        }
        switch (record.address) {
        case ispSumCr:
            record.data = statistics().cr;
            break;
        case ispSumCb:
            record.data = statistics().cb;
            break;
        case ispSumBrightness:
            record.data = statistics().brightness;
            break;
        case ispCount:
            record.data = statistics().count;
            // The count closes a statistics frame: the next sums are those of the next frame.
            if (flicker) {
                flickerPhase = (flickerPhase + 1) % flickerPhases;
                statsValid = false;
            }
            break;
        default:
            record.data = isp.value(record.address);
        }
        return true;
    case Device::Triger:
        if (write)
            return false;
        record.data = 0;
        return true;
    case Device::SplitScreenVdma:
        if (!write)
            return false;
        splitScreenMode = record.data;
        return true;
    }
    return false;
}

bool SimulatedCamera::frameBufferRequest(int index, unsigned long request)
{
    if (index < 0 || index > 1)
        return false;
    fbRequest[index] = request;
    return true;
}

unsigned long SimulatedCamera::lastFrameBufferRequest(int index) const
{
    return index >= 0 && index <= 1 ? fbRequest[index] : 0;
}

int SimulatedCamera::dmaRegisterRead(int index)
{
    return index >= 0 && index < 64 ? dma[index] : -1;
}

int SimulatedCamera::dmaRegisterWrite(int index, int value)
{
    if (index < 0 || index >= 64)
        return -1;
    dma[index] = value;
    if (index == 1 && value == 1 && !dmaStalled)
        transferPhoto();
    return 1;
}

qint64 SimulatedCamera::readPhotoBuffer(uchar *destination, qint64 offset, qint64 size)
{
    if (offset < 0 || size < 0 || offset >= photo.size())
        return 0;
    const qint64 n = qMin<qint64>(size, photo.size() - offset);
    std::memcpy(destination, photo.constData() + offset, size_t(n));
    return n;
}

void SimulatedCamera::transferPhoto()
{
    const int format = dma[0];
    // The frame buffer still holds this very frame in this format: the copy would be the same.
    if (photoFormat == format) {
        dma[2] = 1;
        return;
    }
    const QImage frame = livePicture();
    const int bytes = format == 0 ? 1 : format == 1 ? 2 : 4;
    const int w = frame.width();
    const int h = frame.height();
    photo.resize(w * h * bytes);
    uchar *out = reinterpret_cast<uchar *>(photo.data());
    for (int y = 0; y < h; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        uchar *line = out + qint64(y) * w * bytes;
        if (bytes == 4) {
            for (int x = 0; x < w; ++x) {
                const quint32 pixel = 0xFF000000u | row[x];
                std::memcpy(line + 4 * x, &pixel, 4);
            }
        } else if (bytes == 2) {
            for (int x = 0; x < w; ++x) {
                const quint16 pixel = quint16((qRed(row[x]) >> 3) << 11 | (qGreen(row[x]) >> 2) << 5
                                              | qBlue(row[x]) >> 3);
                std::memcpy(line + 2 * x, &pixel, 2);
            }
        } else {
            for (int x = 0; x < w; ++x)
                line[x] = uchar(luma(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
        }
    }
    photoFormat = format;
    dma[2] = 1;
}

void SimulatedCamera::setScene(const QImage &image)
{
    scene = image.isNull() ? QImage() : compactScene(image);
    settingsChanged();
}

void SimulatedCamera::setFlicker(bool on)
{
    flicker = on;
    flickerPhase = 0;
    settingsChanged();
}

const QImage &SimulatedCamera::sceneImage()
{
    if (scene.isNull())
        scene = compactScene(LivePicture::current());
    return scene;
}

void SimulatedCamera::settingsChanged()
{
    statsValid = false;
    renderedValid = false;
    if (!frozen) {
        photoFormat = -1;
        emit pictureChanged();
    }
}

void SimulatedCamera::buildTables(uchar (&table)[3][256], int phase) const
{
    const int shutter = qBound(0, int(sensor.value(shutterLowRegister) | sensor.value(shutterHighRegister) << 8), 1125);
    const double lines = 1126 - shutter;
    // Gain steps of 0.3 dB.
    const double gain = qPow(10.0, sensor.value(gainRegister) * 0.3 / 20.0);
    const double exposure = lines / referenceLines * gain;
    const double colourGain[3] = {isp.value(ispRed) / 10000.0, isp.value(ispGreen) / 10000.0,
                                  isp.value(ispBlue) / 10000.0};
    const quint32 contrastWord = isp.value(ispContrast);
    const double contrastValue = contrastWord >> 16;
    const double contrastFactor = (contrastWord & 0xFFFF) / 16384.0;
    const double gamma = Control::gammaExponent(isp.value(ispControl) >> 10);

    for (int c = 0; c < 3; ++c) {
        const double light = flicker ? flickerLight[phase][c] : 1.0;
        const double scale = exposure * channelResponse[c] * colourGain[c] * light;
        for (int level = 0; level < 256; ++level) {
            double v = level * scale;
            v = qBound(0.0, (v - contrastValue) * contrastFactor, 255.0);
            v = 255.0 * qPow(v / 255.0, 1.0 / gamma);
            table[c][level] = uchar(qBound(0, qRound(v), 255));
        }
    }
}

QImage SimulatedCamera::livePicture()
{
    return frozen ? heldFrame : render();
}

QImage SimulatedCamera::render()
{
    if (renderedValid)
        return rendered;
    const QImage &input = sceneImage();
    uchar table[3][256];
    buildTables(table, flickerPhase);

    const int w = input.width();
    const int h = input.height();
    QImage out(w, h, QImage::Format_RGB32);
    if (input.format() == QImage::Format_Grayscale8) {
        QRgb levels[256];
        for (int v = 0; v < 256; ++v)
            levels[v] = qRgb(table[0][v], table[1][v], table[2][v]);
        for (int y = 0; y < h; ++y) {
            const uchar *in = input.constScanLine(y);
            QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < w; ++x)
                line[x] = levels[in[x]];
        }
    } else {
        for (int y = 0; y < h; ++y) {
            const QRgb *in = reinterpret_cast<const QRgb *>(input.constScanLine(y));
            QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < w; ++x)
                line[x] = qRgb(table[0][qRed(in[x])], table[1][qGreen(in[x])], table[2][qBlue(in[x])]);
        }
    }

    // The sensor's read noise, raised with the gain, comes before the processor's sharpening.
    const double noise = noisePerGain * (qPow(10.0, sensor.value(gainRegister) * 0.3 / 20.0) - 1.0);
    if (noise > 0) {
        for (int y = 0; y < h; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const int n = qRound(noise * pixelNoise(x, y));
                const QRgb c = line[x];
                line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255), qBound(0, qBlue(c) + n, 255));
            }
        }
    }

    // Sharpening: each channel moves away from the mean of its four neighbours.
    // Register value 20000 adds the full four-neighbour detail (4 x centre - neighbours).
    const int strength = int(qMin<quint32>(isp.value(ispSharpen), 20000));
    if (strength > 0 && w > 2 && h > 2) {
        // Rows are sharpened in place: only the unsharpened row above and the current row are
        // kept aside, the row below is still untouched.
        QVector<QRgb> above(w), current(w);
        std::copy_n(reinterpret_cast<const QRgb *>(out.constScanLine(0)), w, above.begin());
        for (int y = 1; y < h - 1; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            std::copy_n(line, w, current.begin());
            const QRgb *up = above.constData();
            const QRgb *mid = current.constData();
            const QRgb *down = reinterpret_cast<const QRgb *>(out.constScanLine(y + 1));
            for (int x = 1; x < w - 1; ++x) {
                int channel[3];
                for (int c = 0; c < 3; ++c) {
                    const int shift = 16 - 8 * c;
                    const int centre = int(mid[x] >> shift) & 0xFF;
                    const int around = (int(up[x] >> shift) & 0xFF) + (int(down[x] >> shift) & 0xFF)
                                       + (int(mid[x - 1] >> shift) & 0xFF)
                                       + (int(mid[x + 1] >> shift) & 0xFF);
                    const int detail = 4 * centre - around;
                    channel[c] = qBound(0, centre + detail * strength / 20000, 255);
                }
                line[x] = qRgb(channel[0], channel[1], channel[2]);
            }
            above.swap(current);
        }
    }
    rendered = out;
    renderedValid = true;
    return rendered;
}

const SimulatedCamera::Statistics &SimulatedCamera::statistics()
{
    if (statsValid)
        return stats;
    const QImage &input = sceneImage();
    uchar table[3][256];
    buildTables(table, flickerPhase);
    const bool grey = input.format() == QImage::Format_Grayscale8;
    Statistics s;
    for (int y = statisticsStep / 2; y < input.height(); y += statisticsStep) {
        const uchar *bytes = input.constScanLine(y);
        const QRgb *in = reinterpret_cast<const QRgb *>(bytes);
        for (int x = statisticsStep / 2; x < input.width(); x += statisticsStep) {
            const QRgb pixel = grey ? qRgb(bytes[x], bytes[x], bytes[x]) : in[x];
            const int r = table[0][qRed(pixel)];
            const int g = table[1][qGreen(pixel)];
            const int b = table[2][qBlue(pixel)];
            s.brightness += quint32(luma(r, g, b));
            s.cr += quint32(chromaRed(r, g, b));
            s.cb += quint32(chromaBlue(r, g, b));
            ++s.count;
        }
    }
    stats = s;
    statsValid = true;
    return stats;
}
