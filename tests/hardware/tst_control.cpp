#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <fcntl.h>
#include <unistd.h>

#include "Control.h"
#include "DeviceCamera.h"
#include "DriveFb0.h"
#include "DriveFb1.h"
#include "LivePicture.h"
#include "RecordingCamera.h"
#include "SimulatedCamera.h"
#include "SyntheticTarget.h"
#include "TargetGeometry.h"
#include "testutils.h"

using namespace TargetGeometry;
using Device = CameraSeam::Device;
using Call = RecordingCamera::Call;

namespace {
constexpr unsigned long W = CameraSeam::WriteRequest;
constexpr unsigned long R = CameraSeam::ReadRequest;
constexpr int frameBytes = 1920 * 1080 * 4;

int level(const QImage &image, qreal x, qreal y)
{
    return qGray(image.pixel(int(x), int(y)));
}

// Walks from `from` in steps of one pixel along `direction` until the grey level crosses the
// middle between feature and background; returns the distance walked.
qreal distanceToEdge(const QImage &image, const QPointF &from, const QPointF &direction)
{
    const int middle = (featureLevel + backgroundLevel) / 2;
    const bool startDark = level(image, from.x(), from.y()) < middle;
    for (int step = 0; step < 2000; ++step) {
        const QPointF p = from + direction * step;
        if (!QRectF(0, 0, width, height).contains(p))
            break;
        if ((level(image, p.x(), p.y()) < middle) != startDark)
            return step;
    }
    return -1;
}
} // namespace

// Register records and requests of Control, the photo path of DriveFb1, and the device
// camera with missing nodes or plain files standing for them; the simulator's target and the
// picture it makes of it.
class TestControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { fake = RecordingCamera(); CameraSeam::setInstance(&fake); }
    void cleanup() { CameraSeam::setInstance(nullptr); }
    void registerRecords();
    void readsAndAverages();
    void photoProgramsTheBlock();
    void photoFailuresGiveNoPicture();
    void missingDevices();
    void devicePhotoFromFiles();
    void geometryMatchesItsDescription();
    void pictureFileReplacesTarget();
    void greySceneSeenAsInColour();
    void gainRaisesNoise();

private:
    TestUtils::Sandbox sandbox;
    RecordingCamera fake;
    QImage target;
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

void TestControl::initTestCase()
{
    target = SyntheticTarget::render();
    QCOMPARE(target.size(), QSize(width, height));
}

void TestControl::geometryMatchesItsDescription()
{
    // The ring's outer rim lies at its radius, the rectangle's right and bottom sides at half
    // its size from its middle (within a pixel: the rims are antialiased and textured). The
    // disc, the ring's hole, the rectangle's left and top sides and the wedge are found to a
    // twentieth of a pixel by the edge search's test.
    const QPointF onRing = ringOuter.centre + QPointF(ringInner.radius + 10, 0);
    struct Walk { QPointF from, direction; qreal distance; };
    for (const Walk &w : {Walk{onRing, QPointF(1, 0), ringOuter.radius - ringInner.radius - 10},
                          Walk{rectangle.center(), QPointF(1, 0), rectangle.width() / 2},
                          Walk{rectangle.center(), QPointF(0, 1), rectangle.height() / 2}}) {
        const qreal walked = distanceToEdge(target, w.from, w.direction);
        QVERIFY2(qAbs(walked - w.distance) <= 1.0, qPrintable(QStringLiteral("%1 from (%2, %3)")
                                                                  .arg(walked).arg(w.from.x()).arg(w.from.y())));
    }
}

void TestControl::pictureFileReplacesTarget()
{
    QCOMPARE(LivePicture::current(), target);

    // A smaller picture is scaled to fit and centred.
    QImage small(960, 270, QImage::Format_RGB32);
    small.fill(Qt::white);
    const QString file = sandbox.path(QStringLiteral("live.png"));
    QVERIFY(small.save(file));
    qputenv("KORVELIN_LIVE_IMAGE", QFile::encodeName(file));
    QImage live = LivePicture::current();
    QCOMPARE(live.size(), QSize(width, height));
    QCOMPARE(live.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(live.pixel(960, 540), qRgb(255, 255, 255));

    // An unreadable file falls back to the target rather than showing nothing.
    qputenv("KORVELIN_LIVE_IMAGE", QFile::encodeName(sandbox.path(QStringLiteral("missing.png"))));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read")));
    QCOMPARE(LivePicture::current(), target);
    qunsetenv("KORVELIN_LIVE_IMAGE");
}

namespace {
void write(SimulatedCamera &camera, Device device, quint32 address, quint32 data)
{
    CameraSeam::Record record;
    record.address = address;
    record.data = data;
    QVERIFY(camera.registerRequest(device, CameraSeam::WriteRequest, record));
}

QVector<quint32> statistics(SimulatedCamera &camera)
{
    QVector<quint32> sums;
    for (quint32 offset : {80u, 84u, 88u, 92u}) {
        CameraSeam::Record record;
        record.address = offset;
        camera.registerRequest(Device::Isp, CameraSeam::ReadRequest, record);
        sums.append(record.data);
    }
    return sums;
}
} // namespace

void TestControl::gainRaisesNoise()
{
    // A uniform grey scene comes out uniform at no gain. With 18 dB more gain and an eighth of
    // the exposure it is as bright on average, and its levels spread by a few grey levels.
    QImage flat(400, 300, QImage::Format_RGB32);
    flat.fill(qRgb(120, 120, 120));
    SimulatedCamera camera;
    camera.setScene(flat);
    // The contrast register: an offset in its high half, a factor (16384 for one) in its low half.
    write(camera, Device::Isp, 0, 0);   // gamma 1
    const int plain = qGreen(camera.livePicture().pixel(0, 0));
    write(camera, Device::Isp, 60, 32768u | 30u << 16);
    QVERIFY(qAbs(qGreen(camera.livePicture().pixel(0, 0)) - 2 * (plain - 30)) <= 1);
    const QImage quiet = camera.livePicture();
    // A sensor write carries the register in its low half, the value in its high half.
    write(camera, Device::Imx185, 0, SimulatedCamera::gainRegister | 60u << 16);
    write(camera, Device::Imx185, 0, SimulatedCamera::shutterLowRegister | ((1126u - 85) & 0xFF) << 16);
    write(camera, Device::Imx185, 0, SimulatedCamera::shutterHighRegister | ((1126u - 85) >> 8) << 16);
    const QImage noisy = camera.livePicture();
    double sum = 0, squares = 0;
    const int n = flat.width() * flat.height();
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            QCOMPARE(qGreen(quiet.pixel(x, y)), qGreen(quiet.pixel(0, 0)));
            const double g = qGreen(noisy.pixel(x, y));
            sum += g;
            squares += g * g;
        }
    }
    const double mean = sum / n;
    const double deviation = std::sqrt(squares / n - mean * mean);
    QVERIFY2(std::abs(mean - qGreen(quiet.pixel(0, 0))) < 2.0, qPrintable(QString::number(mean)));
    QVERIFY2(deviation > 3.0 && deviation < 12.0, qPrintable(QString::number(deviation)));
}

void TestControl::greySceneSeenAsInColour()
{
    // The simulator keeps a grey scene in one byte a pixel. The same target with one coloured
    // pixel in the corner is kept in full colour; with colour gains, contrast, gamma and
    // sharpening, both give the same picture away from that corner and the same statistics.
    QImage coloured = target.convertToFormat(QImage::Format_RGB32);
    coloured.setPixel(0, 0, qRgb(200, 10, 10));
    SimulatedCamera grey, colour;
    grey.setScene(target);
    colour.setScene(coloured);
    for (SimulatedCamera *camera : {&grey, &colour}) {
        write(*camera, Device::Isp, 48, 26000);
        write(*camera, Device::Isp, 56, 15000);
        write(*camera, Device::Isp, 60, 17403u | 15u << 16);
        write(*camera, Device::Isp, 0, 2u << 10);
        write(*camera, Device::Isp, 64, 12000);
    }
    QImage fromGrey = grey.livePicture();
    QImage fromColour = colour.livePicture();
    QCOMPARE(fromGrey.format(), QImage::Format_RGB32);
    QVERIFY(fromColour.pixel(0, 0) != fromGrey.pixel(0, 0));
    for (const QPoint &p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        fromGrey.setPixel(p, 0);
        fromColour.setPixel(p, 0);
    }
    QCOMPARE(fromGrey, fromColour);
    QCOMPARE(statistics(grey), statistics(colour));
    QVERIFY(statistics(grey).at(3) > 0);
}

QTEST_MAIN(TestControl)
#include "tst_control.moc"
