#ifndef SIMULATEDCAMERA_H
#define SIMULATEDCAMERA_H

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QObject>

#include "CameraSeam.h"

// An in-process model of the camera. The scene (the live picture of LivePicture, or any picture
// given) is seen by a sensor with the shutter and gain of its registers, whose read noise grows
// with the gain, and passes through an image processor with the colour gains, contrast, gamma
// curve and sharpening of its registers.
// The statistics registers are computed from the picture so processed, the freeze switch holds
// the last frame, and the photo DMA copies the frame into the photo frame buffer in the
// requested pixel format.
class SimulatedCamera : public QObject, public CameraSeam
{
    Q_OBJECT

public:
    // Sensor registers: shutter line value (low and high byte) and gain.
    static constexpr quint16 shutterLowRegister = 0x2002;
    static constexpr quint16 shutterHighRegister = 0x2102;
    static constexpr quint16 gainRegister = 0x1402;
    // Record address of the freeze switch on the sensor device (data 0 = freeze, 1 = live).
    static constexpr quint32 freezeAddress = 8;

    explicit SimulatedCamera(QObject *parent = nullptr);
    ~SimulatedCamera() override;

    bool registerRequest(Device device, unsigned long request, Record &record) override;
    bool frameBufferRequest(int index, unsigned long request) override;
    int dmaRegisterRead(int index) override;
    int dmaRegisterWrite(int index, int value) override;
    qint64 readPhotoBuffer(uchar *destination, qint64 offset, qint64 size) override;

    // The simulator in use, or nullptr when the program drives a real camera.
    static SimulatedCamera *active();

    // The picture the camera shows now (the held frame while frozen), 1920 x 1080 RGB32.
    QImage livePicture();
    bool isFrozen() const { return frozen; }

    // Replaces the scene in front of the lens (tests). A null image returns to the live picture.
    void setScene(const QImage &scene);

    // Faults for tests: a DMA block that never reports a finished transfer, and a lamp that
    // flickers from one statistics frame to the next, bright and dim in turn and swinging
    // between reddish and bluish, so that no exposure or colour gain ever settles.
    void setDmaStalled(bool stalled) { dmaStalled = stalled; }
    void setFlicker(bool on);

    // Register values as the model holds them (tests and the live view).
    quint16 sensorRegister(quint16 reg) const { return sensor.value(reg); }
    quint32 ispRegister(quint32 offset) const { return isp.value(offset); }
    unsigned long lastFrameBufferRequest(int index) const;

signals:
    // The live picture changed (settings, freeze or scene); livePicture() has the new one.
    void pictureChanged();

private:
    struct Statistics
    {
        quint32 brightness = 0;
        quint32 cr = 0;
        quint32 cb = 0;
        quint32 count = 0;
    };

    const QImage &sceneImage();
    void settingsChanged();
    // Output level 0 ... 255 of each channel for each scene level, with the current settings
    // and the light of the given flicker phase.
    void buildTables(uchar (&table)[3][256], int phase) const;
    QImage render();
    const Statistics &statistics();
    void transferPhoto();

    QImage scene;   // RGB32, or Grayscale8 for a grey scene
    QHash<quint16, quint16> sensor;
    QHash<quint32, quint32> isp;
    quint32 splitScreenMode = 0;
    unsigned long fbRequest[2] = {0, 0};
    int dma[64] = {};
    QByteArray photo;
    int photoFormat = -1;   // format of the frame in `photo`, -1 when it is not the current one
    bool dmaStalled = false;

    bool frozen = false;
    QImage heldFrame;
    QImage rendered;
    bool renderedValid = false;

    bool flicker = false;
    int flickerPhase = 0;
    Statistics stats;
    bool statsValid = false;
};

#endif // SIMULATEDCAMERA_H
