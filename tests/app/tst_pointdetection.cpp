#include <QGraphicsScene>
#include <QPainter>
#include <QTest>

#include "Control.h"
#include "DriveFb1.h"
#include "FrameDriver.h"
#include "MeasureLine.h"
#include "PointDetector.h"
#include "SimulatedCamera.h"
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
} // namespace

// Point detection on blocks with known edges and on the simulator's picture, its use by the
// main window's presses, the rows-only photo, and the screen capture to a file.
class TestPointDetection : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup();
    void knownEdges();
    void bordersAndUniformBlocks();
    void rowsOnlyGiveTheWholeFrameResult();
    void pressesSnapWhileDrawing();
    void captureDrawsItemsOverPicture();
    void viewShowsTheSimulatorPicture();

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

QTEST_MAIN(TestPointDetection)
#include "tst_pointdetection.moc"
