#include <QTest>
#include <QtMath>

#include <cmath>
#include <limits>

#include "CircleFit.h"
#include "CircleGeometry.h"
#include "FrameDriver.h"
#include "MeasureCircle.h"
#include "MeasureCircle2Circle.h"
#include "MeasureCircleFit.h"
#include "MeasureConcentric.h"
#include "MeasureLine2Circle.h"
#include "MeasurePoint2Circle.h"
#include "MeasureRadian.h"

typedef QVector<QPointF> Points;
Q_DECLARE_METATYPE(Points)

namespace {
QVector<QPointF> rim(const QPointF &centre, qreal radius, int count, qreal fromDegrees = 0,
                     qreal spanDegrees = 360)
{
    QVector<QPointF> points;
    for (int k = 0; k < count; ++k) {
        const qreal a = qDegreesToRadians(fromDegrees + spanDegrees * k / count);
        points << centre + radius * QPointF(std::cos(a), std::sin(a));
    }
    return points;
}

// Whether no move of the fitted centre or radius lowers the sum of squared residuals.
bool isLeastSquares(const QVector<QPointF> &points, const CircleFit::Result &fit)
{
    double along[3] = {};
    for (const QPointF &p : points) {
        const QPointF v = p - fit.centre;
        const double d = std::hypot(v.x(), v.y());
        along[0] += (d - fit.radius) * v.x() / d;
        along[1] += (d - fit.radius) * v.y() / d;
        along[2] += d - fit.radius;
    }
    return std::abs(along[0]) < 1e-6 && std::abs(along[1]) < 1e-6 && std::abs(along[2]) < 1e-6;
}

// The label a fitted circle of radius r and residual rms shows in pixels with 3 decimals.
QString labelOf(qreal r, qreal rms)
{
    const auto f = [](double v) { return QString::number(v, 'f', 3); };
    return QStringLiteral("F1=R1=%1pixels\nD1=%2pixels\nC1=%3pixels\nA1=%4pixels²\nRMS1=%5pixels")
        .arg(f(r), f(2 * r), f(2 * r * M_PI), f(r * r * M_PI), f(rms));
}
} // namespace

// The circle, point-to-circle, line-to-circle, two-circle and concentric items, drawn and
// reshaped with real mouse events on the main window's view; the least-squares circle and the
// item that measures a circle fitted to clicked rim points; and where the shared constructions
// of the circle, arc, angle and two-circle items have no answer. (Circles that exist, crossings
// and foot points are checked through the items.)
class TestCircleItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void circleValuesAndBody();
    void pointToCircle_data();
    void pointToCircle();
    void lineToCircle_data();
    void lineToCircle();
    void lineToCircleStages();
    void undefinedCircleKeepsPreviousState_data();
    void undefinedCircleKeepsPreviousState();
    void circleToCircle();
    void concentric_data();
    void concentric();

    void exactPoints_data();
    void exactPoints();
    void scatteredPoints();
    void noCircle_data();
    void noCircle();
    void finishedByRightClickOrTwentiethClick();
    void collinearPointsShowNoValues();
    void handlesAndUnits();
    void noCircleThroughThreePoints_data();
    void noCircleThroughThreePoints();
    void lineCrossing_data();
    void lineCrossing();

private:
    template<class T>
    T *drawn(ToolId tool, const Points &clicks) { return qgraphicsitem_cast<T *>(draw(tool, clicks)); }
    MeasureCircleFit *lastItem() const
    {
        return qgraphicsitem_cast<MeasureCircleFit *>(GlobalVar::shapeList.value(GlobalVar::shapeList.size() - 1));
    }
};

void TestCircleItems::circleValuesAndBody()
{
    auto *circle = drawn<MeasureCircle>(ToolId::Circle, {QPointF(600, 400), QPointF(500, 300), QPointF(400, 400)});
    QVERIFY(circle);
    QCOMPARE(circle->circleRect, QRectF(400, 300, 200, 200));
    QCOMPARE(circle->label, QStringLiteral("C1=R1=100.000pixels\nD1=200.000pixels\nC1=628.319pixels\nA1=31415.927pixels\u00B2"));
    QCOMPARE(GlobalVar::shapeList.size(), 1);

    // The circle itself is the body: a click inside selects it. Inside a corner of the bounding
    // square, outside the circle, the move cursor shows.
    frame->disarmTool();
    click(viewport(), QPointF(500, 420));
    QVERIFY(circle->isSelected());
    move(viewport(), QPointF(410, 310));
    QCOMPARE(int(circle->cursor().shape()), int(Qt::SizeAllCursor));
    move(viewport(), QPointF(500, 300));
    QCOMPARE(int(circle->cursor().shape()), int(Qt::CrossCursor));

    // Circles and arcs share their numbering.
    auto *arc = drawn<MeasureRadian>(ToolId::Radian, {QPointF(600, 700), QPointF(500, 600), QPointF(400, 700)});
    QVERIFY(arc);
    QCOMPARE(arc->serial, quint16(2));
}

void TestCircleItems::pointToCircle_data()
{
    QTest::addColumn<QPointF>("measured");
    QTest::addColumn<double>("distance");
    // The circle runs through (600, 400), (500, 300) and (400, 400): centre (500, 400).
    QTest::newRow("point at the centre") << QPointF(500, 400) << 0.0;
    QTest::newRow("point outside the circle") << QPointF(800, 800) << 500.0;
    QTest::newRow("point inside the circle") << QPointF(530, 360) << 50.0;
}

void TestCircleItems::pointToCircle()
{
    QFETCH(QPointF, measured);
    QFETCH(double, distance);
    auto *item = drawn<MeasurePoint2Circle>(
        ToolId::Point2Circle, {measured, QPointF(600, 400), QPointF(500, 300), QPointF(400, 400)});
    QVERIFY(item);
    QCOMPARE(item->label, QStringLiteral("L1=L1=%1pixels").arg(distance, 0, 'f', 3));
    QCOMPARE(item->distanceLine, QLineF(QPointF(500, 400), measured));
}

void TestCircleItems::lineToCircle_data()
{
    QTest::addColumn<QPointF>("lineStart");
    QTest::addColumn<QPointF>("lineEnd");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<QLineF>("drawnLine");
    QTest::addColumn<QLineF>("perpendicular");

    QTest::newRow("foot outside the segment")
        << QPointF(100, 500) << QPointF(300, 500) << QPointF(500, 300)
        << QLineF(100, 500, 500, 500) << QLineF(500, 500, 500, 300);
    QTest::newRow("foot inside the segment")
        << QPointF(300, 500) << QPointF(700, 500) << QPointF(500, 300)
        << QLineF(700, 500, 300, 500) << QLineF(500, 500, 500, 300);
    // A vertical line is judged along its length, not by x alone.
    QTest::newRow("vertical line, foot between the clicked points")
        << QPointF(700, 100) << QPointF(700, 500) << QPointF(500, 300)
        << QLineF(700, 500, 700, 100) << QLineF(700, 300, 500, 300);
    QTest::newRow("vertical line, foot beyond the clicked points")
        << QPointF(700, 600) << QPointF(700, 900) << QPointF(500, 300)
        << QLineF(700, 900, 700, 300) << QLineF(700, 300, 500, 300);
    QTest::newRow("foot on the picture's left edge")
        << QPointF(0, 100) << QPointF(0, 500) << QPointF(200, 300)
        << QLineF(0, 500, 0, 100) << QLineF(0, 300, 200, 300);
}

void TestCircleItems::lineToCircle()
{
    QFETCH(QPointF, lineStart);
    QFETCH(QPointF, lineEnd);
    QFETCH(QPointF, centre);
    QFETCH(QLineF, drawnLine);
    QFETCH(QLineF, perpendicular);

    const Points rim = {centre + QPointF(100, 0), centre + QPointF(0, -100), centre + QPointF(-100, 0)};
    auto *item = drawn<MeasureLine2Circle>(ToolId::Line2Circle, Points{lineStart, lineEnd} + rim);
    QVERIFY(item);
    QCOMPARE(item->measuredLine, drawnLine);
    QCOMPARE(item->perpendicular, perpendicular);
    QCOMPARE(item->label, QStringLiteral("L1=L1=%1pixels").arg(perpendicular.length(), 0, 'f', 3));
    // The line's handles stay at the clicked points.
    QVERIFY(item->shape().contains(lineStart));
    QVERIFY(item->shape().contains(lineEnd));
}

void TestCircleItems::lineToCircleStages()
{
    frame->armTool(ToolId::Line2Circle);
    click(viewport(), QPointF(100, 500));
    auto *item = qgraphicsitem_cast<MeasureLine2Circle *>(frame->currentShape());
    QVERIFY(item);
    // First the line alone follows the mouse, lower end first; nothing is measured yet.
    move(viewport(), QPointF(300, 450));
    QCOMPARE(item->measuredLine, QLineF(100, 500, 300, 450));
    QVERIFY(item->label.isEmpty());
    click(viewport(), QPointF(300, 500));
    click(viewport(), QPointF(600, 300));
    move(viewport(), QPointF(550, 250));
    click(viewport(), QPointF(500, 200));
    // Still nothing until the circle's third point.
    QVERIFY(item->label.isEmpty());
}

void TestCircleItems::undefinedCircleKeepsPreviousState_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Points>("clicks");
    QTest::addColumn<QPointF>("onCircle");
    QTest::addColumn<QPointF>("collinear");

    // The last click and the collinear point lie on a line with the first rim point; a point
    // 300 pixels right of the one on the circle lies on a line with the first and third.
    const QPointF onCircle(400, 400);
    const QPointF collinear(700, 500);
    QTest::newRow("circle") << 15 << Points{QPointF(600, 400), QPointF(500, 300)} << onCircle << collinear;
    QTest::newRow("point to circle")
        << 16 << Points{QPointF(450, 700), QPointF(600, 400), QPointF(500, 300)} << onCircle << collinear;
    QTest::newRow("line to circle")
        << 17 << Points{QPointF(100, 800), QPointF(300, 800), QPointF(600, 400), QPointF(500, 300)}
        << onCircle << collinear;
    QTest::newRow("arc") << 14 << Points{QPointF(600, 400), QPointF(500, 300)} << onCircle << collinear;
    QTest::newRow("second of two circles")
        << 18 << Points{QPointF(600, 400), QPointF(500, 300), QPointF(400, 400), QPointF(900, 400), QPointF(800, 300)}
        << QPointF(700, 400) << QPointF(1000, 500);
}

void TestCircleItems::undefinedCircleKeepsPreviousState()
{
    QFETCH(int, code);
    QFETCH(Points, clicks);
    QFETCH(QPointF, onCircle);
    QFETCH(QPointF, collinear);

    frame->armTool(code);
    for (const QPointF &p : clicks)
        click(viewport(), p);
    Shape *item = frame->currentShape();
    QVERIFY(item);
    move(viewport(), onCircle);
    const QString label = item->label;
    const QRectF area = item->boundingRect();
    QVERIFY(!label.isEmpty());
    const auto unchanged = [&] { return item->label == label && item->boundingRect() == area; };

    // Passing through a collinear position, and finishing there, shows no circle.
    move(viewport(), collinear);
    QVERIFY(unchanged());
    click(viewport(), collinear);
    QCOMPARE(frame->pointIndex(), quint8(0));
    QVERIFY(unchanged());

    // Dragging the middle rim point onto the line through the other two keeps the item as it
    // was, too.
    frame->disarmTool();
    const QPointF middleRim = clicks.last();
    click(viewport(), middleRim);
    QVERIFY(item->isSelected());
    TestUtils::press(viewport(), middleRim);
    move(viewport(), onCircle + QPointF(300, 0), Qt::LeftButton);
    TestUtils::release(viewport(), onCircle + QPointF(300, 0));
    QVERIFY(unchanged());
    QVERIFY(item->shape().contains(middleRim));
    QVERIFY(!item->shape().contains(onCircle + QPointF(300, 0)));
}

void TestCircleItems::circleToCircle()
{
    // First circle: radius 100 around (500, 400); second: radius 50 around (800, 800).
    auto *item = drawn<MeasureCircle2Circle>(
        ToolId::Circle2Circle, {QPointF(600, 400), QPointF(500, 300)});
    QVERIFY(item);
    move(viewport(), QPointF(400, 400));
    QCOMPARE(item->firstCircleRect, QRectF(400, 300, 200, 200));
    click(viewport(), QPointF(400, 400));
    click(viewport(), QPointF(850, 800));
    click(viewport(), QPointF(800, 750));
    // Until the second circle follows the mouse there is no distance to show.
    QVERIFY(item->label.isEmpty());
    move(viewport(), QPointF(750, 800));
    click(viewport(), QPointF(750, 800));
    QCOMPARE(item->secondCircleRect, QRectF(750, 750, 100, 100));
    QCOMPARE(item->centreLine, QLineF(800, 800, 500, 400));
    QCOMPARE(item->label, QStringLiteral("L1=L1=500.000pixels"));
}

void TestCircleItems::concentric_data()
{
    QTest::addColumn<QPointF>("radiusPoint");
    QTest::addColumn<QString>("values");
    QTest::addColumn<int>("digits");
    // The first circle: radius 50 around (500, 500).
    QTest::newRow("fourth point inside, pixels")
        << QPointF(500, 530) << "R1=50.000pixels\nR1'=30.000pixels\nL1=-20.000pixels" << 3;
    // 49.98 (47, 17 from the centre) to one decimal: a difference that rounds to nothing has no sign.
    QTest::newRow("fourth point just inside, one decimal")
        << QPointF(547, 517) << "R1=50.0pixels\nR1'=50.0pixels\nL1=0.0pixels" << 1;
}

void TestCircleItems::concentric()
{
    QFETCH(QPointF, radiusPoint);
    QFETCH(QString, values);
    QFETCH(int, digits);
    GlobalVar::textDigiLength = qint8(digits);

    auto *item = drawn<MeasureConcentric>(ToolId::Concentric, {QPointF(550, 500), QPointF(500, 450)});
    QVERIFY(item);
    move(viewport(), QPointF(450, 500));
    // The first circle follows the mouse, with nothing to show yet.
    QCOMPARE(item->firstCircleRect, QRectF(450, 450, 100, 100));
    QVERIFY(item->label.isEmpty());
    click(viewport(), QPointF(450, 500));
    move(viewport(), radiusPoint);
    click(viewport(), radiusPoint);
    QCOMPARE(item->label, QStringLiteral("L1=") + values);
    QCOMPARE(item->secondCircleRect.center(), QPointF(500, 500));
}

void TestCircleItems::exactPoints_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<qreal>("radius");
    QTest::newRow("three points") << QVector<QPointF>{{600, 400}, {500, 300}, {400, 400}}
                                  << QPointF(500, 400) << qreal(100);
    QTest::newRow("twelve around") << rim(QPointF(340, 560), 150, 12, 7) << QPointF(340, 560) << qreal(150);
    // Points on a quarter of the rim only, far from the origin: conditioning matters.
    QTest::newRow("short arc") << rim(QPointF(1500, 900), 40, 6, 10, 80) << QPointF(1500, 900) << qreal(40);
    QTest::newRow("large circle") << rim(QPointF(960, 540), 5000, 8, 80, 20) << QPointF(960, 540) << qreal(5000);
}

void TestCircleItems::exactPoints()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(QPointF, centre);
    QFETCH(qreal, radius);
    const CircleFit::Result fit = CircleFit::fit(points);
    QVERIFY(fit.valid);
    QVERIFY2(QLineF(fit.centre, centre).length() < 1e-6 * radius, qPrintable(QString::number(fit.centre.x())));
    QVERIFY(std::abs(fit.radius - radius) < 1e-6 * radius);
    QVERIFY(fit.rms < 1e-6 * radius);
}

void TestCircleItems::scatteredPoints()
{
    // Points alternately 0.5 outside and inside a circle of 100: the geometric fit finds the
    // circle and reports the scatter as its residual; one misplaced click moves the result far
    // less than it moves a circle through three points.
    QVector<QPointF> points;
    const QPointF centre(700, 500);
    for (int k = 0; k < 12; ++k) {
        const qreal a = qDegreesToRadians(30.0 * k);
        points << centre + (100 + (k % 2 ? 0.5 : -0.5)) * QPointF(std::cos(a), std::sin(a));
    }
    CircleFit::Result fit = CircleFit::fit(points);
    QVERIFY(fit.valid);
    QVERIFY(std::abs(fit.radius - 100) < 1e-3);
    QVERIFY(QLineF(fit.centre, centre).length() < 1e-3);
    QVERIFY(std::abs(fit.rms - 0.5) < 1e-3);

    points[3] += QPointF(0, 6);   // one click 6 pixels off the rim
    fit = CircleFit::fit(points);
    QVERIFY(fit.valid);
    QVERIFY(std::abs(fit.radius - 100) < 1.0);
    QVERIFY(fit.rms > 1.0);
    QVERIFY(isLeastSquares(points, fit));

    // Clicks up to 3 pixels off the rim of a small circle: the refinement goes on until it is
    // the least-squares circle, also where a step changes the radius more than the centre.
    points = {{550.560, 471.440}, {553.877, 494.884}, {551.667, 517.400}, {542.022, 538.707},
              {522.490, 552.181}, {499.270, 558.035}, {476.422, 551.130}, {459.011, 535.893},
              {444.921, 517.019}, {446.029, 493.502}, {451.568, 471.012}, {466.851, 452.768}};
    fit = CircleFit::fit(points);
    QVERIFY(fit.valid && isLeastSquares(points, fit));
}

void TestCircleItems::noCircle_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    QTest::newRow("none") << QVector<QPointF>();
    QTest::newRow("two points") << QVector<QPointF>{{0, 0}, {10, 0}};
    QTest::newRow("collinear") << QVector<QPointF>{{100, 100}, {200, 200}, {300, 300}, {400, 400}};
    QTest::newRow("all equal") << QVector<QPointF>(5, QPointF(50, 50));
    QTest::newRow("nearly collinear") << QVector<QPointF>{{0, 0}, {1000, 1e-9}, {2000, 0}};
    QTest::newRow("not a number") << QVector<QPointF>{{0, 0}, {10, 0}, {nan, 5}};
}

void TestCircleItems::noCircle()
{
    QFETCH(QVector<QPointF>, points);
    QVERIFY(!CircleFit::fit(points).valid);
}

void TestCircleItems::finishedByRightClickOrTwentiethClick()
{
    const QVector<QPointF> points = rim(QPointF(500, 450), 120, 6, 15);
    auto *item = qgraphicsitem_cast<MeasureCircleFit *>(draw(ToolId::CircleFit, points));
    QVERIFY(item);
    // While drawing, the mouse is a seventh rim point of the circle shown.
    move(viewport(), QPointF(500, 450 - 130));
    QVERIFY(item->circle.valid);
    QVERIFY(item->circle.radius > 120.5);
    // The right click finishes with the six clicked points, wherever it is made.
    click(viewport(), QPointF(900, 900), Qt::RightButton);
    QCOMPARE(lastItem(), item);
    QCOMPARE(item->rimPoints, points);
    QVERIFY(item->isComplete());
    QCOMPARE(item->label, labelOf(item->circle.radius, item->circle.rms));
    QVERIFY(std::abs(item->circle.radius - 120) < 1e-6);
    QCOMPARE(frame->serialCounter(ShapeRoute::CounterF), quint16(1));
    QCOMPARE(frame->serialCounter(ShapeRoute::CounterC), quint16(0));
    // A finished item takes no more points.
    item->setPoint(QPointF(1, 1), 7, item->serial);
    item->endDraw(QPointF(2, 2));
    QCOMPARE(item->rimPoints, points);

    // The twentieth click finishes by itself, with all twenty points.
    const QVector<QPointF> twenty = rim(QPointF(800, 500), 200, 20);
    draw(ToolId::CircleFit, twenty);
    QCOMPARE(lastItem()->rimPoints, twenty);
}

void TestCircleItems::collinearPointsShowNoValues()
{
    // The mouse off the line gives a circle while drawing; the points kept do not, so the item
    // is not kept, and the user is told.
    draw(ToolId::CircleFit, {QPointF(100, 100), QPointF(200, 200), QPointF(300, 300)});
    move(viewport(), QPointF(100, 300));
    const auto *item = qgraphicsitem_cast<MeasureCircleFit *>(frame->currentShape());
    QVERIFY(item && item->circle.valid);
    click(viewport(), QPointF(100, 300), Qt::RightButton);
    QVERIFY(GlobalVar::shapeList.isEmpty());
    QCOMPARE(warnings.size(), 1);
}

void TestCircleItems::handlesAndUnits()
{
    const QVector<QPointF> points{{700, 500}, {600, 400}, {500, 500}, {600, 600}};
    draw(ToolId::CircleFit, points);
    click(viewport(), QPointF(10, 10), Qt::RightButton);
    MeasureCircleFit *item = lastItem();
    QVERIFY(item);
    frame->disarmTool();
    item->setSelected(true);

    // Dragging the handle of the first point moves that point; the circle follows.
    const QPointF target = points[0] + QPointF(30, 30);
    TestUtils::drag(viewport(), points[0], target);
    QCOMPARE(item->rimPoints[0], target);
    QCOMPARE(item->rimPoints[1], points[1]);
    QVERIFY(item->circle.rms > 1.0);
    QCOMPARE(item->label, labelOf(item->circle.radius, item->circle.rms));

    // In a calibrated unit every length is converted, the residual too.
    GlobalVar::currentUnit = QStringLiteral("mm");
    GlobalVar::currentRealRuler = 0.5f;
    item->refreshLabel();
    const QStringList lines = item->labelValues().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("R1=%1mm").arg(float(item->circleRect.width() * 0.5) * 0.5f, 0, 'f', 3));
    QCOMPARE(lines[4], QStringLiteral("RMS1=%1mm").arg(float(item->circle.rms) * 0.5f, 0, 'f', 3));
    QVERIFY(lines[3].endsWith(QStringLiteral("mm²")));
}

void TestCircleItems::noCircleThroughThreePoints_data()
{
    QTest::addColumn<QPointF>("q1");
    QTest::addColumn<QPointF>("q2");
    QTest::addColumn<QPointF>("q3");

    QTest::newRow("collinear, middle point outside") << QPointF(100, 500) << QPointF(900, 500) << QPointF(400, 500);
    QTest::newRow("first and third point equal") << QPointF(100, 100) << QPointF(200, 150) << QPointF(100, 100);
    // Off a straight line by a thousandth of a pixel: the centre would lie 5e8 pixels away.
    QTest::newRow("nearly collinear, centre absurdly far")
        << QPointF(0, 0) << QPointF(1000, 0.001) << QPointF(2000, 0);
}

void TestCircleItems::noCircleThroughThreePoints()
{
    QFETCH(QPointF, q1);
    QFETCH(QPointF, q2);
    QFETCH(QPointF, q3);
    QVERIFY(!CircleGeometry::throughThreePoints(q1, q2, q3).valid);
    QVERIFY(!CircleGeometry::throughThreePoints(q3, q2, q1).valid);
}

void TestCircleItems::lineCrossing_data()
{
    QTest::addColumn<QLineF>("a");
    QTest::addColumn<QLineF>("b");
    QTest::addColumn<bool>("crosses");
    QTest::addColumn<QPointF>("crossing");

    QTest::newRow("perpendicular, inside both")
        << QLineF(100, 100, 300, 300) << QLineF(100, 300, 300, 100) << true << QPointF(200, 200);
    QTest::newRow("same line") << QLineF(0, 0, 100, 0) << QLineF(200, 0, 300, 0) << false << QPointF();
    QTest::newRow("line of no length") << QLineF(50, 50, 50, 50) << QLineF(0, 0, 100, 0) << false << QPointF();
    QTest::newRow("nearly parallel, crossing absurdly far")
        << QLineF(0, 0, 1000, 0) << QLineF(0, 1, 1000, 1.000001) << false << QPointF();
}

void TestCircleItems::lineCrossing()
{
    QFETCH(QLineF, a);
    QFETCH(QLineF, b);
    QFETCH(bool, crosses);
    QFETCH(QPointF, crossing);

    const QPointF untouched(-7, -7);
    QPointF x = untouched;
    QCOMPARE(CircleGeometry::intersect(a, b, &x), crosses);
    if (crosses)
        QVERIFY(QLineF(x, crossing).length() < 1e-9);
    else
        QCOMPARE(x, untouched);
}

QTEST_MAIN(TestCircleItems)
#include "tst_circleitems.moc"
