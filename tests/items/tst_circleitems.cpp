#include <QTest>

#include "FrameDriver.h"
#include "MeasureCircle.h"
#include "MeasureCircle2Circle.h"
#include "MeasureConcentric.h"
#include "MeasureLine2Circle.h"
#include "MeasurePoint2Circle.h"
#include "MeasureRadian.h"

typedef QVector<QPointF> Points;
Q_DECLARE_METATYPE(Points)

// The circle, point-to-circle, line-to-circle, two-circle and concentric items, drawn and
// reshaped with real mouse events on the main window's view.
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

private:
    template<class T>
    T *drawn(ToolId tool, const Points &clicks) { return qgraphicsitem_cast<T *>(draw(tool, clicks)); }
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

QTEST_MAIN(TestCircleItems)
#include "tst_circleitems.moc"
