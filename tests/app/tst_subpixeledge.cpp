#include <QPainter>
#include <QTest>
#include <QtMath>

#include <cmath>

#include "Control.h"
#include "DriveFb1.h"
#include "FrameDriver.h"
#include "PointDetector.h"
#include "SubPixelEdge.h"
#include "TargetGeometry.h"

namespace {
// A dark shape on a light picture, drawn with area antialiasing.
template<class Draw>
QImage darkOnLight(Draw draw)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(qRgb(190, 190, 190));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    draw(painter);
    return image;
}

// A dark half-plane: its edge passes through `through`, turned by `degrees` from vertical; the
// light side lies where the edge's normal (cos, sin of `degrees`) points.
QImage halfPlane(const QPointF &through, qreal degrees)
{
    return darkOnLight([&](QPainter &painter) {
        painter.translate(through);
        painter.rotate(degrees);
        painter.drawRect(QRectF(-400, -400, 400, 800)); // along the rotated y axis
    });
}

// Distance of p from the edge through `through` turned by `degrees`.
qreal distanceFromEdge(const QPointF &p, const QPointF &through, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return QPointF::dotProduct(p - through, QPointF(std::cos(a), std::sin(a)));
}

// A grey picture whose levels, `margin` pixels in from its border, are `level(x, y)`, read
// from the picture as it was; row by row.
template<class Level>
QImage mapped(const QImage &image, Level level, int margin = 0)
{
    QImage out = image;
    for (int y = margin; y < image.height() - margin; ++y) {
        for (int x = margin; x < image.width() - margin; ++x) {
            const int value = qBound(0, level(x, y), 255);
            out.setPixel(x, y, qRgb(value, value, value));
        }
    }
    return out;
}

QImage noisy(const QImage &image, int amplitude)
{
    quint32 seed = 12345u;
    return mapped(image, [&](int x, int y) {
        seed = seed * 1664525u + 1013904223u;
        return qRed(image.pixel(x, y)) + int((seed >> 24) % (2 * amplitude + 1)) - amplitude;
    });
}

// Every level raised to 1 / exponent, as a camera's gamma curve does.
QImage curved(const QImage &image, double exponent)
{
    return mapped(image, [&](int x, int y) { return qRound(255.0 * std::pow(qRed(image.pixel(x, y)) / 255.0, 1.0 / exponent)); });
}

// A camera's sharpening after its gamma curve: every level moves away from the mean of its
// four neighbours by `strength` times their difference.
QImage sharpened(const QImage &image, double strength)
{
    return mapped(image, [&](int x, int y) {
        const int centre = qRed(image.pixel(x, y));
        const int around = qRed(image.pixel(x - 1, y)) + qRed(image.pixel(x + 1, y))
                           + qRed(image.pixel(x, y - 1)) + qRed(image.pixel(x, y + 1));
        return qRound(centre + strength * (4 * centre - around));
    }, 1);
}
} // namespace

// Refining detected edges to a fraction of a pixel: straight edges at any position and angle,
// noise and a gamma curve, the places where no refinement is possible, and its use by the main
// window on the simulator's target.
class TestSubPixelEdge : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void straightEdges_data();
    void straightEdges();
    void noiseAndGamma();
    void curvedAndSharpenedEdges();
    void nothingToRefine();
    void mainWindowRefinesWhenSwitchedOn();
};

void TestSubPixelEdge::straightEdges_data()
{
    QTest::addColumn<QPointF>("through");
    QTest::addColumn<qreal>("degrees");
    QTest::newRow("on a pixel border") << QPointF(100, 100) << qreal(0);
    QTest::newRow("a quarter in") << QPointF(100.25, 100) << qreal(0);
    QTest::newRow("three quarters in") << QPointF(100.75, 100) << qreal(0);
    QTest::newRow("horizontal") << QPointF(100, 100.4) << qreal(90);
    QTest::newRow("light on the left") << QPointF(100.6, 100) << qreal(180);
    QTest::newRow("turned 7 degrees") << QPointF(100.3, 100.1) << qreal(7);
    QTest::newRow("diagonal") << QPointF(100.1, 100.7) << qreal(45);
    QTest::newRow("steep") << QPointF(99.85, 100.2) << qreal(-63);
}

void TestSubPixelEdge::straightEdges()
{
    QFETCH(QPointF, through);
    QFETCH(qreal, degrees);
    const QImage image = halfPlane(through, degrees);
    // Clicks up to 4 pixels off the edge, either side: the whole-pixel result is off by up to a
    // pixel, the refined one by hundredths.
    const qreal a = qDegreesToRadians(degrees);
    const QPointF normal(std::cos(a), std::sin(a));
    for (qreal off : {-4.0, -2.5, 3.0, 4.0}) {
        const QPointF click = QPointF(std::round(through.x() + off * normal.x()),
                                      std::round(through.y() + off * normal.y()));
        QPoint pixel;
        QVERIFY(PointDetector::edgePixel(image, click, 0.8f, &pixel));
        QPointF edge;
        QVERIFY(SubPixelEdge::refine(image, pixel, &edge));
        QVERIFY2(std::abs(distanceFromEdge(edge, through, degrees)) < 0.03,
                 qPrintable(QStringLiteral("%1 off: %2").arg(off).arg(distanceFromEdge(edge, through, degrees))));
        // The refined point lies near the edge pixel found, not slid along the edge.
        QVERIFY(QLineF(edge, QPointF(pixel) + QPointF(0.5, 0.5)).length() < 1.6);
        QCOMPARE(SubPixelEdge::locate(image, click, 0.8f), edge);
    }
}

void TestSubPixelEdge::noiseAndGamma()
{
    const QPointF through(100.3, 100);
    const QImage image = noisy(halfPlane(through, 3), 6);
    qreal worst = 0;
    for (int y = 80; y <= 120; y += 4) {
        const QPointF edge = SubPixelEdge::locate(image, QPointF(97, y), 0.8f);
        worst = std::max(worst, std::abs(distanceFromEdge(edge, through, 3)));
    }
    QVERIFY2(worst < 0.1, qPrintable(QString::number(worst)));

    // After a gamma curve the half-covered pixels look lighter than half: the levels must be
    // taken back through the curve, or the edge moves towards the dark side.
    const QImage camera = curved(halfPlane(through, 0), 2.2);
    const QPointF click(97, 100);
    const qreal taken = distanceFromEdge(SubPixelEdge::locate(camera, click, 0.8f, 2.2), through, 0);
    const qreal ignored = distanceFromEdge(SubPixelEdge::locate(camera, click, 0.8f, 1.0), through, 0);
    QVERIFY2(std::abs(taken) < 0.03, qPrintable(QString::number(taken)));
    QVERIFY2(ignored < -0.05, qPrintable(QString::number(ignored)));
}

void TestSubPixelEdge::curvedAndSharpenedEdges()
{
    // A small dark disc: round its rim the refined points lie on the circle, not inside it as
    // profiles averaged along a straight line would put them.
    const QPointF centre(100.3, 99.6);
    const qreal radius = 40;
    const QImage image = darkOnLight([&](QPainter &painter) { painter.drawEllipse(centre, radius, radius); });
    // The rasteriser's circle is a few hundredths smaller than asked: the truth is the radius
    // of the area it covered.
    qreal covered = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            covered += (190 - qRed(image.pixel(x, y))) / 150.0;
    const qreal drawn = std::sqrt(covered / M_PI);
    qreal sum = 0;
    qreal worst = 0;
    const int count = 36;
    for (int k = 0; k < count; ++k) {
        const qreal a = qDegreesToRadians(10.0 * k + 3);
        const QPointF click = centre + QPointF(std::cos(a), std::sin(a)) * (radius + 3);
        const qreal error = QLineF(centre, SubPixelEdge::locate(image, click.toPoint(), 0.8f)).length() - drawn;
        sum += error;
        worst = std::max(worst, std::abs(error));
    }
    QVERIFY2(std::abs(sum / count) < 0.02, qPrintable(QString::number(sum / count)));
    QVERIFY2(worst < 0.06, qPrintable(QString::number(worst)));

    // Sharpening after the gamma curve: the overshoot on the light side, taken back through
    // the curve, is larger than the one on the dark side. The sharpening is taken back first.
    qreal worstUntaken = 0;
    for (qreal x : {100.0, 100.3, 100.5, 100.8}) {
        const QPointF through(x, 100);
        const QImage camera = sharpened(curved(halfPlane(through, 0), 1.4), 0.1);
        const qreal error = distanceFromEdge(SubPixelEdge::locate(camera, QPointF(97, 100), 0.8f, {1.4, 0.1}), through, 0);
        QVERIFY2(std::abs(error) < 0.01, qPrintable(QStringLiteral("%1: %2").arg(x).arg(error)));
        const qreal untaken = distanceFromEdge(SubPixelEdge::locate(camera, QPointF(97, 100), 0.8f, 1.4), through, 0);
        worstUntaken = std::max(worstUntaken, std::abs(untaken));
    }
    QVERIFY2(worstUntaken > 0.02, qPrintable(QString::number(worstUntaken)));
}

void TestSubPixelEdge::nothingToRefine()
{
    QPointF edge(-1, -1);
    // A uniform picture, and a click on one: nothing found, the click comes back.
    QImage flat(200, 200, QImage::Format_RGB32);
    flat.fill(qRgb(120, 120, 120));
    QVERIFY(!SubPixelEdge::refine(flat, QPoint(100, 100), &edge));
    QCOMPARE(SubPixelEdge::locate(flat, QPointF(100.5, 99), 0.8f), QPointF(100.5, 99));

    // A line two pixels wide has the same level on both sides: no edge profile. The
    // whole-pixel result stands.
    QImage line = flat;
    line.fill(qRgb(200, 200, 200));
    for (int y = 0; y < 200; ++y)
        for (int x = 100; x < 102; ++x)
            line.setPixel(x, y, qRgb(30, 30, 30));
    QPoint pixel;
    QVERIFY(PointDetector::edgePixel(line, QPointF(96, 100), 0.8f, &pixel));
    QVERIFY(!SubPixelEdge::refine(line, pixel, &edge));
    QCOMPARE(SubPixelEdge::locate(line, QPointF(96, 100), 0.8f), PointDetector::locate(line, QPointF(96, 100), 0.8f));

    // Too close to the picture's border for a profile, and pictures it cannot read.
    const QImage plane = halfPlane(QPointF(3.5, 100), 0);
    QVERIFY(!SubPixelEdge::refine(plane, QPoint(3, 100), &edge));
    QVERIFY(!SubPixelEdge::refine(QImage(), QPoint(3, 100), &edge));
    QVERIFY(!SubPixelEdge::refine(plane.convertToFormat(QImage::Format_Grayscale8), QPoint(100, 100), &edge));
    QVERIFY(!SubPixelEdge::refine(halfPlane(QPointF(100.5, 100), 0), QPoint(100, 100), &edge, 0.0));
    QCOMPARE(edge, QPointF(-1, -1));
}

void TestSubPixelEdge::mainWindowRefinesWhenSwitchedOn()
{
    openFrame();
    const TargetGeometry::Circle &disc = TargetGeometry::disc;
    const auto rimError = [&](const QPointF &p) {
        return std::abs(QLineF(disc.centre, p).length() - disc.radius);
    };
    const QPointF click = disc.centre + QPointF(disc.radius + 3, -40);

    // Switched on (off is the point detection's test): the rim to a tenth of a pixel, with the
    // simulator's gamma curve and sharpening taken back.
    DriveFb1 fb1;
    const QImage *picture = fb1.readQImage(1920, 1080, 4);
    QVERIFY(picture);
    GlobalVar::bSubPixel = true;
    const QPointF refined = frame->detectPoint(click);
    QVERIFY2(rimError(refined) < 0.1, qPrintable(QString::number(rimError(refined))));
    QCOMPARE(refined, SubPixelEdge::locate(*picture, click, GlobalVar::threshold,
                                           {Control::gammaExponent(GlobalVar::IMX185.gamma),
                                            Control::sharpeningShare(GlobalVar::IMX185.sharpen)}));
    // Outside the detection area nothing moves, refined or not.
    QCOMPARE(frame->detectPoint(QPointF(0, 0)), QPointF(0, 0));
    closeFrame();
}

QTEST_MAIN(TestSubPixelEdge)
#include "tst_subpixeledge.moc"
