#include <QTest>

#include "CircleGeometry.h"

// Where the shared constructions of the circle, arc, angle and two-circle items have no answer.
// (Circles that exist, crossings and foot points are checked through the items.)
class TestCircleGeometry : public QObject
{
    Q_OBJECT

private slots:
    void noCircle_data();
    void noCircle();
    void lineCrossing_data();
    void lineCrossing();
};

void TestCircleGeometry::noCircle_data()
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

void TestCircleGeometry::noCircle()
{
    QFETCH(QPointF, q1);
    QFETCH(QPointF, q2);
    QFETCH(QPointF, q3);
    QVERIFY(!CircleGeometry::throughThreePoints(q1, q2, q3).valid);
    QVERIFY(!CircleGeometry::throughThreePoints(q3, q2, q1).valid);
}

void TestCircleGeometry::lineCrossing_data()
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

void TestCircleGeometry::lineCrossing()
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

QTEST_MAIN(TestCircleGeometry)
#include "tst_circlegeometry.moc"
