#include <QTest>

#include "GlobalVar.h"
#include "HitArea.h"

// The hit area must cover exactly what the union of its parts covers, whichever way round each
// part runs and wherever parts overlap.
class TestHitArea : public QObject
{
    Q_OBJECT

private slots:
    void overlapsStayCovered();
    void matchesUnionOfItemParts();
    void boundsWithoutThePath();
};

namespace {

QPolygonF reversed(QPolygonF polygon)
{
    std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

} // namespace

void TestHitArea::overlapsStayCovered()
{
    // Two squares running opposite ways round would cancel where they overlap.
    HitArea area;
    area.addPolygon(QPolygonF(QRectF(0, 0, 10, 10)));
    area.addPolygon(reversed(QPolygonF(QRectF(5, 5, 10, 10))));
    area.addRect(QRectF(QPointF(30, 10), QPointF(20, 0)));
    QPainterPath disc;
    disc.addEllipse(QRectF(40, 0, 10, 10));
    QPainterPath turned = disc.toReversed();
    turned.addEllipse(QRectF(45, 0, 10, 10));
    area.addPath(turned);

    const QPainterPath &path = area.path();
    for (const QPointF &p : {QPointF(7, 7), QPointF(2, 2), QPointF(13, 13), QPointF(25, 5), QPointF(47.5, 5), QPointF(53, 5)})
        QVERIFY(path.contains(p));
    QVERIFY(!path.contains(QPointF(13, 2)));
    QVERIFY(!path.contains(QPointF(40.5, 0.5)));
    QCOMPARE(path.boundingRect(), QRectF(0, 0, 55, 15));
    // Parts without area add nothing.
    HitArea flat;
    flat.addPolygon(QPolygonF({QPointF(0, 0), QPointF(5, 5), QPointF(10, 10)}));
    flat.addRect(QRectF(3, 3, 0, 0));
    QVERIFY(flat.path().isEmpty());
    // Given without its closing corner, a square is still the whole square, not a triangle.
    HitArea open;
    open.addPolygon(QPolygonF({QPointF(0, 0), QPointF(10, 0), QPointF(10, 10), QPointF(0, 10)}));
    QVERIFY(open.path().contains(QPointF(2, 8)) && open.path().contains(QPointF(8, 2)));
    // A four-sided outline whose sides cross covers both of its halves.
    HitArea bowTie;
    bowTie.addPolygon(QPolygonF({QPointF(0, 0), QPointF(10, 10), QPointF(10, 0), QPointF(0, 10)}));
    QVERIFY(bowTie.path().contains(QPointF(2, 5)) && bowTie.path().contains(QPointF(8, 5)));
}

void TestHitArea::matchesUnionOfItemParts()
{
    // Handle squares at several angles, the bands between them, a label box and a disc: the
    // parts of an item, overlapping one another. Apart from them, the band between the squares
    // of a segment shorter than the squares, which crosses itself, under a square running the
    // other way round.
    QVector<QPolygonF> parts;
    const QPointF a(100, 100);
    for (float angle : {0.0f, 17.0f, 45.0f, 100.0f, 200.0f, 300.0f}) {
        const QPointF b = a + QLineF::fromPolar(12.0, qreal(angle)).p2();
        parts << GlobalVar::getMoveBox(a, angle, 3.0f) << GlobalVar::getMoveBox(b, angle, 3.0f)
              << GlobalVar::getOuterShape(QLineF(a, b), 3.0f) << GlobalVar::getInnerShape(QLineF(a, b), 3.0f);
    }
    parts << QPolygonF(QRectF(108, 95, 30, 14)) << GlobalVar::getInnerShape(QLineF(50, 50, 51, 50), 2.0f)
          << reversed(QPolygonF(QRectF(44, 44, 13, 13)));
    QPainterPath disc;
    disc.addEllipse(QRectF(90, 105, 12, 12));

    QPainterPath united;
    HitArea area;
    for (const QPolygonF &part : parts) {
        QPainterPath one;
        one.addPolygon(part);
        united |= one;
        area.addPolygon(part);
    }
    united |= disc;
    area.addPath(disc);

    QCOMPARE(area.path().boundingRect().toAlignedRect(), united.boundingRect().toAlignedRect());
    int mismatches = 0;
    for (qreal x = 40; x <= 140; x += 0.53) {
        for (qreal y = 40; y <= 125; y += 0.47) {
            // Points within a hair of an edge may fall either way.
            const QPointF p(x, y);
            const QRectF hair(p - QPointF(0.05, 0.05), QSizeF(0.1, 0.1));
            if (united.intersects(hair) && !united.contains(hair))
                continue;
            if (area.path().contains(p) != united.contains(p))
                ++mismatches;
        }
    }
    QCOMPARE(mismatches, 0);
}

void TestHitArea::boundsWithoutThePath()
{
    // Gathering the bounds only gives the rectangle of the area the same parts would cover:
    // parts without area (a flat band, an empty label box) count no more than there.
    const QPolygonF crossedBand = GlobalVar::getInnerShape(QLineF(QPointF(50, 50), QPointF(51, 50)), 2.0f);
    const QPolygonF flat({QPointF(10, 10), QPointF(300, 10), QPointF(10, 10)});
    QPainterPath disc;
    disc.addEllipse(QRectF(90, 105, 12, 12));
    QPainterPath line;
    line.moveTo(0, 400);
    line.lineTo(500, 400);

    HitArea whole;
    HitArea bounds(HitArea::BoundsOnly);
    for (HitArea *area : {&whole, &bounds}) {
        area->addPolygon(GlobalVar::getMoveBox(QPointF(70, 60), 30.0f, 2.0f));
        area->addPolygon(crossedBand);
        area->addPolygon(flat);
        area->addRect(QRectF(QPointF(120, 40), QSizeF(0, 0)));
        area->addRect(QRectF(QPointF(80, 30), QSizeF(-20, 5)));
        area->addPath(disc);
        area->addPath(line);
    }
    QVERIFY(bounds.path().isEmpty());
    QCOMPARE(bounds.bounds(), whole.path().boundingRect());
    // From the box above to the disc's rim; the flat band and the line reach no further.
    QCOMPARE(bounds.bounds().top(), 30.0);
    QCOMPARE(bounds.bounds().right(), 102.0);
    QCOMPARE(bounds.bounds().bottom(), 117.0);
    QVERIFY(bounds.bounds().left() > 45 && bounds.bounds().left() < 48);
    QVERIFY(HitArea(HitArea::BoundsOnly).bounds().isNull());
}

QTEST_MAIN(TestHitArea)
#include "tst_hitarea.moc"
