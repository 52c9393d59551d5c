#include <QFile>
#include <QImage>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Control.h"
#include "DeviceCamera.h"
#include "DriveFb0.h"
#include "DriveFb1.h"
#include "RecordingCamera.h"
#include "SimulatedCamera.h"
#include "testutils.h"

using Device = CameraSeam::Device;
using Call = RecordingCamera::Call;

namespace {
constexpr unsigned long W = CameraSeam::WriteRequest;
constexpr unsigned long R = CameraSeam::ReadRequest;

// A sandbox file standing for a device node.
void makeNode(const QString &cameraPath, const QByteArray &content = QByteArray())
{
    QFile file(SystemPaths::resolve(cameraPath));
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// A sparse sandbox "/dev/mem" whose photo DMA block holds the given registers.
void makeMemory(const QVector<quint32> &registers)
{
    const QByteArray path = QFile::encodeName(SystemPaths::resolve(QStringLiteral("/dev/mem")));
    QDir().mkpath(QFileInfo(QString::fromLocal8Bit(path)).path());
    ::unlink(path.constData());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    QVERIFY(::ftruncate(fd, DeviceCamera::dmaBlockAddress + DeviceCamera::dmaBlockLength) == 0);
    QVERIFY(::pwrite(fd, registers.constData(), size_t(registers.size()) * 4,
                     DeviceCamera::dmaBlockAddress) == registers.size() * 4);
    ::close(fd);
}
} // namespace

// Register records and requests of every Control operation, the frame-buffer photo path, and
// the device camera's behaviour with missing or unusable nodes.
class TestControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registerRecords();
    void readsAndFailedReads();
    void averages();
    void photoProgramsTheBlock();
    void photoFailuresGiveNoPicture();
    void missingDevices();
    void deviceNodesThatRefuseRequests();
    void devicePhotoFromFrameBuffer();

private:
    TestUtils::Sandbox sandbox;
    RecordingCamera fake;
};

void TestControl::init()
{
    fake = RecordingCamera();
    CameraSeam::setInstance(&fake);
}

void TestControl::cleanup()
{
    CameraSeam::setInstance(nullptr);
}

void TestControl::registerRecords()
{
    Control control;
    control.contrastWrite(0);
    control.contrastWrite(50);
    control.contrastWrite(128);
    control.imx185Write(0x2002, 0xC2);
    control.freeze(true);
    control.freeze(false);
    control.redGainWrite(20000);
    control.greenGainWrite(10000);
    control.blueGainWrite(21000);
    control.sharpenWrite(2000);
    control.setColorful(3);
    control.splitScreen(5);
    const QVector<Call> expected = {
        RecordingCamera::reg(Device::Isp, W, 60, 0x00004000),
        RecordingCamera::reg(Device::Isp, W, 60, 20360u | 50u << 16),
        RecordingCamera::reg(Device::Isp, W, 60, 0x00808000),
        RecordingCamera::reg(Device::Imx185, W, 0, 0x00C22002),
        RecordingCamera::reg(Device::Imx185, W, 8, 0),
        RecordingCamera::reg(Device::Imx185, W, 8, 1),
        RecordingCamera::reg(Device::Isp, W, 48, 20000),
        RecordingCamera::reg(Device::Isp, W, 52, 10000),
        RecordingCamera::reg(Device::Isp, W, 56, 21000),
        RecordingCamera::reg(Device::Isp, W, 64, 2000),
        RecordingCamera::reg(Device::Isp, W, 68, 3),
        RecordingCamera::reg(Device::SplitScreenVdma, W, 0, 5),
    };
    QCOMPARE(fake.calls, expected);

    // Gamma is a read-modify-write of the control word: only bits 10-11 change.
    fake.calls.clear();
    fake.readValues[qMakePair(int(Device::Isp), 0u)] = 0xFFFFF7FFu;
    control.gammaWrite(2);
    fake.readValues[qMakePair(int(Device::Isp), 0u)] = 0x00001234u;
    control.gammaWrite(7);   // out of range: still only the two curve bits
    const QVector<Call> gamma = {
        RecordingCamera::reg(Device::Isp, R, 0, 0),
        RecordingCamera::reg(Device::Isp, W, 0, 0xFFFFFBFFu),
        RecordingCamera::reg(Device::Isp, R, 0, 0),
        RecordingCamera::reg(Device::Isp, W, 0, 0x00001E34u),
    };
    QCOMPARE(fake.calls, gamma);
}

void TestControl::readsAndFailedReads()
{
    Control control;
    fake.readValues[qMakePair(int(Device::Imx185), 0u)] = 0x01C22002u;
    fake.readValues[qMakePair(int(Device::Triger), 0u)] = 77;
    fake.readValues[qMakePair(int(Device::Isp), 52u)] = 9360;
    QCOMPARE(control.imx185Read(0x2002), 0x01C2u);
    QCOMPARE(control.trigerSignal_Read(), 77u);
    QCOMPARE(control.ispRead(52), 9360u);
    const QVector<Call> reads = {
        RecordingCamera::reg(Device::Imx185, R, 0, 0x2002),
        RecordingCamera::reg(Device::Triger, R, 0, 0),
        RecordingCamera::reg(Device::Isp, R, 52, 0),
    };
    QCOMPARE(fake.calls, reads);

    // A failed read leaves the record's data word as it was sent.
    fake.failing = true;
    QCOMPARE(control.ispRead(52), 0u);
    QCOMPARE(control.trigerRead(4), 0u);
    QCOMPARE(control.sensorRead(0, 0x00052002), 0x0005u);
}

void TestControl::averages()
{
    Control control;
    fake.readValues[qMakePair(int(Device::Isp), 80u)] = 1300;
    fake.readValues[qMakePair(int(Device::Isp), 84u)] = 1250;
    fake.readValues[qMakePair(int(Device::Isp), 88u)] = 1019;
    fake.readValues[qMakePair(int(Device::Isp), 92u)] = 10;
    QCOMPARE(control.averageCr_Read(), 130u);
    QCOMPARE(control.averageCb_Read(), 125u);
    QCOMPARE(control.averageBright_Read(), 101u);   // integer division
    QCOMPARE(fake.calls.mid(4, 2), (QVector<Call>{RecordingCamera::reg(Device::Isp, R, 88, 0),
                                                 RecordingCamera::reg(Device::Isp, R, 92, 0)}));
    fake.readValues[qMakePair(int(Device::Isp), 92u)] = 0;
    QCOMPARE(control.averageBright_Read(), 0u);
}

void TestControl::photoProgramsTheBlock()
{
    fake.pollsUntilDone = 3;
    fake.photo = QByteArray(1920 * 1080 * 4, '\0');
    const quint32 pixel = 0xFF336699u;
    memcpy(fake.photo.data() + (5 * 1920 + 7) * 4, &pixel, 4);
    {
        DriveFb0 fb0;
        DriveFb1 fb1;
        const QImage *image = fb1.readQImage(1920, 1080, 4);
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(1920, 1080));
        QCOMPARE(image->pixel(7, 5), pixel);
        QCOMPARE(fb1.size, 1920 * 1080 * 4);
    }
    QVector<Call> expected = {
        Call{"fb", 0, 0x4C00, 0, 0},
        Call{"dmaWrite", 0, 0, 0, 2},
        Call{"fb", 1, 0x4C02, 0, 0},
        Call{"dmaWrite", 1, 0, 0, 1},
    };
    for (int i = 0; i < 4; ++i)
        expected.append(Call{"dmaRead", 2, 0, 0, 0});
    expected.append(Call{"photo", -1, 0, 0, 1920u * 1080u * 4u});
    expected.append(Call{"dmaWrite", 2, 0, 0, 0});
    QCOMPARE(fake.calls, expected);

    // Rows only: the same transfer, one read of just those rows.
    fake.calls.clear();
    fake.polls = 0;
    DriveFb1 fb1;
    const QImage *rows = fb1.readQImageRows(1920, 1080, 4, 4, 3);
    QVERIFY(rows);
    QCOMPARE(rows->pixel(7, 5), pixel);
    QCOMPARE(fb1.size, 3 * 1920 * 4);
    QVERIFY(fake.calls.contains(Call{"photo", -1, 0, 4u * 1920u * 4u, 3u * 1920u * 4u}));

    // Two bytes per pixel selects format 1 and the second request.
    fake.calls.clear();
    fake.polls = 0;
    QVERIFY(fb1.readQImage(1920, 1080, 2));
    QCOMPARE(fake.calls.mid(0, 2), (QVector<Call>{Call{"dmaWrite", 0, 0, 0, 1}, Call{"fb", 1, 0x4C01, 0, 0}}));
}

void TestControl::photoFailuresGiveNoPicture()
{
    DriveFb1 fb1;
    // An unknown pixel size touches nothing.
    QVERIFY(!fb1.readQImage(1920, 1080, 3));
    QVERIFY(!fb1.readQImage(4000, 3000, 4));   // larger than the buffer
    QVERIFY(fake.calls.isEmpty());

    // A transfer that never finishes ends the wait: no picture, no frame-buffer read.
    fake.pollsUntilDone = -1;
    fake.photo = QByteArray(1920 * 1080 * 4, '\x7f');
    QVERIFY(!fb1.readQImage(1920, 1080, 4));
    for (const Call &call : fake.calls)
        QVERIFY(call.what != "photo");
    QCOMPARE(fake.calls.last(), (Call{"dmaWrite", 2, 0, 0, 0}));

    // A frame buffer that delivers less than a whole picture gives none.
    fake.pollsUntilDone = 0;
    fake.polls = 0;
    fake.photo.truncate(1920 * 1000 * 4);
    QVERIFY(!fb1.readQImage(1920, 1080, 4));

    // The simulator's stalled DMA block behaves the same.
    SimulatedCamera camera;
    CameraSeam::setInstance(&camera);
    camera.setScene(QImage(1920, 1080, QImage::Format_RGB32));
    QVERIFY(fb1.readQImage(1920, 1080, 4));
    camera.setDmaStalled(true);
    QVERIFY(!fb1.readQImage(1920, 1080, 4));
}

void TestControl::missingDevices()
{
    DeviceCamera device;   // every node resolves into the empty sandbox
    CameraSeam::setInstance(&device);
    Control control;

    QTest::ignoreMessage(QtDebugMsg, "/dev/isp_ss open faild\n");
    QCOMPARE(control.ispRead(52), 0u);
    QTest::ignoreMessage(QtDebugMsg, "/dev/isp_ss open faild\n");
    control.redGainWrite(20000);
    QTest::ignoreMessage(QtDebugMsg, "/dev/imx185_ss open faild\n");
    QCOMPARE(control.imx185Read(0x2002), 0u);
    QTest::ignoreMessage(QtDebugMsg, "/dev/imx185_ss open faild\n");
    control.freeze(true);
    QTest::ignoreMessage(QtDebugMsg, "/dev/triger_ss open faild\n");
    QCOMPARE(control.trigerSignal_Read(), 0u);
    QTest::ignoreMessage(QtDebugMsg, "/dev/split_screen_vdma_ss open faild\n");
    control.splitScreen(1);
    QTest::ignoreMessage(QtDebugMsg, "/dev/isp_ss open faild\n");
    QTest::ignoreMessage(QtDebugMsg, "/dev/isp_ss open faild\n");
    QCOMPARE(control.averageBright_Read(), 0u);

    QTest::ignoreMessage(QtDebugMsg, "/dev/fb0 open error");
    DriveFb0 fb0;
    DriveFb1 fb1;
    QTest::ignoreMessage(QtDebugMsg, "can not open /dev/mem");
    QCOMPARE(fb1.regRead(2), -1);
    // Without the DMA block no photo is taken, and the frame buffer's old content is not one.
    QTest::ignoreMessage(QtDebugMsg, "can not open /dev/mem");
    QVERIFY(!fb1.readQImage(1920, 1080, 4));
}

void TestControl::deviceNodesThatRefuseRequests()
{
    // Plain files open but refuse every ioctl.
    makeNode(QStringLiteral("/dev/isp_ss"));
    makeNode(QStringLiteral("/dev/imx185_ss"));
    makeNode(QStringLiteral("/dev/fb1"));
    // A pipe opens but cannot be mapped.
    QVERIFY(::mkfifo(QFile::encodeName(SystemPaths::resolve(QStringLiteral("/dev/mem"))).constData(), 0600) == 0);
    DeviceCamera device;
    CameraSeam::setInstance(&device);
    Control control;
    QTest::ignoreMessage(QtDebugMsg, "isp_ss read faild!\n");
    QCOMPARE(control.ispRead(48), 0u);
    QTest::ignoreMessage(QtDebugMsg, "isp_ss write faild!\n");
    control.sharpenWrite(1);
    QTest::ignoreMessage(QtDebugMsg, "imx185_ss read faild!\n");
    QCOMPARE(control.sensorRead(0, 0x00072002), 7u);
    QTest::ignoreMessage(QtDebugMsg, "imx185_ss write faild!\n");
    control.freeze(false);
    QTest::ignoreMessage(QtDebugMsg, "fb1_ioctl faild!\n");
    DriveFb1 fb1;
    fb1.vdmaWirte(0x4C02);
    QTest::ignoreMessage(QtDebugMsg, "mapping memory for absolute memory access failed");
    QCOMPARE(fb1.regWrite(1, 1), -1);
}

void TestControl::devicePhotoFromFrameBuffer()
{
    QImage picture(1920, 1080, QImage::Format_ARGB32);
    picture.fill(0xFF204060u);
    picture.setPixel(100, 200, 0xFFFFFFFFu);
    makeNode(QStringLiteral("/dev/fb1"),
             QByteArray(reinterpret_cast<const char *>(picture.constBits()), int(picture.sizeInBytes())));
    makeMemory({2, 0, 1});   // format 4 bytes, done flag set
    DeviceCamera device;
    CameraSeam::setInstance(&device);
    DriveFb1 fb1;
    QTest::ignoreMessage(QtDebugMsg, "fb1_ioctl faild!\n");
    const QImage *image = fb1.readQImage(1920, 1080, 4);
    QVERIFY(image);
    QCOMPARE(*image, picture);
    // The done flag was cleared after the read.
    QCOMPARE(fb1.regRead(2), 0);

    // Done flag never set: the wait ends and no picture is given.
    QTest::ignoreMessage(QtDebugMsg, "fb1_ioctl faild!\n");
    QVERIFY(!fb1.readQImage(1920, 1080, 4));
}

QTEST_MAIN(TestControl)
#include "tst_control.moc"
