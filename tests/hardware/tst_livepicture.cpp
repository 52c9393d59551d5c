#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QtMath>

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
    // Rims found by walking out from each centre lie at the stated radii, the rectangle's sides
    // at half its size from its middle (within a pixel: the rims are antialiased and textured).
    const QPointF right(1, 0), down(0, 1), left(-1, 0), up(0, -1);
    const QPointF onRing = ringOuter.centre + QPointF(ringInner.radius + 10, 0);
    struct Walk { QPointF from, direction; qreal distance; };
    QVector<Walk> walks{{disc.centre, right, disc.radius}, {disc.centre, down, disc.radius},
                        {ringInner.centre, left, ringInner.radius},
                        {onRing, right, ringOuter.radius - ringInner.radius - 10},
                        {rectangle.center(), left, rectangle.width() / 2},
                        {rectangle.center(), down, rectangle.height() / 2}};
    // The wedge's hypotenuse rises at atan(300/400) from its base corner: walking up from the
    // base line at x, the edge lies (x - base.x) * 0.75 above it.
    const qreal slope = (wedgeTop.y() - wedgeFoot.y()) / (wedgeBase.x() - wedgeFoot.x());
    for (qreal dx : {100.0, 200.0, 300.0})
        walks.append({QPointF(wedgeBase.x() + dx, wedgeBase.y() - 2), up, dx * slope - 2});
    for (const Walk &w : walks) {
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
void writeIsp(SimulatedCamera &camera, quint32 offset, quint32 value)
{
    CameraSeam::Record record;
    record.address = offset;
    record.data = value;
    QVERIFY(camera.registerRequest(CameraSeam::Device::Isp, CameraSeam::WriteRequest, record));
}

QVector<quint32> statistics(SimulatedCamera &camera)
{
    QVector<quint32> sums;
    for (quint32 offset : {80u, 84u, 88u, 92u}) {
        CameraSeam::Record record;
        record.address = offset;
        camera.registerRequest(CameraSeam::Device::Isp, CameraSeam::ReadRequest, record);
        sums.append(record.data);
    }
    return sums;
}
} // namespace

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
        writeIsp(*camera, 48, 26000);
        writeIsp(*camera, 56, 15000);
        writeIsp(*camera, 60, 17403u | 15u << 16);
        writeIsp(*camera, 0, 2u << 10);
        writeIsp(*camera, 64, 12000);
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
