#include <QTest>
#include <QtMath>

#include <cmath>

#include "CircleFit.h"
#include "Control.h"
#include "EdgeSearch.h"
#include "FrameDriver.h"
#include "LineFit.h"
#include "MeasureCircleFind.h"
#include "MeasureEdgeLine.h"
#include "SimulatedCamera.h"
#include "SyntheticTarget.h"
#include "TargetGeometry.h"

using namespace TargetGeometry;

// The searches of the one-click circle and the edge line on the simulator's target, whose
// geometry is known, and on pictures that hold no feature to find; and both tools clicked on
// the main window's live picture.
class TestEdgeSearch : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
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

void TestEdgeSearch::initTestCase()
{
    simulator.setScene(SyntheticTarget::render(QTransform()));
    picture = simulator.livePicture();
    tone = Control::gammaExponent(simulator.ispRegister(0) >> 10);
}

void TestEdgeSearch::robustFitsDropWildPoints()
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

void TestEdgeSearch::circleFromClicksInside_data()
{
    QTest::addColumn<QPointF>("click");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<qreal>("radius");
    QTest::newRow("disc, centre") << disc.centre << disc.centre << disc.radius;
    QTest::newRow("disc, near its rim") << disc.centre + QPointF(-95, 80) << disc.centre << disc.radius;
    QTest::newRow("ring's hole, off centre") << ringInner.centre + QPointF(35, -20) << ringInner.centre << ringInner.radius;
}

void TestEdgeSearch::circleFromClicksInside()
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

void TestEdgeSearch::edgeLineAlongSides_data()
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

void TestEdgeSearch::edgeLineAlongSides()
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

void TestEdgeSearch::nothingToFind()
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

void TestEdgeSearch::toolsOnTheLivePicture()
{
    openFrame();
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
    closeFrame();
}

QTEST_MAIN(TestEdgeSearch)
#include "tst_edgesearch.moc"
