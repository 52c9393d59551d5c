#include <QRegularExpression>
#include <QTest>

#include <cmath>

#include "LivePicture.h"
#include "SimulatedCamera.h"
#include "SyntheticTarget.h"
#include "TargetGeometry.h"
#include "testutils.h"

using namespace TargetGeometry;

namespace {
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

class TestLivePicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometryMatchesItsDescription();
    void pictureFileReplacesTarget();
    void greySceneSeenAsInColour();
    void gainRaisesNoise();

private:
    TestUtils::Sandbox sandbox;
    QImage target;
};

void TestLivePicture::initTestCase()
{
    target = SyntheticTarget::render();
    QCOMPARE(target.size(), QSize(width, height));
}

void TestLivePicture::geometryMatchesItsDescription()
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

void TestLivePicture::pictureFileReplacesTarget()
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
using Device = CameraSeam::Device;

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

void TestLivePicture::gainRaisesNoise()
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

void TestLivePicture::greySceneSeenAsInColour()
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

QTEST_MAIN(TestLivePicture)
#include "tst_livepicture.moc"
