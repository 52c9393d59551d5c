#include <QTest>

#include "LineGeometry.h"

using namespace LineGeometry;

// The spread of the multi-point items where it is not obvious: no values, ties, signs.
class TestLineGeometry : public QObject
{
    Q_OBJECT

private slots:
    void spreads_data();
    void spreads();
};

void TestLineGeometry::spreads_data()
{
    QTest::addColumn<QVector<qreal>>("values");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("minIndex");
    QTest::addColumn<int>("maxIndex");
    QTest::addColumn<qreal>("spread");
    QTest::newRow("none") << QVector<qreal>() << false << -1 << -1 << 0.0;
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
