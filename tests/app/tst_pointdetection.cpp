#include <QGraphicsScene>
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <cmath>

#include "CircleFit.h"
#include "Control.h"
#include "DriveFb1.h"
#include "EdgeSearch.h"
#include "FrameDriver.h"
#include "LineFit.h"
#include "MeasureCircleFind.h"
#include "MeasureEdgeLine.h"
#include "MeasureLine.h"
#include "PointDetector.h"
#include "SimulatedCamera.h"
#include "SubPixelEdge.h"
#include "SyntheticTarget.h"
#include "TargetGeometry.h"

namespace {
// A grey picture at `level`, and at `inside` within `block`.
QImage uniform(int level, const QRect &block = QRect(), int inside = 0)
{
    QImage image(1920, 1080, QImage::Format_ARGB32);
    image.fill(qRgb(level, level, level));
    QPainter(&image).fillRect(block, QColor(inside, inside, inside));
    return image;
}

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

using namespace TargetGeometry;

// Point detection on blocks with known edges and on the simulator's picture, its use by the
// main window's presses, the rows-only photo, and the screen capture to a file. Refining the
// edges found to a fraction of a pixel: straight edges at any position and angle, noise and a
// gamma curve, the places where no refinement is possible, and the main window refining on the
// simulator's target. The searches of the one-click circle and the edge line on that target,
// whose geometry is known, and on pictures that hold no feature to find; and both tools clicked
// on the main window's live picture.
class TestPointDetection : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { openFrame(); }
    void cleanup();
    void knownEdges();
    void bordersAndUniformBlocks();
    void rowsOnlyGiveTheWholeFrameResult();
    void pressesSnapWhileDrawing();
    void captureDrawsItemsOverPicture();
    void viewShowsTheSimulatorPicture();

    void straightEdges_data();
    void straightEdges();
    void noiseAndGamma();
    void curvedAndSharpenedEdges();
    void nothingToRefine();
    void mainWindowRefinesWhenSwitchedOn();
    void robustFitsDropWildPoints();
    void circleFromClicksInside_data();
    void circleFromClicksInside();
    void edgeLineAlongSides_data();
    void edgeLineAlongSides();
    void nothingToFind();
    void toolsOnTheLivePicture();

private:
    SimulatedCamera simulator;
    QImage picture;
    double tone = 1.0;
};

void TestPointDetection::cleanup()
{
    closeFrame();
    SimulatedCamera::active()->setDmaStalled(false);
    Control().freeze(false);
}

void TestPointDetection::knownEdges()
{
    // Dark left of x = 1000, light from it on: the gradient peaks on columns 999 and 1000; the
    // nearer one wins and the click keeps its fraction.
    const QImage step = uniform(30, QRect(1000, 0, 920, 1080), 220);
    QCOMPARE(PointDetector::locate(step, QPointF(995.3, 500.6), 0.8f), QPointF(999.3, 500.6));
    QCOMPARE(PointDetector::locate(step, QPointF(1004.0, 500.0), 0.8f), QPointF(1000.0, 500.0));
    // Beyond the 21-pixel window nothing is found.
    QCOMPARE(PointDetector::locate(step, QPointF(1020.0, 500.0), 0.8f), QPointF(1020.0, 500.0));

    // A one-pixel bright line: equal gradients one pixel either side of the click; the later
    // position in row order wins (right of a vertical line, below a horizontal one).
    QCOMPARE(PointDetector::locate(uniform(100, QRect(700, 0, 1, 1080), 250), QPointF(700, 300), 0.8f), QPointF(701, 300));
    QCOMPARE(PointDetector::locate(uniform(100, QRect(0, 400, 1920, 1), 250), QPointF(900, 400), 0.8f), QPointF(900, 401));

    // Only gradients of at least threshold times the strongest count: a faint edge close by
    // loses to a strong one further away, unless the threshold is lowered.
    QImage twoEdges = uniform(100, QRect(503, 0, 5, 1080), 110);
    QPainter(&twoEdges).fillRect(QRect(508, 0, 1412, 1080), QColor(250, 250, 250));
    QCOMPARE(PointDetector::locate(twoEdges, QPointF(500, 300), 0.8f), QPointF(507, 300));
    QCOMPARE(PointDetector::locate(twoEdges, QPointF(500, 300), 0.01f), QPointF(502, 300));

    // A slanted edge, light where x + 2y >= 2250: the click moves onto the nearest pixel of the
    // first light line.
    QImage slanted = uniform(30);
    for (int y = 700; y < 800; ++y) {
        for (int x = 2250 - 2 * y; x < 1920; ++x)
            slanted.setPixel(x, y, qRgb(220, 220, 220));
    }
    QCOMPARE(PointDetector::locate(slanted, QPointF(760, 755), 0.8f), QPointF(756, 747));
}

void TestPointDetection::bordersAndUniformBlocks()
{
    const QImage grey = uniform(200);
    // A uniform block has no edge: the click stays where it is.
    QCOMPARE(PointDetector::locate(grey, QPointF(500.5, 600.25), 0.8f), QPointF(500.5, 600.25));
    // Outside the detection area nothing moves.
    for (const QPointF &p : {QPointF(0, 0), QPointF(0.5, 500), QPointF(1919.5, 500), QPointF(900, 1079.5)})
        QCOMPARE(PointDetector::locate(grey, p, 0.8f), p);
    // At (1, 1) the block reaches beyond the picture, which counts as black: the picture's own
    // border is the nearest edge (two at distance 1; the later row wins).
    QCOMPARE(PointDetector::locate(grey, QPointF(1, 1), 0.8f), QPointF(0, 1));
    QCOMPARE(PointDetector::locate(grey, QPointF(1919, 1079), 0.8f), QPointF(1919, 1079));
    QCOMPARE(PointDetector::locate(grey, QPointF(1915, 1075), 0.8f), QPointF(1915, 1079));
}

void TestPointDetection::rowsOnlyGiveTheWholeFrameResult()
{
    DriveFb1 whole;
    const QImage *picture = whole.readQImage(1920, 1080, 4);
    QVERIFY(picture);
    QCOMPARE(whole.size, 1920 * 1080 * 4);
    const QImage frozen = picture->copy();
    const QVector<QPointF> clicks = {
        QPointF(1, 1), QPointF(95.5, 62.2), QPointF(494.3, 560.1), QPointF(1081, 420),
        QPointF(1200, 1078), QPointF(1440.2, 900), QPointF(1918, 540), QPointF(760, 482)};
    for (const QPointF &p : clicks) {
        const QPointF expected = PointDetector::locate(frozen, p, GlobalVar::threshold);
        QCOMPARE(frame->detectPoint(p), expected);
        DriveFb1 rows;
        QVERIFY(rows.readQImageRows(1920, 1080, 4, PointDetector::firstRow(p), PointDetector::rowCount));
        QVERIFY(rows.size <= PointDetector::rowCount * 1920 * 4);
    }
    // A click beside the rim moves onto it.
    QCOMPARE(frame->detectPoint(QPointF(494.3, 560.1)).x(), 490.3);
}

void TestPointDetection::pressesSnapWhileDrawing()
{
    const QPointF nearRim = TargetGeometry::disc.centre + QPointF(TargetGeometry::disc.radius + 4, 0);
    const QPointF nearRectangle = TargetGeometry::rectangle.topLeft() + QPointF(200, -5);
    const QPointF onRim = frame->detectPoint(nearRim);
    const QPointF onRectangle = frame->detectPoint(nearRectangle);
    QVERIFY(onRim != nearRim && onRectangle != nearRectangle);
    frame->armTool(ToolId::Line);
    click(viewport(), nearRim);   // detection is off
    QCOMPARE(static_cast<MeasureLine *>(frame->currentShape())->startPoint, nearRim);
    frame->disarmTool();

    GlobalVar::bDetectAuto = true;
    auto *line = static_cast<MeasureLine *>(draw(ToolId::Line, {nearRim, nearRectangle}));
    QCOMPARE(line->startPoint, onRim);
    QCOMPARE(line->endPoint, onRectangle);

    // Without a photo the presses land where they were made.
    SimulatedCamera::active()->setDmaStalled(true);
    line = static_cast<MeasureLine *>(draw(ToolId::Line, {nearRim, nearRectangle}));
    QCOMPARE(line->startPoint, nearRim);
    QCOMPARE(line->endPoint, nearRectangle);
}

void TestPointDetection::captureDrawsItemsOverPicture()
{
    GlobalVar::shapeGraphPen = QPen(QColor(255, 0, 255), 3);
    draw(ToolId::Line, {QPointF(100, 800), QPointF(700, 800)});
    frame->disarmTool();

    const QImage live = SimulatedCamera::active()->livePicture();
    const QString path = sandbox.path(QStringLiteral("capture.bmp"));
    QVERIFY(frame->captureImageTo(path));
    const QImage saved(path, "BMP");
    QCOMPARE(saved.size(), QSize(1920, 1080));
    // The picture where no item is, the segment's colour on its line.
    for (const QPoint &p : {QPoint(340, 560), QPoint(50, 1000), QPoint(1200, 400), QPoint(200, 120)})
        QCOMPARE(saved.pixel(p) & 0xFFFFFF, live.pixel(p) & 0xFFFFFF);
    QCOMPARE(saved.pixel(400, 800) & 0xFFFFFF, 0xFF00FFu);

    // No file that cannot be written (nor without a photo: the panel's test).
    QVERIFY(!frame->captureImageTo(sandbox.path(QStringLiteral("missing/folder/third.bmp"))));
}

void TestPointDetection::viewShowsTheSimulatorPicture()
{
    SimulatedCamera *camera = SimulatedCamera::active();
    QTRY_VERIFY(!frame->view()->livePicture().isNull());
    QCOMPARE(frame->view()->livePicture().convertToFormat(QImage::Format_RGB32), camera->livePicture());
    Control control;
    control.redGainWrite(30000);
    control.blueGainWrite(9000);
    QTest::qWait(20);
    const QImage reddish = camera->livePicture();
    QCOMPARE(frame->view()->livePicture().convertToFormat(QImage::Format_RGB32), reddish);
    QVERIFY(qRed(reddish.pixel(50, 1000)) > qBlue(reddish.pixel(50, 1000)) + 30);

    // Frozen, the view keeps the held frame while settings change.
    control.freeze(true);
    control.redGainWrite(12000);
    QTest::qWait(20);
    QCOMPARE(frame->view()->livePicture().convertToFormat(QImage::Format_RGB32), reddish);
    control.redGainWrite(20000);
    control.blueGainWrite(20000);
}

void TestPointDetection::straightEdges_data()
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

void TestPointDetection::straightEdges()
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

void TestPointDetection::noiseAndGamma()
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

void TestPointDetection::curvedAndSharpenedEdges()
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

void TestPointDetection::nothingToRefine()
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

void TestPointDetection::mainWindowRefinesWhenSwitchedOn()
{
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
}

void TestPointDetection::initTestCase()
{
    simulator.setScene(SyntheticTarget::render(QTransform()));
    picture = simulator.livePicture();
    tone = Control::gammaExponent(simulator.ispRegister(0) >> 10);
}

void TestPointDetection::robustFitsDropWildPoints()
{
    // Rim and edge points a hundredth of a pixel off, and three that met another feature.
    QVector<QPointF> rim, edge;
    for (int k = 0; k < 40; ++k) {
        const qreal a = qDegreesToRadians(9.0 * k);
        const qreal wobble = k % 2 ? 0.01 : -0.01;
        rim << QPointF(500, 400) + QPointF(std::cos(a), std::sin(a)) * (80 + wobble);
        edge << QPointF(100 + 5 * k, 200 + 2.5 * k + wobble);
    }
    for (int k : {3, 17, 30}) {
        rim[k] *= 0.9;
        edge[k] += QPointF(-6, 12);
    }
    QVector<bool> used;
    const CircleFit::Result circle = CircleFit::robustFit(rim, &used);
    QCOMPARE(used.count(false), 3);
    QVERIFY(!used.at(3) && !used.at(17) && !used.at(30));
    QVERIFY(std::abs(circle.radius - 80) < 0.005 && QLineF(circle.centre, QPointF(500, 400)).length() < 0.005);
    QVERIFY(CircleFit::fit(rim).rms > 1);

    const LineFit::Result line = LineFit::robustFit(edge, &used);
    QCOMPARE(used.count(false), 3);
    QVERIFY(!used.at(3) && !used.at(17) && !used.at(30));
    // Direction from the first point towards the last; straightness that of the kept points.
    QVERIFY(std::abs(line.direction.x() - 2 / std::sqrt(5.0)) < 1e-4 && line.direction.y() > 0);
    QVERIFY(line.largestDeviation < 0.02 && line.largestDeviation > 0.005);
    QVERIFY(std::abs(line.distance(QPointF(100, 200))) < 0.01);
    QVERIFY(QLineF(line.segment.p2(), QPointF(295, 297.5)).length() < 0.05);
    QVERIFY(LineFit::fit(edge).largestDeviation > 5);
    QVERIFY(!LineFit::fit({QPointF(1, 1), QPointF(1, 1)}).valid);
}

void TestPointDetection::circleFromClicksInside_data()
{
    QTest::addColumn<QPointF>("click");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<qreal>("radius");
    QTest::newRow("disc, centre") << disc.centre << disc.centre << disc.radius;
    QTest::newRow("disc, near its rim") << disc.centre + QPointF(-95, 80) << disc.centre << disc.radius;
    QTest::newRow("ring's hole, off centre") << ringInner.centre + QPointF(35, -20) << ringInner.centre << ringInner.radius;
}

void TestPointDetection::circleFromClicksInside()
{
    QFETCH(QPointF, click);
    QFETCH(QPointF, centre);
    QFETCH(qreal, radius);
    const EdgeSearch::Result found = EdgeSearch::circleAround(picture, click, tone);
    QCOMPARE(found.failure, EdgeSearch::Found);
    QVERIFY(found.points.size() >= EdgeSearch::rayCount - 2);
    const CircleFit::Result circle = CircleFit::robustFit(found.points);
    QVERIFY2(std::abs(circle.radius - radius) < 0.05, qPrintable(QString::number(circle.radius - radius)));
    QVERIFY2(QLineF(circle.centre, centre).length() < 0.05, qPrintable(QString::number(QLineF(circle.centre, centre).length())));
}

void TestPointDetection::edgeLineAlongSides_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("onEdge");
    QTest::addColumn<qreal>("degrees");
    const QRectF &r = rectangle;
    // Clicks a few pixels off the side, either side of it, and clear of its corners.
    QTest::newRow("left side") << r.topLeft() + QPointF(-4, 30) << r.bottomLeft() + QPointF(3, -30)
                               << r.topLeft() << 90.0;
    QTest::newRow("top side") << r.topRight() + QPointF(-25, 5) << r.topLeft() + QPointF(40, -6)
                              << r.topLeft() << 0.0;
    const qreal slope = qRadiansToDegrees(std::atan2(300.0, 400.0));
    QTest::newRow("wedge's slope") << wedgeBase + (wedgeTop - wedgeBase) * 0.1 + QPointF(-3, -3)
                                   << wedgeBase + (wedgeTop - wedgeBase) * 0.9 + QPointF(4, 2) << wedgeBase << slope;
}

void TestPointDetection::edgeLineAlongSides()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPointF, onEdge);
    QFETCH(qreal, degrees);
    const EdgeSearch::Result found = EdgeSearch::lineBetween(picture, from, to, tone);
    QCOMPARE(found.failure, EdgeSearch::Found);
    // One point a pixel, but for neighbouring searches that meet the edge in one pixel.
    QVERIFY(found.points.size() >= int(QLineF(from, to).length()) / 2);
    const LineFit::Result line = LineFit::robustFit(found.points);
    QVERIFY2(std::abs(line.distance(onEdge)) < 0.05, qPrintable(QString::number(line.distance(onEdge))));
    const qreal angle = qRadiansToDegrees(std::atan2(-line.direction.y(), line.direction.x()));
    QVERIFY2(std::abs(std::remainder(angle - degrees, 180.0)) < 0.01, qPrintable(QString::number(angle)));
}

void TestPointDetection::nothingToFind()
{
    // Where the target has nothing round or straight about the clicks, the tools say so (below);
    // a flat picture has no edge at all.
    QImage flat(400, 400, QImage::Format_RGB32);
    flat.fill(qRgb(190, 190, 190));
    QCOMPARE(EdgeSearch::circleAround(flat, QPointF(200, 200), tone).failure, EdgeSearch::TooFewEdges);
    // A disc hidden but for a sliver beyond the picture's corner: too few rays meet its rim
    // inside the picture.
    const QImage corner = picture.copy(QRect(disc.centre.toPoint() + QPoint(125, 125), QSize(400, 400)));
    QCOMPARE(EdgeSearch::circleAround(corner, QPointF(3, 3), tone).failure, EdgeSearch::TooFewEdges);
    QCOMPARE(EdgeSearch::circleAround(QImage(), disc.centre, tone).failure, EdgeSearch::TooFewEdges);
    // Two clicks on one spot give no line to search along.
    const QPointF gap(disc.centre.x() + disc.radius + 25, 900);
    QCOMPARE(EdgeSearch::lineBetween(picture, gap, gap, tone).failure, EdgeSearch::TooFewEdges);
}

void TestPointDetection::toolsOnTheLivePicture()
{
    // One click inside the disc: a circle on its rim, with ticks at the points used.
    const auto *circle = dynamic_cast<MeasureCircleFind *>(draw(ToolId::CircleFind, {disc.centre + QPointF(40, -25)}));
    QVERIFY(circle);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QVERIFY2(std::abs(circle->circle.radius - disc.radius) < 0.05, qPrintable(circle->label));
    QVERIFY(circle->usedPoints().size() >= EdgeSearch::rayCount - 4);
    QVERIFY(warnings.isEmpty());
    // Beside it nothing round encloses the click: no item, and the reason said once.
    draw(ToolId::CircleFind, {disc.centre + QPointF(disc.radius + 40, 0)});
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QLatin1String("No round edge encloses")), qPrintable(warnings.first()));

    // Two clicks roughly along the rectangle's left side: a vertical edge, straight.
    const auto *edge = dynamic_cast<MeasureEdgeLine *>(
        draw(ToolId::EdgeLine, {rectangle.topLeft() + QPointF(-3, 30), rectangle.bottomLeft() + QPointF(2, -30)}));
    QVERIFY(edge);
    QCOMPARE(GlobalVar::shapeList.size(), 2);
    QVERIFY2(std::abs(std::abs(edge->angleToHorizontal()) - 90) < 0.01, qPrintable(edge->label));
    QVERIFY(edge->line.largestDeviation < 0.2);
    QVERIFY(std::abs(edge->line.distance(rectangle.topLeft())) < 0.1);
    // The fitted edge is the base line of the tools that take one: a press on it gives both of
    // the line's clicks, and a press beside it is a click of its own.
    const QPointF onEdge = edge->mapToScene(edge->line.segment.center()) + QPointF(1, 0);
    const QPointF beside = rectangle.topLeft() + QPointF(120, 80);
    const qreal distance = std::abs(edge->line.distance(beside));
    for (const auto &[tool, clicks] : {std::make_pair(ToolId::Point2Line, QVector<QPointF>{beside, onEdge}),
                                       std::make_pair(ToolId::Paraline, QVector<QPointF>{onEdge, beside})}) {
        const Shape *item = draw(tool, clicks);
        QVERIFY2(item->isComplete() && GlobalVar::shapeList.last() == item, qPrintable(item->label));
        QVERIFY2(std::abs(item->values().value(0).number - distance) < 1e-6, qPrintable(item->label));
    }
    frame->armTool(ToolId::Paraline);
    TestUtils::click(viewport(), onEdge - QPointF(16, 0));
    QCOMPARE(frame->pointIndex(), 1);
    frame->disarmTool();

    // Between the disc and the ring there is no edge to follow.
    const QPointF gap(disc.centre.x() + disc.radius + 25, 900);
    draw(ToolId::EdgeLine, {gap, gap + QPointF(0, 100)});
    QCOMPARE(GlobalVar::shapeList.size(), 4);
    QCOMPARE(warnings.size(), 2);
    QVERIFY2(warnings.last().startsWith(QLatin1String("No straight edge")), qPrintable(warnings.last()));
}

QTEST_MAIN(TestPointDetection)
#include "tst_pointdetection.moc"
