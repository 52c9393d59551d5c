#include <QTest>

#include "GlobalVar.h"
#include "HitArea.h"

// The hit area must cover exactly what the union of its parts covers, whichever way round each
// part runs and wherever parts overlap.
class TestHitArea : public QObject
{
    Q_OBJECT

private slots:
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

void TestHitArea::matchesUnionOfItemParts()
{
    // Handle squares at several angles, the bands between them, a label box and a disc: the
    // parts of an item, overlapping one another. Apart from them, the band between the squares
    // of a segment shorter than the squares, which crosses itself, under a square running the
    // other way round; two squares and two discs running opposite ways round, which under the
    // winding rule would cancel where they overlap; a square given without its closing corner,
    // a four-sided outline whose sides cross, and parts without area.
    QVector<QPolygonF> parts;
    const QPointF a(100, 100);
    for (float angle : {0.0f, 17.0f, 45.0f, 100.0f, 200.0f, 300.0f}) {
        const QPointF b = a + QLineF::fromPolar(12.0, qreal(angle)).p2();
        parts << GlobalVar::getMoveBox(a, angle, 3.0f) << GlobalVar::getMoveBox(b, angle, 3.0f)
              << GlobalVar::getOuterShape(QLineF(a, b), 3.0f) << GlobalVar::getInnerShape(QLineF(a, b), 3.0f);
    }
    parts << QPolygonF(QRectF(108, 95, 30, 14)) << GlobalVar::getInnerShape(QLineF(50, 50, 51, 50), 2.0f)
          << reversed(QPolygonF(QRectF(44, 44, 13, 13))) << QPolygonF(QRectF(0, 0, 10, 10))
          << reversed(QPolygonF(QRectF(5, 5, 10, 10)))
          << QPolygonF({QPointF(20, 60), QPointF(30, 60), QPointF(30, 70), QPointF(20, 70)})
          << QPolygonF({QPointF(0, 80), QPointF(10, 90), QPointF(10, 80), QPointF(0, 90)})
          << QPolygonF({QPointF(0, 130), QPointF(5, 125), QPointF(10, 120)});
    const QRectF discs[] = {QRectF(90, 105, 12, 12), QRectF(40, 0, 10, 10), QRectF(45, 0, 10, 10)};
    QPainterPath path, turned;
    path.addEllipse(discs[0]);
    turned.addEllipse(discs[1]);
    path.addPath(turned.toReversed());
    path.addEllipse(discs[2]);

    QPainterPath united;
    HitArea area;
    for (const QPolygonF &part : parts) {
        QPainterPath one;
        one.addPolygon(part);
        united |= one;
        area.addPolygon(part);
    }
    for (const QRectF &disc : discs) {
        QPainterPath one;
        one.addEllipse(disc);
        united |= one;
    }
    area.addPath(path);
    // A rectangle given from its lower right corner, and one without area.
    area.addRect(QRectF(QPointF(30, 40), QPointF(20, 30)));
    area.addRect(QRectF(3, 135, 0, 0));
    united.addRect(QRectF(20, 30, 10, 10));

    QCOMPARE(area.path().boundingRect().toAlignedRect(), united.boundingRect().toAlignedRect());
    int mismatches = 0;
    for (qreal x = 0; x <= 140; x += 0.53) {
        for (qreal y = 0; y <= 125; y += 0.47) {
            // Points within a hair of an edge may fall either way.
            const QPointF p(x, y);
            const QRectF hair(p - QPointF(0.1, 0.1), QSizeF(0.2, 0.2));
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
