#include <QFile>
#include <QImage>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include "Control.h"
#include "DeviceCamera.h"
#include "DriveFb0.h"
#include "DriveFb1.h"
#include "RecordingCamera.h"
#include "testutils.h"

using Device = CameraSeam::Device;
using Call = RecordingCamera::Call;

namespace {
constexpr unsigned long W = CameraSeam::WriteRequest;
constexpr unsigned long R = CameraSeam::ReadRequest;
constexpr int frameBytes = 1920 * 1080 * 4;
} // namespace

// Register records and requests of Control, the photo path of DriveFb1, and the device
// camera with missing nodes or plain files standing for them.
class TestControl : public QObject
{
    Q_OBJECT

private slots:
    void init() { fake = RecordingCamera(); CameraSeam::setInstance(&fake); }
    void cleanup() { CameraSeam::setInstance(nullptr); }
    void registerRecords();
    void readsAndAverages();
    void photoProgramsTheBlock();
    void photoFailuresGiveNoPicture();
    void missingDevices();
    void devicePhotoFromFiles();

private:
    TestUtils::Sandbox sandbox;
    RecordingCamera fake;
};

void TestControl::registerRecords()
{
    Control control;
    control.contrastWrite(128);
    control.imx185Write(0x2002, 0xC2);
    control.freeze(true);
    control.freeze(false);
    control.setColorful(3);
    control.splitScreen(5);
    // (The colour gains, sharpening and the dialog's contrasts are the camera settings' test.)
    // Gamma is a read-modify-write of the control word: only bits 10-11 change.
    fake.values[qMakePair(Device::Isp, 0u)] = 0xFFFFF7FFu;
    control.gammaWrite(2);
    fake.values[qMakePair(Device::Isp, 0u)] = 0x00001234u;
    control.gammaWrite(7);   // out of range: still only the two curve bits
    const QVector<Call> expected = {
        reg(Device::Isp, W, 60, 0x00808000), reg(Device::Imx185, W, 0, 0x00C22002),
        reg(Device::Imx185, W, 8, 0), reg(Device::Imx185, W, 8, 1),
        reg(Device::Isp, W, 68, 3), reg(Device::SplitScreenVdma, W, 0, 5),
        reg(Device::Isp, R, 0, 0), reg(Device::Isp, W, 0, 0xFFFFFBFFu),
        reg(Device::Isp, R, 0, 0), reg(Device::Isp, W, 0, 0x00001E34u)};
    QCOMPARE(fake.calls, expected);
}

void TestControl::readsAndAverages()
{
    Control control;
    fake.values = {{qMakePair(Device::Imx185, 0u), 0x01C22002u}, {qMakePair(Device::Triger, 0u), 77},
                   {qMakePair(Device::Isp, 80u), 1300}, {qMakePair(Device::Isp, 88u), 1019}, {qMakePair(Device::Isp, 92u), 10}};
    QCOMPARE(control.imx185Read(0x2002), 0x01C2u);
    QCOMPARE(control.trigerSignal_Read(), 77u);
    QCOMPARE(control.averageCr_Read(), 130u);
    QCOMPARE(control.averageBright_Read(), 101u);   // integer division
    const QVector<Call> reads = {reg(Device::Imx185, R, 0, 0x2002), reg(Device::Triger, R, 0, 0),
                                 reg(Device::Isp, R, 80, 0), reg(Device::Isp, R, 92, 0),
                                 reg(Device::Isp, R, 88, 0), reg(Device::Isp, R, 92, 0)};
    QCOMPARE(fake.calls, reads);
    fake.values[qMakePair(Device::Isp, 92u)] = 0;
    QCOMPARE(control.averageBright_Read(), 0u);

    // A failed read leaves the record's data word as it was sent.
    fake.failing = true;
    QCOMPARE(control.ispRead(88), 0u);
    QCOMPARE(control.sensorRead(0, 0x00052002), 0x0005u);

    // A gamma change whose read of the control word fails writes nothing back, so the word's
    // other settings are not cleared.
    fake.failing = false;
    fake.failingReads = true;
    fake.calls.clear();
    control.gammaWrite(2);
    QCOMPARE(fake.calls, QVector<Call>{reg(Device::Isp, R, 0, 0)});
    control.sharpenWrite(5);   // writes still go through
    QCOMPARE(fake.calls.size(), 2);
}

void TestControl::photoProgramsTheBlock()
{
    fake.pollsUntilDone = 3;
    fake.photo = QByteArray(frameBytes, '\0');
    const quint32 pixel = 0xFF336699u;
    memcpy(fake.photo.data() + (5 * 1920 + 7) * 4, &pixel, 4);
    {
        DriveFb0 fb0;
        DriveFb1 fb1;
        const QImage *image = fb1.readQImage(1920, 1080, 4);
        QVERIFY(image);
        QCOMPARE(image->pixel(7, 5), pixel);
        QCOMPARE(fb1.size, frameBytes);
    }
    const QVector<Call> expected = {{'f', 0, 0x4C00, 0, 0}, {'s', 0, 0, 0, 2}, {'f', 1, 0x4C02, 0, 0},
                                    {'s', 1, 0, 0, 1}, {'g', 2, 0, 0, 0}, {'g', 2, 0, 0, 0},
                                    {'g', 2, 0, 0, 0}, {'g', 2, 0, 0, 0}, {'p', -1, 0, 0, frameBytes},
                                    {'s', 2, 0, 0, 0}};
    QCOMPARE(fake.calls, expected);

    // Rows only: the same transfer, then one read of just those rows.
    fake.calls.clear();
    fake.polls = 0;
    DriveFb1 fb1;
    QCOMPARE(fb1.readQImageRows(1920, 1080, 4, 4, 3)->pixel(7, 5), pixel);
    QCOMPARE(fake.calls.at(fake.calls.size() - 2), (Call{'p', -1, 0, 4 * 1920 * 4, 3 * 1920 * 4}));
}

void TestControl::photoFailuresGiveNoPicture()
{
    DriveFb1 fb1;
    // An unknown pixel size, or more than the buffer holds, touches nothing.
    QVERIFY(!fb1.readQImage(1920, 1080, 3));
    QVERIFY(!fb1.readQImage(4000, 3000, 4));
    QVERIFY(fake.calls.isEmpty());

    // A transfer that never finishes ends the wait: no picture, no frame-buffer read.
    fake.pollsUntilDone = -1;
    fake.photo = QByteArray(frameBytes, '\x7f');
    QVERIFY(!fb1.readQImage(1920, 1080, 4));
    for (const Call &call : fake.calls)
        QVERIFY(call.what != 'p');
    QCOMPARE(fake.calls.last(), (Call{'s', 2, 0, 0, 0}));

    // A frame buffer that delivers less than a whole picture gives none.
    fake.pollsUntilDone = 0;
    fake.photo.truncate(1920 * 1000 * 4);
    QVERIFY(!fb1.readQImage(1920, 1080, 4));
}

void TestControl::missingDevices()
{
    DeviceCamera device;   // every node resolves into the empty sandbox
    CameraSeam::setInstance(&device);
    Control control;
    QTest::ignoreMessage(QtDebugMsg, "/dev/isp_ss open faild\n");
    QCOMPARE(control.ispRead(52), 0u);
    QTest::ignoreMessage(QtDebugMsg, "/dev/imx185_ss open faild\n");
    QCOMPARE(control.imx185Read(0x2002), 0u);
    QTest::ignoreMessage(QtDebugMsg, "/dev/triger_ss open faild\n");
    QCOMPARE(control.trigerSignal_Read(), 0u);
    QTest::ignoreMessage(QtDebugMsg, "/dev/split_screen_vdma_ss open faild\n");
    control.splitScreen(1);

    QTest::ignoreMessage(QtDebugMsg, "/dev/fb0 open error");
    DriveFb0 fb0;
    DriveFb1 fb1;
    // Without the DMA block no photo is taken: what "/dev/fb1" holds then is no new picture.
    QTest::ignoreMessage(QtDebugMsg, "can not open /dev/mem");
    QVERIFY(!fb1.readQImage(1920, 1080, 4));

    // Plain files open but refuse every request.
    QDir().mkpath(SystemPaths::resolve(QStringLiteral("/dev")));
    for (const char *node : {"/dev/isp_ss", "/dev/imx185_ss"})
        QVERIFY(TestUtils::writeFile(SystemPaths::resolve(QLatin1String(node))));
    QTest::ignoreMessage(QtDebugMsg, "isp_ss read faild!\n");
    QCOMPARE(control.ispRead(48), 0u);
    QTest::ignoreMessage(QtDebugMsg, "imx185_ss write faild!\n");
    control.freeze(false);
}

void TestControl::devicePhotoFromFiles()
{
    // A frame in a file standing for "/dev/fb1", and a sparse file standing for "/dev/mem" whose
    // DMA block says: 4 bytes per pixel, transfer done.
    QImage picture(1920, 1080, QImage::Format_ARGB32);
    picture.fill(0xFF204060u);
    picture.setPixel(100, 200, 0xFFFFFFFFu);
    QDir().mkpath(SystemPaths::resolve(QStringLiteral("/dev")));
    QVERIFY(TestUtils::writeFile(SystemPaths::resolve(QStringLiteral("/dev/fb1")),
                                 QByteArray(reinterpret_cast<const char *>(picture.constBits()), frameBytes)));
    const QByteArray mem = QFile::encodeName(SystemPaths::resolve(QStringLiteral("/dev/mem")));
    const int fd = ::open(mem.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    const quint32 block[3] = {2, 0, 1};
    QVERIFY(::ftruncate(fd, DeviceCamera::dmaBlockAddress + DeviceCamera::dmaBlockLength) == 0);
    QVERIFY(::pwrite(fd, block, sizeof block, DeviceCamera::dmaBlockAddress) == sizeof block);
    ::close(fd);

    DeviceCamera device;
    CameraSeam::setInstance(&device);
    DriveFb1 fb1;
    QTest::ignoreMessage(QtDebugMsg, "fb1_ioctl faild!\n");   // a plain file takes no request
    const QImage *image = fb1.readQImage(1920, 1080, 4);
    QVERIFY(image);
    QCOMPARE(*image, picture);
    QCOMPARE(fb1.regRead(2), 0);   // the done flag was cleared after the read
}

QTEST_MAIN(TestControl)
#include "tst_control.moc"
