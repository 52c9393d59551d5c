// Cost of point detection per click: taking the photo and reading the whole 1920 x 1080 frame
// against reading only the 24 rows the 24 x 24 block needs. Measured on the simulator and on
// the device camera's code path with plain files standing for "/dev/fb1" and "/dev/mem" (the
// frame then comes from the page cache, as a frame buffer read comes from memory). Both ways
// give the same point; the bench prints the bytes each reads.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QSet>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include "DeviceCamera.h"
#include "DriveFb1.h"
#include "GlobalVar.h"
#include "PointDetector.h"
#include "SimulatedCamera.h"
#include "SyntheticTarget.h"
#include "TargetGeometry.h"
#include "testutils.h"

namespace {
// The device path, with the DMA block reporting every started transfer as done at once, as
// the camera's block does once the frame has landed.
class FileCamera : public DeviceCamera
{
public:
    int dmaRegisterWrite(int index, int value) override
    {
        const int result = DeviceCamera::dmaRegisterWrite(index, value);
        if (index == 1 && value == 1 && result > 0)
            DeviceCamera::dmaRegisterWrite(2, 1);
        return result;
    }
};

void prepareDeviceFiles(const QImage &picture)
{
    const QString fb1 = SystemPaths::resolve(QStringLiteral("/dev/fb1"));
    QDir().mkpath(QFileInfo(fb1).path());
    QFile file(fb1);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
    file.close();
    const QByteArray mem = QFile::encodeName(SystemPaths::resolve(QStringLiteral("/dev/mem")));
    const int fd = ::open(mem.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    if (fd >= 0) {
        if (::ftruncate(fd, DeviceCamera::dmaBlockAddress + DeviceCamera::dmaBlockLength) != 0)
            qWarning("cannot size the stand-in for /dev/mem");
        ::close(fd);
    }
}
} // namespace

class BenchDetect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void detection_data();
    void detection();

private:
    TestUtils::Sandbox sandbox;
    SimulatedCamera *simulator = nullptr;
    FileCamera *device = nullptr;
    volatile qreal sink = 0;
};

void BenchDetect::initTestCase()
{
    // A plain file refuses the frame buffer's request; its message would drown the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    simulator = new SimulatedCamera;
    const QImage target = SyntheticTarget::render();
    simulator->setScene(target);
    device = new FileCamera;
    prepareDeviceFiles(target.convertToFormat(QImage::Format_ARGB32));
}

void BenchDetect::cleanupTestCase()
{
    CameraSeam::setInstance(nullptr);
    delete simulator;
    delete device;
}

void BenchDetect::detection_data()
{
    QTest::addColumn<bool>("onDevice");
    QTest::addColumn<bool>("rowsOnly");
    QTest::newRow("simulator, whole frame") << false << false;
    QTest::newRow("simulator, rows only") << false << true;
    QTest::newRow("device files, whole frame") << true << false;
    QTest::newRow("device files, rows only") << true << true;
}

void BenchDetect::detection()
{
    QFETCH(bool, onDevice);
    QFETCH(bool, rowsOnly);
    CameraSeam::setInstance(onDevice ? static_cast<CameraSeam *>(device) : simulator);
    const QPointF click = TargetGeometry::disc.centre + QPointF(TargetGeometry::disc.radius + 4.3, 0.2);
    int bytes = 0;
    QPointF result;
    QBENCHMARK {
        DriveFb1 fb1;
        const QImage *picture = rowsOnly
            ? fb1.readQImageRows(1920, 1080, 4, PointDetector::firstRow(click), PointDetector::rowCount)
            : fb1.readQImage(1920, 1080, 4);
        QVERIFY(picture);
        result = PointDetector::locate(*picture, click, GlobalVar::threshold);
        bytes = fb1.size;
        sink = result.x();
    }
    // The benchmark may run this function more than once; one line per way is enough.
    static QSet<QByteArray> reported;
    if (reported.contains(QTest::currentDataTag()))
        return;
    reported.insert(QTest::currentDataTag());
    qInfo("%s: %d bytes read per detection, point (%.1f, %.1f)", QTest::currentDataTag(), bytes,
          result.x(), result.y());
}

QTEST_MAIN(BenchDetect)
#include "bench_detect.moc"
