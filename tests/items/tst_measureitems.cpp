#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTest>
#include <QtMath>

#include <cmath>
#include <memory>

#include "FrameDriver.h"
#include "LabelSweep.h"
#include "MeasureAngle.h"
#include "MeasureCustomParaline.h"
#include "MeasureDualParaline.h"
#include "MeasureLine.h"
#include "MeasureParaline.h"
#include "MeasureParaline2Paraline.h"
#include "MeasurePoint2Line.h"
#include "MeasurePolygon.h"
#include "MeasureRadian.h"
#include "MeasureRectangle.h"
#include "MultiPointDistance.h"

typedef QVector<QPointF> Points;

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

QString angleLabel(double mainAngle, double otherAngle)
{
    return QStringLiteral("A1=A1=%1\u00B0\nA1'=%2\u00B0").arg(mainAngle, 0, 'f', 3).arg(otherAngle, 0, 'f', 3);
}

bool nearLine(const QLineF &a, const QLineF &b, qreal distance)
{
    return QLineF(a.p1(), b.p1()).length() < distance && QLineF(a.p2(), b.p2()).length() < distance;
}

// Whether any pixel within two pixels of p has the item pen's colour.
bool hasPenColour(const QImage &image, const QPointF &p)
{
    const QRgb pen = GlobalVar::shapeGraphPen.color().rgb();
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if (image.pixel(qRound(p.x()) + dx, qRound(p.y()) + dy) == pen)
                return true;
        }
    }
    return false;
}

// What an item shows: its label, and a multi-point item's spread.
QString shown(const Shape *item)
{
    const auto *multi = dynamic_cast<const MultiPointDistance *>(item);
    return multi ? item->label + QLatin1Char('|') + multi->spreadText() : item->label;
}
} // namespace

// The tools of lines and points, drawn, reshaped and read through real mouse events on the main
// window's view: segments, horizontal and vertical lines, rectangles and polygons, point to line,
// parallels and pairs of them, several points from a base line, angles and arcs. Finished items
// of every tool edited after drawing: a handle dragged leaves the item as if it had been clicked
// there, and a change of unit reaches every value an item shows.
class TestMeasureItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void lengths_data();
    void lengths();
    void nullSegment();
    void rectangle_data();
    void rectangle();
    void polygonClosedByRightClickAndReshaped();
    void tenthClickFinishes();
    void rubberSegmentBeforeThePolygon();
    void pointToLine_data();
    void pointToLine();
    void parallelLine_data();
    void parallelLine();
    void pairsOfParallels_data();
    void pairsOfParallels();
    void sixteenPointsAndTheirSpread();
    void spreadAsShown_data();
    void spreadAsShown();
    void clicksAreMeasuredWhereMadeAndNotEditable();
    void dualParallels_data();
    void dualParallels();
    void angle_data();
    void angle();
    void parallelLinesMeetAtNoAngle();
    void arc_data();
    void arc();
    void handleDragAsIfClickedThere_data();
    void handleDragAsIfClickedThere();
    void unitChangeReachesEveryValue_data();
    void unitChangeReachesEveryValue();
};

void TestMeasureItems::lengths_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("end");
    const QPointF a(100, 700), b(400, 300);
    QTest::newRow("free segment") << 3 << a << b << b;
    QTest::newRow("free segment, reverse order") << 3 << b << a << a;
    QTest::newRow("horizontal ignores the mouse's y") << 4 << a << b << QPointF(400, 700);
    QTest::newRow("horizontal, reverse order") << 4 << b << a << QPointF(100, 300);
    QTest::newRow("vertical ignores the mouse's x") << 5 << a << b << QPointF(100, 300);
    QTest::newRow("vertical, reverse order") << 5 << b << a << QPointF(400, 700);
}

void TestMeasureItems::lengths()
{
    QFETCH(int, code);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QPointF, end);
    const auto *line = static_cast<MeasureLine *>(draw(ToolId(code), {first, second}));
    QCOMPARE(line->startPoint, first);
    QCOMPARE(line->endPoint, end);
    const qreal length = std::hypot(end.x() - first.x(), end.y() - first.y());
    QCOMPARE(line->label, QStringLiteral("L1=L1=%1pixels").arg(length, 0, 'f', 3));
    // The measured segment starts at its lower end on screen.
    QVERIFY(line->measuredLine.p1().y() >= line->measuredLine.p2().y());
    QCOMPARE(line->shownLabel(), QStringLiteral("L1=%1pixels").arg(length, 0, 'f', 3));
}

void TestMeasureItems::nullSegment()
{
    const auto *line = static_cast<MeasureLine *>(draw(ToolId::Line, {QPointF(300, 300), QPointF(300, 300)}));
    QCOMPARE(line->measuredLine.angle(), 0.0);
    // Its handles are axis-aligned 8-pixel squares.
    QVERIFY(line->shape().contains(QPointF(303, 303)));
    QVERIFY(!line->shape().contains(QPointF(305, 300)));
}

void TestMeasureItems::rectangle_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("ruler");
    QTest::addColumn<QPointF>("corner1");
    QTest::addColumn<QPointF>("corner2");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QString>("label");
    const QString square = QStringLiteral("R1=a1=200.000pixels\nb1=200.000pixels\nC1=800.000pixels\n"
                                          "A1=40000.000pixels\u00b2");
    QTest::newRow("lower left corner second") << "pixels" << 0.0f << QPointF(300, 200)
                                              << QPointF(100, 400) << QRectF(100, 200, 200, 200) << square;
    QTest::newRow("upper right corner second") << "pixels" << 0.0f << QPointF(100, 400)
                                               << QPointF(300, 200) << QRectF(100, 200, 200, 200) << square;
    QTest::newRow("calibrated, area in square units")
        << "mm" << 0.01f << QPointF(100, 100) << QPointF(400, 300) << QRectF(100, 100, 300, 200)
        << QStringLiteral("R1=a1=3.000mm\nb1=2.000mm\nC1=10.000mm\nA1=6.000mm\u00b2");
    QTest::newRow("both corners equal") << "pixels" << 0.0f << QPointF(500, 100) << QPointF(500, 100)
                                        << QRectF(500, 100, 0, 0)
                                        << QStringLiteral("R1=a1=0.000pixels\nb1=0.000pixels\n"
                                                          "C1=0.000pixels\nA1=0.000pixels\u00b2");
}

void TestMeasureItems::rectangle()
{
    QFETCH(QString, unit);
    QFETCH(float, ruler);
    QFETCH(QPointF, corner1);
    QFETCH(QPointF, corner2);
    QFETCH(QRectF, rect);
    QFETCH(QString, label);
    GlobalVar::currentUnit = unit;
    GlobalVar::currentRealRuler = ruler;
    draw(ToolId::Rectangle, {corner1, corner2});
    auto *item = qgraphicsitem_cast<MeasureRectangle *>(GlobalVar::shapeList.value(0));
    QVERIFY(item);
    QCOMPARE(item->measuredRect, rect);
    QCOMPARE(item->label, label);
    // Numbered by the rectangles' own counter.
    QCOMPARE(frame->serialCounter(ShapeRoute::CounterD), quint16(1));
    QCOMPARE(frame->serialCounter(ShapeRoute::CounterA), quint16(0));
    // Its body is the rectangle grown by two pixels each way (clear of the corner squares).
    QVERIFY(item->shape().contains(rect.topLeft() + QPointF(-1.5, rect.height() / 2)));
    if (rect.height() > 20)
        QVERIFY(!item->shape().contains(rect.topLeft() + QPointF(-3, rect.height() / 2)));
}

void TestMeasureItems::polygonClosedByRightClickAndReshaped()
{
    // The finishing click counts where it was made, even when the mouse was last seen elsewhere.
    const QVector<QPointF> square{QPointF(100, 100), QPointF(200, 100), QPointF(200, 200), QPointF(100, 200)};
    draw(ToolId::Polygon, square.mid(0, 3));
    move(viewport(), QPointF(160, 320));
    click(viewport(), square.last(), Qt::RightButton);
    auto *item = qgraphicsitem_cast<MeasurePolygon *>(GlobalVar::shapeList.value(0));
    QVERIFY(item);
    QCOMPARE(item->vertices, square);
    QCOMPARE(item->label, QStringLiteral("P1=C1=400.000pixels"));
    QCOMPARE(frame->serialCounter(ShapeRoute::CounterE), quint16(1));

    // Reshaped by a vertex: only the stored vertices count, the mouse is no extra vertex.
    frame->disarmTool();
    click(viewport(), QPointF(150, 100));
    QVERIFY(item->isSelected());
    TestUtils::drag(viewport(), QPointF(200, 200), QPointF(200, 300));
    QCOMPARE(item->vertices, QVector<QPointF>({QPointF(100, 100), QPointF(200, 100), QPointF(200, 300), QPointF(100, 200)}));
    QCOMPARE(item->label, QStringLiteral("P1=C1=541.421pixels"));
    QCOMPARE(item->pos(), QPointF(0, 0));
    // The first vertex is a handle like the others.
    TestUtils::drag(viewport(), QPointF(100, 100), QPointF(100, 50));
    QCOMPARE(item->vertices.first(), QPointF(100, 50));

    // Four clicks on one point: a polygon of no length.
    draw(ToolId::Polygon, QVector<QPointF>(3, QPointF(50, 50)));
    click(viewport(), QPointF(50, 50), Qt::RightButton);
    item = qgraphicsitem_cast<MeasurePolygon *>(GlobalVar::shapeList.value(1));
    QVERIFY(item);
    QCOMPARE(item->vertices, QVector<QPointF>(4, QPointF(50, 50)));
    QCOMPARE(item->label, QStringLiteral("P2=C2=0.000pixels"));
}

void TestMeasureItems::tenthClickFinishes()
{
    QVector<QPointF> vertices;
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * 2 * M_PI / 10;
        vertices << QPointF(600 + 200 * qCos(a), 500 + 150 * qSin(a));
    }
    draw(ToolId::Polygon, vertices);
    auto *item = qgraphicsitem_cast<MeasurePolygon *>(GlobalVar::shapeList.value(0));
    QVERIFY(item);
    // The perimeter of the vertices as stored is checked on the square above.
    QCOMPARE(item->vertices, vertices);
}

void TestMeasureItems::rubberSegmentBeforeThePolygon()
{
    draw(ToolId::Polygon, {QPointF(100, 100), QPointF(400, 100)});
    auto render = [this] {
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        frame->scene()->render(&painter, QRectF(0, 0, 1920, 1080), QRectF(0, 0, 1920, 1080));
        return image;
    };
    const QRgb pen = GlobalVar::shapeGraphPen.color().rgb();
    // Before the next move the polygon is not computed: the segment to the second vertex shows.
    QCOMPARE(render().pixel(250, 100), pen);
    // With the mouse as a third vertex the closed polygon shows.
    move(viewport(), QPointF(400, 400));
    const QImage image = render();
    QCOMPARE(image.pixel(400, 250), pen);
    QCOMPARE(image.pixel(250, 250), pen);
    QCOMPARE(frame->currentShape()->label,
             QStringLiteral("P1=C1=%1pixels").arg(600 + 300 * qSqrt(2.0), 0, 'f', 3));
}

void TestMeasureItems::pointToLine_data()
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

void TestMeasureItems::pointToLine()
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

void TestMeasureItems::parallelLine_data()
{
    QTest::addColumn<qreal>("along");
    // Base (100, 500)-(500, 300); the parallel point lies 150 pixels off the base line and is
    // slid along it: the value does not change.
    QTest::newRow("level with the base's middle") << 0.0;
    QTest::newRow("slid towards the start") << -300.0;
    QTest::newRow("slid past the end") << 450.0;
}

void TestMeasureItems::parallelLine()
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

void TestMeasureItems::pairsOfParallels_data()
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

void TestMeasureItems::pairsOfParallels()
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

void TestMeasureItems::sixteenPointsAndTheirSpread()
{
    // The base line's second end is held at the first one's height; clicks 3 to 17 measure,
    // click 18 measures and finishes.
    QVector<QPointF> clicks{QPointF(100, 800), QPointF(900, 807)};
    for (int i = 0; i < 16; ++i)
        clicks << QPointF(120 + 45 * i, 770 - (i * 37) % 200);
    auto *item = qgraphicsitem_cast<MeasureCustomParaline *>(draw(ToolId::CustomParaline, clicks));
    QVERIFY(item && item->bFinished);
    QCOMPARE(item->basePoint2, QPointF(900, 800));
    QCOMPARE(item->measurePoints, clicks.mid(2));
    QCOMPARE(item->distanceTexts.size(), 16);
    QCOMPARE(item->distanceTexts.last(), QStringLiteral("L16=%1pixels").arg(800 - clicks.last().y(), 0, 'f', 3));

    // Ticks one sixteenth of the base line long, and the bar between the heights of the nearest
    // (the first) and the farthest (the sixth) point.
    QCOMPARE(item->measureLines.size(), 2 * 16 + 3);
    QCOMPARE(item->measureLines.at(0), QLineF(95, 770, 145, 770));
    QCOMPARE(item->measureLines.at(1), QLineF(120, 770, 120, 800));
    QCOMPARE(item->measureLines.at(34), QLineF(1400, 770, 1400, 585));
    QVERIFY(item->boundingRect().right() >= 1450);
}

void TestMeasureItems::spreadAsShown_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("ruler");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QVector<qreal>>("distances");
    QTest::addColumn<QString>("values");
    QTest::newRow("no decimals") << "pixels" << 0.0f << 0 << QVector<qreal>{100, 250}
                                 << "L1=100pixels\nL2=250pixels\nC1=150pixels";
    // 1.04 and 2.26 show as 1.0 and 2.3: the spread shown is 1.3, not 1.22 rounded.
    QTest::newRow("spread of the shown values") << "mm" << 0.01f << 1 << QVector<qreal>{104, 226}
                                                << "L1=1.0mm\nL2=2.3mm\nC1=1.3mm";
    QTest::newRow("one point") << "pixels" << 0.0f << 2 << QVector<qreal>{75}
                               << "L1=75.00pixels\nC1=0.00pixels";
}

void TestMeasureItems::spreadAsShown()
{
    QFETCH(QString, unit);
    QFETCH(float, ruler);
    QFETCH(int, digits);
    QFETCH(QVector<qreal>, distances);
    QFETCH(QString, values);
    GlobalVar::currentUnit = unit;
    GlobalVar::currentRealRuler = ruler;
    GlobalVar::textDigiLength = qint8(digits);
    QVector<QPointF> clicks{QPointF(100, 700), QPointF(900, 700)};
    for (int i = 0; i < distances.size(); ++i)
        clicks << QPointF(200 + 100 * i, 700 - distances.at(i));
    draw(ToolId::CustomParaline, clicks.mid(0, clicks.size() - 1));
    // The last point finishes the item with a right click.
    move(viewport(), clicks.last());
    click(viewport(), clicks.last(), Qt::RightButton);
    auto *item = qgraphicsitem_cast<MeasureCustomParaline *>(GlobalVar::shapeList.value(0));
    QVERIFY(item);
    QCOMPARE(item->labelValues(), values);
}

void TestMeasureItems::clicksAreMeasuredWhereMadeAndNotEditable()
{
    draw(ToolId::CustomParaline, {QPointF(100, 600), QPointF(700, 600), QPointF(200, 500)});
    auto *item = qgraphicsitem_cast<MeasureCustomParaline *>(frame->currentShape());
    QVERIFY(item);
    // A mouse position at the base line's height shows nothing new.
    move(viewport(), QPointF(300, 600));
    QCOMPARE(item->distanceTexts, QStringList() << QStringLiteral("L1=100.000pixels"));
    // Clicks with no move before them are measured where they were made.
    click(viewport(), QPointF(300, 300));
    click(viewport(), QPointF(400, 450));
    move(viewport(), QPointF(500, 580));
    click(viewport(), QPointF(500, 200), Qt::RightButton);
    QCOMPARE(item->labelValues(), QStringLiteral("L1=100.000pixels\nL2=300.000pixels\n"
                                                 "L3=150.000pixels\nL4=400.000pixels\nC1=300.000pixels"));
    // The summary lines start at the nearest and the farthest point.
    QCOMPARE(item->measureLines.at(8), QLineF(200, 500, 1450, 500));
    QCOMPARE(item->measureLines.at(9), QLineF(500, 200, 1450, 200));

    // Pressing a measured point and dragging neither reshapes nor moves the item.
    const QString label = item->label;
    frame->disarmTool();
    click(viewport(), QPointF(200, 500));
    QVERIFY(item->isSelected());
    TestUtils::drag(viewport(), QPointF(200, 500), QPointF(250, 300));
    TestUtils::drag(viewport(), QPointF(200, 550), QPointF(250, 650));
    QCOMPARE(item->measurePoints, QVector<QPointF>({QPointF(200, 500), QPointF(300, 300), QPointF(400, 450), QPointF(500, 200)}));
    QCOMPARE(item->label, label);
    QCOMPARE(item->pos(), QPointF(0, 0));
    QCOMPARE(int(item->cursor().shape()), int(Qt::ArrowCursor));
}

void TestMeasureItems::dualParallels_data()
{
    QTest::addColumn<qreal>("y1");
    QTest::addColumn<qreal>("y2");
    QTest::addColumn<QString>("values");
    // Base line at y = 600.
    QTest::newRow("same side: the distance between the parallels")
        << 400.0 << 300.0 << "L1=200.000pixels\nL2=300.000pixels\nC1=100.000pixels";
    // With the base line between them the parallels lie the sum of their distances apart.
    QTest::newRow("opposite sides: the distance between the parallels")
        << 400.0 << 750.0 << "L1=200.000pixels\nL2=150.000pixels\nC1=350.000pixels";
    QTest::newRow("opposite sides, nearer one first")
        << 650.0 << 300.0 << "L1=50.000pixels\nL2=300.000pixels\nC1=350.000pixels";
    QTest::newRow("both on one line") << 450.0 << 450.0
                                      << "L1=150.000pixels\nL2=150.000pixels\nC1=0.000pixels";
}

void TestMeasureItems::dualParallels()
{
    QFETCH(qreal, y1);
    QFETCH(qreal, y2);
    QFETCH(QString, values);
    draw(ToolId::DualParaline, {QPointF(200, 600), QPointF(1000, 600), QPointF(500, y1), QPointF(700, y2)});
    auto *item = qgraphicsitem_cast<MeasureDualParaline *>(GlobalVar::shapeList.value(0));
    QVERIFY(item);
    QCOMPARE(item->labelValues(), values);
    // Each point is marked by a full copy of the base line at its height.
    QCOMPARE(item->measureLines.at(0), QLineF(200, y1, 1000, y1));
    QCOMPARE(item->measureLines.at(2), QLineF(200, y2, 1000, y2));
    // The summary bar spans from one parallel to the other.
    const QLineF bar = item->measureLines.last();
    QCOMPARE(qMin(bar.y1(), bar.y2()), qMin(y1, y2));
    QCOMPARE(qMax(bar.y1(), bar.y2()), qMax(y1, y2));
}

void TestMeasureItems::angle_data()
{
    QTest::addColumn<Points>("clicks");
    QTest::addColumn<double>("mainAngle");
    QTest::addColumn<double>("otherAngle");
    QTest::addColumn<QLineF>("firstLine");
    QTest::addColumn<QLineF>("secondLine");

    // The horizontal line y = 300 and the line x + y = 600 cross at (300, 300), on the first
    // segment only: the second line is drawn out to the crossing.
    const QLineF horizontal(500, 300, 100, 300);
    const QLineF towardsCrossing(300, 300, 500, 100);
    QTest::newRow("crossing on the first segment only")
        << Points{{100, 300}, {500, 300}, {400, 200}, {500, 100}} << 45.0 << 135.0 << horizontal << towardsCrossing;
    // (A level line keeps its ends swapped from the click order.)
    QTest::newRow("first line clicked in reverse")
        << Points{{500, 300}, {100, 300}, {400, 200}, {500, 100}} << 45.0 << 135.0 << QLineF(100, 300, 500, 300)
        << towardsCrossing;
    QTest::newRow("second line clicked in reverse")
        << Points{{100, 300}, {500, 300}, {500, 100}, {400, 200}} << 45.0 << 135.0 << horizontal << towardsCrossing;
    // y = 100 and y = x meet at (100, 100), beyond both segments: the V's angle and the reflex
    // angle outside it.
    QTest::newRow("lines meeting beyond both segments")
        << Points{{200, 100}, {300, 100}, {200, 200}, {300, 300}} << 45.0 << 315.0 << QLineF(300, 100, 100, 100)
        << QLineF(300, 300, 100, 100);
    QTest::newRow("perpendicular lines crossing inside both")
        << Points{{100, 100}, {300, 300}, {100, 300}, {300, 100}} << 90.0 << 90.0 << QLineF(300, 300, 100, 100)
        << QLineF(100, 300, 300, 100);
    // Line 1 runs at 0 degrees, line 2 from (400, 400) to (600, 400 - 200 tan 30).
    const double rise = 200.0 * std::tan(qDegreesToRadians(30.0));
    QTest::newRow("30 degrees, crossing at the second line's start")
        << Points{{300, 400}, {700, 400}, {400, 400}, {600, 400 - rise}} << 30.0 << 150.0
        << QLineF(700, 400, 300, 400) << QLineF(400, 400, 600, 400 - rise);
}

void TestMeasureItems::angle()
{
    QFETCH(Points, clicks);
    QFETCH(double, mainAngle);
    QFETCH(double, otherAngle);
    QFETCH(QLineF, firstLine);
    QFETCH(QLineF, secondLine);

    auto *item = qgraphicsitem_cast<MeasureAngle *>(draw(ToolId::Angle, clicks));
    QVERIFY(item);
    QCOMPARE(item->label, angleLabel(mainAngle, otherAngle));
    QVERIFY(nearLine(item->firstLine, firstLine, 1e-6));
    QVERIFY(nearLine(item->secondLine, secondLine, 1e-4));
    // The handles stay at the clicked points.
    for (const QPointF &p : qAsConst(clicks))
        QVERIFY(item->shape().contains(p));
}

void TestMeasureItems::parallelLinesMeetAtNoAngle()
{
    auto *item = qgraphicsitem_cast<MeasureAngle *>(draw(ToolId::Angle, {QPointF(100, 300), QPointF(500, 300), QPointF(100, 500)}));
    QVERIFY(item);
    // Nothing is measured until the second line has its end.
    QVERIFY(item->label.isEmpty());

    // Parallel to the first line: the lines never meet, their angle is 0 and the lines stay as
    // clicked, the label between them.
    move(viewport(), QPointF(600, 500));
    QCOMPARE(item->label, angleLabel(0, 360));
    QCOMPARE(item->secondLine, QLineF(600, 500, 100, 500));
    QCOMPARE(item->firstLine, QLineF(500, 300, 100, 300));

    // Tilted by one pixel in a thousand, 200 pixels away: they would meet far outside the
    // picture, and the angle is still the angle between them.
    move(viewport(), QPointF(1100, 501));
    const double tilt = qRadiansToDegrees(std::atan(1.0 / 1000.0));
    QCOMPARE(item->label, angleLabel(tilt, 360.0 - tilt));
    click(viewport(), QPointF(1100, 499));
    QCOMPARE(frame->pointIndex(), quint8(0));
    QCOMPARE(item->secondLineEnd, QPointF(1100, 499));
    QCOMPARE(item->label, angleLabel(tilt, 360.0 - tilt));
    // Its label is written between the lines, on the picture.
    QVERIFY(QRectF(0, 0, 1920, 1080).contains(item->boundingRect()));

    // Two in a thousand: they meet near x = -99,900, in a V whose lines stay as clicked, the
    // label between them on the picture.
    auto *far = qgraphicsitem_cast<MeasureAngle *>(
        draw(ToolId::Angle, {QPointF(100, 300), QPointF(500, 300), QPointF(100, 500), QPointF(1100, 502)}));
    QVERIFY(far && far != item);
    const double farTilt = qRadiansToDegrees(std::atan(2.0 / 1000.0));
    QVERIFY(qAbs(far->mainAngle - farTilt) < 1e-3);
    QCOMPARE(far->secondLine, QLineF(1100, 502, 100, 500));
    QVERIFY(QRectF(0, 0, 1920, 1080).contains(far->boundingRect()));
}

void TestMeasureItems::arc_data()
{
    QTest::addColumn<Points>("clicks");
    QTest::addColumn<double>("sweep");
    QTest::addColumn<int>("start16");
    QTest::addColumn<int>("span16");
    QTest::addColumn<QPointF>("insidePie");
    QTest::addColumn<QPointF>("outsidePie");

    // All on the circle of radius 100 around (500, 500).
    QTest::newRow("counter-clockwise half circle")
        << Points{{600, 500}, {500, 400}, {400, 500}} << 180.0 << 0 << 2880 << QPointF(500, 450) << QPointF(500, 550);
    QTest::newRow("clockwise half circle")
        << Points{{600, 500}, {500, 600}, {400, 500}} << 180.0 << 0 << -2880 << QPointF(500, 550) << QPointF(500, 450);
    QTest::newRow("three quarters clockwise")
        << Points{{600, 500}, {500, 600}, {500, 400}} << 270.0 << 0 << -4320 << QPointF(450, 500) << QPointF(550, 450);
    QTest::newRow("quarter from the top, counter-clockwise")
        << Points{{500, 400}, {440, 420}, {400, 500}} << 90.0 << 1440 << 1440 << QPointF(450, 450) << QPointF(550, 550);
}

void TestMeasureItems::arc()
{
    QFETCH(Points, clicks);
    QFETCH(double, sweep);
    QFETCH(int, start16);
    QFETCH(int, span16);
    QFETCH(QPointF, insidePie);
    QFETCH(QPointF, outsidePie);

    auto *arc = qgraphicsitem_cast<MeasureRadian *>(draw(ToolId::Radian, clicks));
    QVERIFY(arc);
    QVERIFY(QLineF(arc->circleRect.center(), QPointF(500, 500)).length() < 1e-2);
    QVERIFY(qAbs(arc->arcAngle - sweep) < 1e-2);
    QCOMPARE(qRound(arc->startAngle16), start16);
    QCOMPARE(qRound(arc->spanAngle16), span16);
    const double length = 100.0 * M_PI * sweep / 180.0;
    QCOMPARE(arc->label, QStringLiteral("C1=C1=%1pixels\nA1=%2\u00B0")
                             .arg(length, 0, 'f', 3).arg(sweep, 0, 'f', 3));
    // The pie slice is the item's body; the rest of the circle is not.
    QVERIFY(arc->shape().contains(insidePie));
    QVERIFY(!arc->shape().contains(outsidePie));

    // The drawn arc passes the rim point halfway along the sweep and not the one opposite it.
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QStyleOptionGraphicsItem option;
        arc->paint(&painter, &option, nullptr);
    }
    const double halfway = qDegreesToRadians(start16 / 16.0 + span16 / 32.0);
    const QPointF onArc(500 + 100 * std::cos(halfway), 500 - 100 * std::sin(halfway));
    QVERIFY(hasPenColour(image, onArc));
    QVERIFY(!hasPenColour(image, QPointF(1000, 1000) - onArc));
}

void TestMeasureItems::handleDragAsIfClickedThere_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QVector<QPointF>>("clicks");
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("to");
    const QVector<QPointF> line{QPointF(200, 400), QPointF(600, 400)};
    QTest::newRow("segment, end") << 3 << line << 2 << QPointF(500, 600);
    QTest::newRow("horizontal line, start sets the height") << 4 << line << 1 << QPointF(500, 600);
    QTest::newRow("horizontal line, end keeps it") << 4 << line << 2 << QPointF(500, 600);
    QTest::newRow("vertical line, start") << 5 << QVector<QPointF>{QPointF(200, 400), QPointF(200, 800)} << 1 << QPointF(500, 600);
    QTest::newRow("vertical line, end") << 5 << QVector<QPointF>{QPointF(200, 400), QPointF(200, 800)} << 2 << QPointF(500, 600);
    const QVector<QPointF> pointToLine{QPointF(400, 300), QPointF(200, 600), QPointF(700, 550)};
    QTest::newRow("point to line, the point") << 9 << pointToLine << 1 << QPointF(450, 200);
    QTest::newRow("point to line, the line") << 9 << pointToLine << 2 << QPointF(250, 700);
    const QVector<QPointF> parallel{QPointF(200, 600), QPointF(600, 600), QPointF(400, 400)};
    QTest::newRow("parallel, base") << 7 << parallel << 1 << QPointF(200, 400);
    QTest::newRow("parallel, its point") << 7 << parallel << 3 << QPointF(400, 300);
    const QVector<QPointF> pairs{QPointF(300, 600), QPointF(700, 500), QPointF(520, 520), QPointF(500, 300), QPointF(700, 260)};
    QTest::newRow("pairs of parallels, base") << 20 << pairs << 1 << QPointF(300, 650);
    QTest::newRow("pairs of parallels, second pair") << 20 << pairs << 4 << QPointF(500, 250);
    const QVector<QPointF> lineToCircle{QPointF(100, 500), QPointF(300, 500), QPointF(600, 300), QPointF(500, 200), QPointF(400, 300)};
    QTest::newRow("line to circle, line") << 17 << lineToCircle << 2 << QPointF(350, 560);
    QTest::newRow("line to circle, rim") << 17 << lineToCircle << 4 << QPointF(500, 180);
    const QVector<QPointF> concentric{QPointF(550, 500), QPointF(500, 450), QPointF(450, 500), QPointF(500, 530)};
    QTest::newRow("concentric, rim") << 19 << concentric << 2 << QPointF(500, 420);
    QTest::newRow("concentric, second radius") << 19 << concentric << 4 << QPointF(500, 600);
    const QVector<QPointF> arc{QPointF(600, 500), QPointF(500, 400), QPointF(400, 500)};
    QTest::newRow("arc, middle") << 14 << arc << 2 << QPointF(500, 600);
    QTest::newRow("arc, end") << 14 << arc << 3 << QPointF(500, 600);
    QTest::newRow("circle, rim") << 15 << arc << 3 << QPointF(420, 560);
    QTest::newRow("angle, second line")
        << 10 << QVector<QPointF>{QPointF(100, 300), QPointF(500, 300), QPointF(400, 200), QPointF(500, 100)} << 3 << QPointF(350, 150);
    QTest::newRow("rectangle, corner") << 11 << QVector<QPointF>{QPointF(200, 200), QPointF(500, 400)} << 2 << QPointF(600, 700);
}

void TestMeasureItems::handleDragAsIfClickedThere()
{
    QFETCH(int, tool);
    QFETCH(QVector<QPointF>, clicks);
    QFETCH(int, handle);
    QFETCH(QPointF, to);
    Shape *item = draw(ToolId(tool), clicks);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    frame->disarmTool();
    const QPointF from = clicks.at(handle - 1);
    click(viewport(), from);
    QVERIFY(item->isSelected());
    TestUtils::drag(viewport(), from, to);

    clicks[handle - 1] = to;
    const std::unique_ptr<Shape> clicked(feed(tool, clicks));
    QCOMPARE(item->pos(), QPointF(0, 0));
    QCOMPARE(shown(item), shown(clicked.get()));
}

void TestMeasureItems::unitChangeReachesEveryValue_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QVector<QPointF>>("clicks");
    QTest::addColumn<QString>("inMm");
    // 0.1 mm a pixel.
    const QVector<QPointF> circle{QPointF(600, 400), QPointF(500, 300), QPointF(400, 400)};
    QTest::newRow("concentric: the difference is a distance")
        << 19 << QVector<QPointF>{QPointF(550, 500), QPointF(500, 450), QPointF(450, 500), QPointF(500, 530)}
        << "L1=2.000mm";
    QTest::newRow("circle") << 15 << circle << "C1=62.832mm\nA1=314.159mm\u00B2";
    QTest::newRow("arc") << 14 << circle << "C1=31.416mm\nA1=180.000\u00B0";
    QTest::newRow("rectangle") << 11 << QVector<QPointF>{QPointF(200, 200), QPointF(500, 400)}
                               << "a1=30.000mm\nb1=20.000mm";
    QTest::newRow("angle stays in degrees")
        << 10 << QVector<QPointF>{QPointF(100, 300), QPointF(500, 300), QPointF(400, 200), QPointF(500, 100)}
        << "A1=45.000\u00B0\nA1'=135.000\u00B0";
    QTest::newRow("multi-point spread")
        << 13 << QVector<QPointF>{QPointF(100, 500), QPointF(600, 500), QPointF(200, 400), QPointF(300, 450)}
        << "C1=5.000mm";
    QTest::newRow("line to circle")
        << 17 << QVector<QPointF>{QPointF(100, 500), QPointF(300, 500), QPointF(600, 300), QPointF(500, 200), QPointF(400, 300)}
        << "L1=20.000mm";
}

void TestMeasureItems::unitChangeReachesEveryValue()
{
    QFETCH(int, tool);
    QFETCH(QVector<QPointF>, clicks);
    QFETCH(QString, inMm);
    Shape *item = draw(ToolId(tool), clicks);

    GlobalVar::rulerList.append({QStringLiteral("tenth"), 100.0f, 0.1f, 1});
    frame->slot_changeRulerValue(0);
    QTRY_VERIFY(!frame->labelSweep()->isRunning());
    QVERIFY2(shown(item).contains(inMm), qPrintable(shown(item)));
    QVERIFY(!shown(item).contains(QLatin1String("pixels")));
    // Every value as if the item had been drawn in mm.
    const std::unique_ptr<Shape> drawnInMm(feed(tool, clicks));
    QCOMPARE(shown(item), shown(drawnInMm.get()));
}

QTEST_MAIN(TestMeasureItems)
#include "tst_measureitems.moc"
