#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTest>
#include <QtMath>

#include <cmath>

#include "FrameDriver.h"
#include "MeasureAngle.h"
#include "MeasureRadian.h"

typedef QVector<QPointF> Points;

namespace {
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
} // namespace

// The angle between two lines and the arc through three points, drawn and reshaped with real
// mouse events on the main window's view.
class TestAngleItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void angle_data();
    void angle();
    void parallelLinesMeetAtNoAngle();
    void arc_data();
    void arc();

};

void TestAngleItems::angle_data()
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

void TestAngleItems::angle()
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

void TestAngleItems::parallelLinesMeetAtNoAngle()
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

void TestAngleItems::arc_data()
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

void TestAngleItems::arc()
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

QTEST_MAIN(TestAngleItems)
#include "tst_angleitems.moc"
