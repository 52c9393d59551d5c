#include <QTest>

#include "LineGeometry.h"

using namespace LineGeometry;

// The plane constructions behind the perpendicular-distance items, against values worked out by
// hand.
class TestLineGeometry : public QObject
{
    Q_OBJECT

private slots:
    void perpendicularDirection_data();
    void perpendicularDirection();
    void parallelCopies_data();
    void parallelCopies();
    void intersections_data();
    void intersections();
    void feet_data();
    void feet();
    void extension_data();
    void extension();
    void spreads_data();
    void spreads();
};

void TestLineGeometry::perpendicularDirection_data()
{
    QTest::addColumn<qreal>("angle");
    QTest::addColumn<qreal>("perpendicular");
    QTest::newRow("right turns up") << 0.0 << 90.0;
    QTest::newRow("left turns down") << 180.0 << 270.0;
    QTest::newRow("just below 270") << 269.5 << 359.5;
    QTest::newRow("270 wraps to 180") << 270.0 << 180.0;
    QTest::newRow("359 wraps to 269") << 359.0 << 269.0;
}

void TestLineGeometry::perpendicularDirection()
{
    QFETCH(qreal, angle);
    QFETCH(qreal, perpendicular);
    QCOMPARE(perpendicularAngle(angle), perpendicular);
    // The ray follows the angle counter-clockwise on screen: y grows downwards.
    const QLineF r = ray(QPointF(10, 10), 90.0);
    QVERIFY(qAbs(r.p2().x() - 10) < 1e-9);
    QCOMPARE(r.p2().y(), 9.0);
}

void TestLineGeometry::parallelCopies_data()
{
    QTest::addColumn<QLineF>("segment");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<QLineF>("copy");
    QTest::newRow("slanted") << QLineF(100, 100, 300, 200) << QPointF(500, 500)
                             << QLineF(400, 450, 600, 550);
    QTest::newRow("direction kept") << QLineF(300, 200, 100, 100) << QPointF(0, 0)
                                    << QLineF(100, 50, -100, -50);
    QTest::newRow("null segment") << QLineF(7, 7, 7, 7) << QPointF(20, 30) << QLineF(20, 30, 20, 30);
}

void TestLineGeometry::parallelCopies()
{
    QFETCH(QLineF, segment);
    QFETCH(QPointF, centre);
    QFETCH(QLineF, copy);
    QCOMPARE(parallelCopy(segment, centre), copy);
}

void TestLineGeometry::intersections_data()
{
    QTest::addColumn<QLineF>("a");
    QTest::addColumn<QLineF>("b");
    QTest::addColumn<bool>("meet");
    QTest::addColumn<QPointF>("point");
    QTest::newRow("crossing diagonals") << QLineF(0, 0, 10, 10) << QLineF(0, 10, 10, 0) << true
                                        << QPointF(5, 5);
    QTest::newRow("beyond both segments") << QLineF(0, 0, 1, 0) << QLineF(5, 3, 5, 4) << true
                                          << QPointF(5, 0);
    QTest::newRow("parallel") << QLineF(0, 0, 10, 5) << QLineF(0, 3, 20, 13) << false << QPointF();
    QTest::newRow("same line") << QLineF(0, 0, 10, 0) << QLineF(20, 0, 30, 0) << false << QPointF();
    QTest::newRow("null line") << QLineF(4, 4, 4, 4) << QLineF(0, 0, 10, 10) << false << QPointF();
}

void TestLineGeometry::intersections()
{
    QFETCH(QLineF, a);
    QFETCH(QLineF, b);
    QFETCH(bool, meet);
    QFETCH(QPointF, point);
    QPointF result(-1, -1);
    QCOMPARE(intersect(a, b, &result), meet);
    QCOMPARE(result, meet ? point : QPointF(-1, -1));
}

void TestLineGeometry::feet_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QLineF>("target");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QPointF>("foot");
    QTest::newRow("onto a level line") << QPointF(3, 40) << QLineF(-10, 0, 10, 0) << true << QPointF(3, 0);
    QTest::newRow("onto a diagonal") << QPointF(0, 10) << QLineF(0, 0, 10, 10) << true << QPointF(5, 5);
    QTest::newRow("beyond the segment") << QPointF(100, 50) << QLineF(0, 0, 10, 0) << true
                                        << QPointF(100, 0);
    QTest::newRow("at x = 0") << QPointF(100, 300) << QLineF(0, 500, 0, 100) << true << QPointF(0, 300);
    QTest::newRow("null target") << QPointF(3, 4) << QLineF(1, 1, 1, 1) << false << QPointF();
}

void TestLineGeometry::feet()
{
    QFETCH(QPointF, from);
    QFETCH(QLineF, target);
    QFETCH(bool, found);
    QFETCH(QPointF, foot);
    QPointF result;
    QCOMPARE(perpendicularFoot(from, target.angle(), target, &result), found);
    if (found) {
        QVERIFY2(QLineF(result, foot).length() < 1e-9, qPrintable(QStringLiteral("%1,%2")
                                                                    .arg(result.x()).arg(result.y())));
    }
}

void TestLineGeometry::extension_data()
{
    QTest::addColumn<QLineF>("segment");
    QTest::addColumn<QPointF>("foot");
    QTest::addColumn<QLineF>("result");
    const QLineF level(300, 200, 100, 200);
    QTest::newRow("foot between the ends") << level << QPointF(250, 200) << level;
    // On equal heights the ends are swapped: the foot comes last.
    QTest::newRow("beyond the second end") << level << QPointF(50, 200) << QLineF(300, 200, 50, 200);
    QTest::newRow("beyond the first end, greater y first")
        << QLineF(100, 400, 200, 300) << QPointF(50, 450) << QLineF(50, 450, 200, 300);
    QTest::newRow("on an end") << level << QPointF(100, 200) << QLineF(300, 200, 100, 200);
    QTest::newRow("upright, foot between the ends")
        << QLineF(0, 500, 0, 100) << QPointF(0, 300) << QLineF(0, 500, 0, 100);
    QTest::newRow("upright, foot below") << QLineF(0, 500, 0, 100) << QPointF(0, 700)
                                         << QLineF(0, 700, 0, 100);
    QTest::newRow("null segment") << QLineF(5, 5, 5, 5) << QPointF(5, 50) << QLineF(5, 50, 5, 5);
}

void TestLineGeometry::extension()
{
    QFETCH(QLineF, segment);
    QFETCH(QPointF, foot);
    QFETCH(QLineF, result);
    QCOMPARE(extendTo(segment, foot), result);
}

void TestLineGeometry::spreads_data()
{
    QTest::addColumn<QVector<qreal>>("values");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("minIndex");
    QTest::addColumn<int>("maxIndex");
    QTest::addColumn<qreal>("spread");
    QTest::newRow("none") << QVector<qreal>() << false << -1 << -1 << 0.0;
    QTest::newRow("one value") << QVector<qreal>{12.5} << true << 0 << 0 << 0.0;
    QTest::newRow("ties keep the first") << QVector<qreal>{3, 1, 7, 1, 7} << true << 1 << 2 << 6.0;
    QTest::newRow("whole numbers") << QVector<qreal>{150, 400, 250} << true << 0 << 1 << 250.0;
    QTest::newRow("negative values") << QVector<qreal>{-2.5, 4, -6} << true << 2 << 1 << 10.0;
}

void TestLineGeometry::spreads()
{
    QFETCH(QVector<qreal>, values);
    QFETCH(bool, valid);
    QFETCH(int, minIndex);
    QFETCH(int, maxIndex);
    QFETCH(qreal, spread);
    const Spread s = LineGeometry::spread(values);
    QCOMPARE(s.valid(), valid);
    QCOMPARE(s.minIndex, minIndex);
    QCOMPARE(s.maxIndex, maxIndex);
    QCOMPARE(s.value(), spread);
}

QTEST_MAIN(TestLineGeometry)
#include "tst_linegeometry.moc"
