#include <QTest>
#include <QtMath>

#include <cmath>
#include <limits>

#include "CircleFit.h"
#include "FrameDriver.h"
#include "MeasureCircleFit.h"

Q_DECLARE_METATYPE(QVector<QPointF>)

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

// The least-squares circle, and the item that measures a circle fitted to clicked rim points,
// drawn through the main window.
class TestCircleFit : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }

    void exactPoints_data();
    void exactPoints();
    void scatteredPoints();
    void noCircle_data();
    void noCircle();

    void finishedByRightClickOrTwentiethClick();
    void collinearPointsShowNoValues();
    void handlesAndUnits();

private:
    MeasureCircleFit *lastItem() const
    {
        return qgraphicsitem_cast<MeasureCircleFit *>(GlobalVar::shapeList.value(GlobalVar::shapeList.size() - 1));
    }
};

void TestCircleFit::exactPoints_data()
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

void TestCircleFit::exactPoints()
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

void TestCircleFit::scatteredPoints()
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

void TestCircleFit::noCircle_data()
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

void TestCircleFit::noCircle()
{
    QFETCH(QVector<QPointF>, points);
    QVERIFY(!CircleFit::fit(points).valid);
}

void TestCircleFit::finishedByRightClickOrTwentiethClick()
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

void TestCircleFit::collinearPointsShowNoValues()
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

void TestCircleFit::handlesAndUnits()
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

QTEST_MAIN(TestCircleFit)
#include "tst_circlefit.moc"
