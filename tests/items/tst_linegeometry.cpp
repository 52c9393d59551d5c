#include <QTest>

#include "LineGeometry.h"

using namespace LineGeometry;

// The plane constructions behind the perpendicular-distance items where they differ from the
// obvious: lines that do not meet, upright segments, ties in a spread.
class TestLineGeometry : public QObject
{
    Q_OBJECT

private slots:
    void intersections_data();
    void intersections();
    void extension_data();
    void extension();
    void spreads_data();
    void spreads();
};

void TestLineGeometry::intersections_data()
{
    QTest::addColumn<QLineF>("a");
    QTest::addColumn<QLineF>("b");
    QTest::addColumn<bool>("meet");
    QTest::addColumn<QPointF>("point");
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
