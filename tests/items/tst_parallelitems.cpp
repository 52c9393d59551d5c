#include <QTest>
#include <QtMath>

#include "FrameDriver.h"
#include "MeasureParaline.h"
#include "MeasureParaline2Paraline.h"
#include "MeasurePoint2Line.h"

namespace {
// Distance of p from the infinite line through a and b, worked out with the cross product.
qreal distanceToLine(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const QPointF d = b - a;
    const QPointF v = p - a;
    return qAbs(d.x() * v.y() - d.y() * v.x()) / qSqrt(d.x() * d.x() + d.y() * d.y());
}

QString pixels(const QString &name, qreal value)
{
    return QStringLiteral("%1=%1=%2pixels").arg(name).arg(value, 0, 'f', 3);
}

bool sameEnds(const QLineF &line, const QPointF &a, const QPointF &b)
{
    auto near = [](const QPointF &p, const QPointF &q) { return QLineF(p, q).length() < 1e-6; };
    return (near(line.p1(), a) && near(line.p2(), b)) || (near(line.p1(), b) && near(line.p2(), a));
}
} // namespace

// Point-to-line, parallel-line and pair-of-parallels items, drawn and reshaped with real mouse
// events on the main window's view.
class TestParallelItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void pointToLine_data();
    void pointToLine();
    void parallelLine_data();
    void parallelLine();
    void pairsOfParallels_data();
    void pairsOfParallels();
};

void TestParallelItems::pointToLine_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QPointF>("lineStart");
    QTest::addColumn<QPointF>("lineEnd");
    QTest::addColumn<QPointF>("foot");
    QTest::addColumn<bool>("extended");
    QTest::newRow("point on the line") << QPointF(300, 300) << QPointF(100, 100) << QPointF(500, 500)
                                       << QPointF(300, 300) << false;
    QTest::newRow("foot between the ends") << QPointF(300, 100) << QPointF(100, 400)
                                           << QPointF(500, 400) << QPointF(300, 400) << false;
    QTest::newRow("foot beyond the end") << QPointF(700, 100) << QPointF(100, 400)
                                         << QPointF(500, 400) << QPointF(700, 400) << true;
    QTest::newRow("slanted line") << QPointF(200, 200) << QPointF(100, 500) << QPointF(500, 200)
                                  << QPointF(308, 344) << false;
    // A foot at x = 0 is a foot like any other.
    QTest::newRow("upright line at x = 0") << QPointF(100, 300) << QPointF(0, 500) << QPointF(0, 100)
                                           << QPointF(0, 300) << false;
    QTest::newRow("upright line, foot above") << QPointF(400, 50) << QPointF(250, 500)
                                              << QPointF(250, 100) << QPointF(250, 50) << true;
}

void TestParallelItems::pointToLine()
{
    QFETCH(QPointF, point);
    QFETCH(QPointF, lineStart);
    QFETCH(QPointF, lineEnd);
    QFETCH(QPointF, foot);
    QFETCH(bool, extended);
    // No rubber band between the point and the line's start.
    auto *item = qgraphicsitem_cast<MeasurePoint2Line *>(draw(ToolId::Point2Line, {point, lineStart}));
    QVERIFY(item);
    QVERIFY(item->label.isEmpty());
    move(viewport(), lineEnd);
    click(viewport(), lineEnd);
    QCOMPARE(GlobalVar::shapeList.value(0), item);

    QCOMPARE(item->label, pixels(QStringLiteral("L1"), distanceToLine(point, lineStart, lineEnd)));
    QVERIFY(sameEnds(item->perpendicular, point, foot));
    // The reference segment reaches the foot; a foot within it leaves it as clicked.
    const QPointF farEnd = QLineF(foot, lineStart).length() > QLineF(foot, lineEnd).length()
        ? lineStart : lineEnd;
    QVERIFY(extended ? sameEnds(item->baseLine, foot, farEnd)
                     : sameEnds(item->baseLine, lineStart, lineEnd));
}

void TestParallelItems::parallelLine_data()
{
    QTest::addColumn<qreal>("along");
    // Base (100, 500)-(500, 300); the parallel point lies 150 pixels off the base line and is
    // slid along it: the value does not change.
    QTest::newRow("level with the base's middle") << 0.0;
    QTest::newRow("slid towards the start") << -300.0;
    QTest::newRow("slid past the end") << 450.0;
}

void TestParallelItems::parallelLine()
{
    QFETCH(qreal, along);
    const QPointF b1(100, 500), b2(500, 300);
    const QPointF u = (b2 - b1) / QLineF(b1, b2).length();
    const QPointF normal(u.y(), -u.x());
    const QPointF through = (b1 + b2) / 2 + 150 * normal + along * u;
    auto *item = qgraphicsitem_cast<MeasureParaline *>(draw(ToolId::Paraline, {b1, b2, through}));
    QVERIFY(item);
    QCOMPARE(item->label, pixels(QStringLiteral("L1"), 150.0));
    // The parallel has the base's direction and passes through the clicked point.
    QVERIFY(distanceToLine(through, item->parallelLine.p1(), item->parallelLine.p2()) < 1e-6);
    QVERIFY(qAbs(distanceToLine(item->parallelLine.p1(), b1, b2) - 150) < 1e-6);
    QVERIFY(qAbs(distanceToLine(item->parallelLine.p2(), b1, b2) - 150) < 1e-6);
    // Measured from the middle of the base segment.
    QVERIFY(sameEnds(item->distanceLine, (b1 + b2) / 2, (b1 + b2) / 2 + 150 * normal));
}

void TestParallelItems::pairsOfParallels_data()
{
    // Offsets of the four lines from the base line (the first is the base itself), and where
    // along the lines points 3 to 5 are clicked.
    QTest::addColumn<qreal>("offset2");
    QTest::addColumn<qreal>("offset3");
    QTest::addColumn<qreal>("offset4");
    QTest::addColumn<qreal>("along");
    QTest::addColumn<qreal>("distance");
    QTest::newRow("both pairs identical") << 40.0 << 0.0 << 40.0 << 120.0 << 0.0;
    QTest::newRow("pairs apart") << 40.0 << 200.0 << 260.0 << 0.0 << 210.0;
    QTest::newRow("pairs apart, clicked elsewhere") << 40.0 << 200.0 << 260.0 << -250.0 << 210.0;
    QTest::newRow("pair two across the base") << 40.0 << -100.0 << -60.0 << 80.0 << 100.0;
}

void TestParallelItems::pairsOfParallels()
{
    QFETCH(qreal, offset2);
    QFETCH(qreal, offset3);
    QFETCH(qreal, offset4);
    QFETCH(qreal, along);
    QFETCH(qreal, distance);
    const QPointF b1(300, 600), b2(700, 500);
    const QPointF u = (b2 - b1) / QLineF(b1, b2).length();
    const QPointF normal(u.y(), -u.x());
    const QPointF m = (b1 + b2) / 2;
    const QPointF p3 = m + offset2 * normal + along * u;
    const QPointF p4 = m + offset3 * normal - along * u;
    const QPointF p5 = m + offset4 * normal + 2 * along * u;
    auto *item = qgraphicsitem_cast<MeasureParaline2Paraline *>(draw(ToolId::Paraline2Paraline, {b1, b2}));
    QVERIFY(item);
    // The first parallel is hit where it follows the mouse, before it is placed.
    move(viewport(), p3);
    QVERIFY(item->shape().contains(item->parallelLine1.pointAt(0.2)));
    click(viewport(), p3);
    move(viewport(), p4);
    click(viewport(), p4);
    // Nothing is measured until the last line is placed.
    QVERIFY(item->label.isEmpty());
    move(viewport(), p5);
    click(viewport(), p5);
    QCOMPARE(GlobalVar::shapeList.value(0), item);
    QCOMPARE(item->label, pixels(QStringLiteral("L1"), distance));
    // Every line is part of the body, away from its handle too.
    for (const QLineF &line : {item->parallelLine1, item->parallelLine2, item->parallelLine3})
        QVERIFY(item->shape().contains(line.pointAt(0.2)));
    // The distance runs between the centre lines of the two pairs.
    const qreal a = distanceToLine(item->distanceLine.p1(), b1, b2);
    const qreal b = distanceToLine(item->distanceLine.p2(), b1, b2);
    const qreal centre1 = offset2 / 2;
    const qreal centre2 = qAbs((offset3 + offset4) / 2);
    QVERIFY(qAbs(qMin(a, b) - qMin(centre1, centre2)) < 1e-6);
    QVERIFY(qAbs(qMax(a, b) - qMax(centre1, centre2)) < 1e-6);
}

QTEST_MAIN(TestParallelItems)
#include "tst_parallelitems.moc"
