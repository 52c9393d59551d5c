#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "GlobalVar.h"
#include "HitArea.h"
#include "LabelPlacement.h"
#include "LabelSweep.h"
#include "MeasureLine.h"
#include "testutils.h"

// What every item inherits: label composition and formatting, the hit shape, painting, and
// editing through hover, handle drags and moves, driven by real mouse events on a view. The hit
// area must cover exactly what the union of its parts covers, whichever way round each part
// runs and wherever parts overlap.
class TestShape : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void labelFormatting_data();
    void labelFormatting();
    void hitShapeWhileDrawing();
    void hitShapeFollowsChanges();
    void painting();
    void editing_data();
    void editing();
    void labelSweep_data();
    void labelSweep();
    void lookSweep();
    void labelOutline_data();
    void labelOutline();
    void labelsMakeRoom();
    void matchesUnionOfItemParts();
    void boundsWithoutThePath();

private:
    // Segments from the top of the picture to its bottom, listed as finished items.
    void fillPicture(int count);
    int labelsInUnit(const QString &unit) const;

    MeasureLine *segment(const QPointF &from, const QPointF &to, quint16 serial = 3);
    QImage render(const QColor &background = Qt::white);
    // Pixels within `distance` of `colour` in each component.
    static int countNear(const QImage &image, const QRect &area, const QColor &colour, int distance = 0);
    static QRectF labelArea(const Shape *item) { return item->mapRectToScene(item->shownLabelRect()); }

    TestUtils::Sandbox sandbox;
    QGraphicsScene *scene = nullptr;
    QGraphicsView *view = nullptr;
};

void TestShape::init()
{
    scene = new QGraphicsScene(0, 0, 1920, 1080);
    view = new QGraphicsView(scene);
    view->setFixedSize(1920, 1080);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFrameShape(QFrame::NoFrame);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
}

void TestShape::cleanup()
{
    GlobalVar::shapeList.clear();
    delete view;
    delete scene;
    GlobalVar::resetToDefaults();
}

MeasureLine *TestShape::segment(const QPointF &from, const QPointF &to, quint16 serial)
{
    auto *item = new MeasureLine;
    scene->addItem(item);
    item->setPoint(from, 1, serial);
    item->drawing(to);
    item->endDraw(to);
    return item;
}

QImage TestShape::render(const QColor &background)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    scene->render(&painter, QRectF(0, 0, 1920, 1080), QRectF(0, 0, 1920, 1080));
    return image;
}

void TestShape::labelFormatting_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("ruler");
    QTest::addColumn<int>("digits");
    QTest::addColumn<qreal>("length");
    QTest::addColumn<QString>("label");
    QTest::newRow("pixels ignore the ruler") << "pixels" << 0.5f << 3 << 200.0 << "L3=L3=200.000pixels";
    QTest::newRow("calibrated mm") << "mm" << 0.01f << 3 << 1250.0 << "L3=L3=12.500mm";
    QTest::newRow("rounded to the digits") << "um" << 3.3333f << 1 << 100.0 << "L3=L3=333.3um";
    QTest::newRow("no decimals") << "pixels" << 0.0f << 0 << 499.6 << "L3=L3=500pixels";
    QTest::newRow("null segment") << "mil" << 0.4f << 2 << 0.0 << "L3=L3=0.00mil";
}

void TestShape::labelFormatting()
{
    QFETCH(QString, unit);
    QFETCH(float, ruler);
    QFETCH(int, digits);
    QFETCH(qreal, length);
    QFETCH(QString, label);
    GlobalVar::currentUnit = unit;
    GlobalVar::currentRealRuler = ruler;
    GlobalVar::textDigiLength = qint8(digits);
    const MeasureLine *item = segment(QPointF(100, 500), QPointF(100 + length, 500));
    QCOMPARE(item->label, label);
}

void TestShape::hitShapeWhileDrawing()
{
    auto *item = new MeasureLine;
    scene->addItem(item);
    // Before the first point the item covers the whole scene.
    QCOMPARE(item->shape().boundingRect(), QRectF(0, 0, 1920, 1080));
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 1920, 1080));

    // A point at x = -5 exactly counts as not set.
    item->setPoint(QPointF(-5.0, 300), 1, 1);
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 1920, 1080));

    // With the first point only: its handle square at angle 0.
    item->setPoint(QPointF(200, 300), 1, 1);
    QVERIFY(!item->isComplete());
    QCOMPARE(item->boundingRect().toAlignedRect(), QRect(196, 296, 8, 8));
    QVERIFY(item->label.isEmpty());

    // On a scene that measures its items for its rectangle, an item before its first point
    // does not ask the scene back without end.
    QGraphicsScene growing;
    auto *fresh = new MeasureLine;
    growing.addItem(fresh);
    QVERIFY(growing.sceneRect().isEmpty());
    QVERIFY(fresh->boundingRect().isEmpty());
}

void TestShape::hitShapeFollowsChanges()
{
    // The bounding rectangle is kept apart from the hit shape; whatever changes the item's
    // area must reach both alike.
    MeasureLine *item = segment(QPointF(200, 300), QPointF(600, 300));
    const auto boundsMatch = [item] { return item->boundingRect() == item->shape().boundingRect(); };
    QVERIFY(item->isComplete());
    const QPainterPath hit = item->shape();
    QVERIFY(hit.contains(QPointF(400, 302)));      // on the band
    QVERIFY(hit.contains(QPointF(597, 297)));      // in the end square
    QVERIFY(!hit.contains(QPointF(400, 290)));     // beside the segment
    QVERIFY(!hit.contains(QPointF(900, 300)));     // beyond its end
    // The label's rectangle starts 8 pixels right of and below the midpoint.
    QVERIFY(hit.contains(QPointF(412, 315)));
    QVERIFY(boundsMatch());

    // A longer label (more decimals) widens it; a bigger font, announced, makes it taller.
    const QRectF before = item->boundingRect();
    GlobalVar::textDigiLength = 6;
    QVERIFY(item->refreshLabel());
    QVERIFY(item->boundingRect().right() > before.right());
    QVERIFY(boundsMatch());
    GlobalVar::shapeTextFont.setPixelSize(40);
    item->refreshLook();
    QVERIFY(item->boundingRect().bottom() > before.bottom());
    QVERIFY(boundsMatch());

    // Reshaping moves the hit area with the item, and the scene finds it at its new place.
    item->drawing(QPointF(200, 700));
    QVERIFY(item->shape().contains(QPointF(200, 500)));
    QVERIFY(!item->shape().contains(QPointF(400, 300)));
    QVERIFY(scene->items(QPointF(200, 500)).contains(item));
    QVERIFY(!scene->items(QPointF(400, 300)).contains(item));
    QVERIFY(boundsMatch());

    // Selected, the item is hit at the same places, its label's place even with the label
    // emptied.
    item->label.clear();
    item->refreshLook();
    QVERIFY(!item->shape().contains(QPointF(208, 508)));
    QVERIFY(boundsMatch());
    item->setSelected(true);
    QVERIFY(item->shape().contains(QPointF(200, 500)));
    QVERIFY(item->shape().contains(QPointF(208, 508)));
    QVERIFY(boundsMatch());
}

void TestShape::painting()
{
    GlobalVar::shapeTextFont.setPixelSize(30);
    MeasureLine *item = segment(QPointF(200, 300), QPointF(600, 300));
    QImage image = render();
    const QColor red(Qt::red), blue(Qt::blue);
    // The segment in the pen's red, a cross at each end, the label in blue below the middle.
    QCOMPARE(image.pixelColor(400, 300), red);
    QCOMPARE(image.pixelColor(200, 299), red);
    QCOMPARE(image.pixelColor(600, 301), red);
    const QRect labelArea(408, 308, 300, 45);
    // The label is written whole from its corner: its last letter is not cut at the edge of
    // its own ink's rectangle.
    auto written = [](const QRectF &box, int flags) {
        QImage text(1920, 1080, QImage::Format_RGB32);
        text.fill(Qt::white);
        QPainter painter(&text);
        painter.setPen(GlobalVar::shapeTextColor);
        painter.setFont(GlobalVar::shapeTextFont);
        painter.drawText(box, flags, QStringLiteral("L3=400.000pixels"));
        return text.copy(QRect(408, 308, 300, 45));
    };
    const QImage whole = written(QRectF(408, 308, 0, 0), Qt::AlignLeft | Qt::TextDontClip);
    QCOMPARE(image.copy(labelArea), whole);
    const QRectF inkBox = GlobalVar::getMultiLineTextRect(QPointF(408, 308), QStringLiteral("L3=400.000pixels"));
    QVERIFY(written(inkBox, Qt::AlignLeft) != whole);

    // Selected and editable: dashed, with handle squares instead of crosses; the label takes
    // the pen's colour.
    item->setSelected(true);
    image = render();
    const QRect handleSide(195, 303, 10, 2);     // lower side of the start square
    QVERIFY(countNear(image, handleSide, red) > 0);
    QCOMPARE(countNear(image, labelArea, blue), 0);
    QVERIFY(countNear(image, labelArea, red) > 30);

    // Selected but not editable: crosses again, no squares.
    GlobalVar::bEditable = false;
    item->update();
    image = render();
    QCOMPARE(countNear(image, handleSide, red), 0);
    QCOMPARE(image.pixelColor(200, 299), red);

    // With the values switched off only the name is written: a much shorter text.
    GlobalVar::bTextON = false;
    item->setSelected(false);
    image = render();
    QCOMPARE(countNear(image, QRect(500, 308, 200, 45), blue), 0);
    QVERIFY(countNear(image, QRect(408, 308, 60, 45), blue) > 10);
}

void TestShape::editing_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("movable");
    QTest::addColumn<int>("onHandle");
    QTest::addColumn<int>("onBand");
    QTest::addColumn<QPointF>("start");
    // The start handle is dragged to (200, 600), then the body by (+50, +50).
    QTest::newRow("editable and movable") << true << true << int(Qt::CrossCursor) << int(Qt::SizeAllCursor)
                                          << QPointF(200, 600);
    QTest::newRow("not editable: the handle press holds the item still")
        << false << true << int(Qt::ArrowCursor) << int(Qt::SizeAllCursor) << QPointF(200, 300);
    QTest::newRow("not movable") << true << false << int(Qt::CrossCursor) << int(Qt::ArrowCursor) << QPointF(200, 600);
}

void TestShape::editing()
{
    QFETCH(bool, editable);
    QFETCH(bool, movable);
    QFETCH(int, onHandle);
    QFETCH(int, onBand);
    QFETCH(QPointF, start);
    GlobalVar::bEditable = editable;
    GlobalVar::bMovable = movable;
    MeasureLine *item = segment(QPointF(200, 300), QPointF(600, 300));
    item->setFlag(QGraphicsItem::ItemIsMovable, movable);
    QWidget *viewport = view->viewport();

    // Not selected: the arrow everywhere on the item.
    TestUtils::move(viewport, QPointF(380, 300));
    TestUtils::move(viewport, QPointF(400, 300));
    QCOMPARE(int(item->cursor().shape()), int(Qt::ArrowCursor));

    // The first press selects; then the cursors tell what a press would grab.
    TestUtils::click(viewport, QPointF(400, 300));
    QVERIFY(item->isSelected());
    TestUtils::move(viewport, QPointF(201, 301));
    QCOMPARE(int(item->cursor().shape()), onHandle);
    TestUtils::move(viewport, QPointF(400, 301));
    QCOMPARE(int(item->cursor().shape()), onBand);

    const QPointF end(600, 300);
    TestUtils::drag(viewport, QPointF(200, 300), QPointF(200, 600));
    QCOMPARE(item->pos(), QPointF(0, 0));
    QCOMPARE(item->startPoint, start);
    QCOMPARE(item->endPoint, end);
    QCOMPARE(item->label, QStringLiteral("L3=L3=%1pixels").arg(QLineF(start, end).length(), 0, 'f', 3));

    // Dragging the body moves the whole item, when it is movable.
    const QPointF middle = (start + end) / 2;
    TestUtils::drag(viewport, middle, middle + QPointF(50, 50));
    QCOMPARE(item->pos(), movable ? QPointF(50, 50) : QPointF(0, 0));
    QCOMPARE(item->startPoint, start);
}

void TestShape::lookSweep()
{
    // A bigger text leaves every label's text as it was, yet every item needs the bigger area
    // its label takes now: to be hit there, and repainted whole.
    fillPicture(3 * LabelSweep::bandSize);
    QVector<qreal> heights;
    for (const Shape *shape : qAsConst(GlobalVar::shapeList))
        heights << shape->boundingRect().height();
    const auto grown = [&heights]() {
        int count = 0;
        for (int i = 0; i < GlobalVar::shapeList.size(); ++i)
            count += GlobalVar::shapeList.at(i)->boundingRect().height() > heights.at(i) + 5;
        return count;
    };
    GlobalVar::shapeTextFont.setPointSize(GlobalVar::shapeTextFont.pointSize() + 10);
    LabelSweep sweep;
    sweep.start(LabelSweep::LabelsAndLook);
    QVERIFY(sweep.isRunning());
    QCOMPARE(grown(), LabelSweep::bandSize);

    // A change of unit (here to the same one) before the first sweep is through: the items
    // that sweep had still to redraw get their new area all the same.
    sweep.start();
    QTRY_VERIFY(!sweep.isRunning());
    QCOMPARE(grown(), GlobalVar::shapeList.size());
}

int TestShape::countNear(const QImage &image, const QRect &area, const QColor &colour, int distance)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += qAbs(c.red() - colour.red()) <= distance && qAbs(c.green() - colour.green()) <= distance
                && qAbs(c.blue() - colour.blue()) <= distance;
        }
    }
    return n;
}

void TestShape::labelOutline_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("outline");
    QTest::newRow("dark text on black") << QColor(0, 0, 255) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("light text on white") << QColor(255, 255, 0) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("dark text on grey") << QColor(0, 0, 160) << QColor(128, 128, 128) << QColor(Qt::white);
}

void TestShape::labelOutline()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(QColor, outline);
    GlobalVar::shapeTextColor = text;
    GlobalVar::shapeTextFont.setPixelSize(24);
    MeasureLine *item = segment(QPointF(200, 300), QPointF(600, 300));
    const QRect area = labelArea(item).toAlignedRect();
    // The text in its colour, and around it the halo, which the hit area holds.
    QImage image = render(background);
    QVERIFY(countNear(image, area, text, 40) > 30);
    QVERIFY(countNear(image, area, outline) > 100);
    QVERIFY(item->boundingRect().contains(labelArea(item)));
    // Switched off: the text alone.
    GlobalVar::bTextOutline = false;
    item->update();
    image = render(background);
    QVERIFY(countNear(image, area, text, 40) > 30);
    QCOMPARE(countNear(image, area, outline, 60), 0);
}

void TestShape::labelsMakeRoom()
{
    // Two segments 10 pixels apart: the second one's label would cover the first one's, and
    // gives way beside it, joined to its point by a leader line.
    MeasureLine *first = segment(QPointF(200, 300), QPointF(600, 300), 1);
    MeasureLine *second = segment(QPointF(200, 310), QPointF(600, 310), 2);
    QVERIFY(LabelPlacement::place(second));
    QVERIFY(!labelArea(first).intersects(labelArea(second)));
    QVERIFY(first->labelOffset().isNull());
    QVERIFY(second->boundingRect().contains(second->shownLabelRect()));
    GlobalVar::bTextOutline = false;
    const QPointF point = second->labelPoint();
    const QRectF moved = labelArea(second);
    const QLineF leader(point, QPointF(qBound(moved.left(), point.x(), moved.right()),
                                       qBound(moved.top(), point.y(), moved.bottom())));
    QVERIFY(leader.length() > 4);
    const QImage image = render();
    QVERIFY(countNear(image, QRectF(leader.pointAt(0.4), QSizeF(1, 1)).toAlignedRect().adjusted(-1, -1, 1, 1),
                      GlobalVar::shapeTextColor, 100) > 0);

    // With a second such pair far away, a drag of the first item away from its pair lets the
    // label that gave way to it go back, and leaves the other pair alone.
    MeasureLine *farFirst = segment(QPointF(900, 700), QPointF(1300, 700), 3);
    MeasureLine *farSecond = segment(QPointF(900, 710), QPointF(1300, 710), 4);
    QVERIFY(LabelPlacement::place(farSecond));
    const QPointF farOffset = farSecond->labelOffset();
    TestUtils::drag(view->viewport(), QPointF(300, 301), QPointF(300, 151));
    QCOMPARE(first->pos(), QPointF(0, -150));
    QVERIFY(second->labelOffset().isNull());
    QVERIFY(first->labelOffset().isNull());
    QCOMPARE(farSecond->labelOffset(), farOffset);
    QVERIFY(farFirst->labelOffset().isNull());
    // Dragged onto the other pair, its label finds a free place there.
    TestUtils::drag(view->viewport(), QPointF(300, 151), QPointF(1000, 720));
    QVERIFY(!labelArea(first).intersects(labelArea(farFirst)));
    QVERIFY(!labelArea(first).intersects(labelArea(farSecond)));

    // A label with no free place around it stays where it is.
    for (int i = 0; i < 40; ++i)
        segment(QPointF(100 + 20 * (i % 8), 600 + 12 * (i / 8)), QPointF(300 + 20 * (i % 8), 600 + 12 * (i / 8)), 10);
    MeasureLine *crowded = segment(QPointF(150, 625), QPointF(350, 625), 99);
    QVERIFY(!LabelPlacement::place(crowded));
    QVERIFY(crowded->labelOffset().isNull());

    // A bigger text makes labels that had room cover each other: the sweep that writes them
    // anew finds them free places again.
    MeasureLine *low = segment(QPointF(1400, 950), QPointF(1800, 950), 5);
    MeasureLine *lower = segment(QPointF(1400, 990), QPointF(1800, 990), 6);
    QVERIFY(!labelArea(low).intersects(labelArea(lower)));
    GlobalVar::shapeList << low << lower;
    GlobalVar::shapeTextFont.setPointSize(GlobalVar::shapeTextFont.pointSize() * 3);
    LabelSweep sweep;
    sweep.start(LabelSweep::LabelsAndLook);
    sweep.finish();
    QVERIFY(!labelArea(low).intersects(labelArea(lower)));
}

namespace {

QPolygonF reversed(QPolygonF polygon)
{
    std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

} // namespace

void TestShape::matchesUnionOfItemParts()
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

void TestShape::boundsWithoutThePath()
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

QTEST_MAIN(TestShape)
#include "tst_shape.moc"

void TestShape::fillPicture(int count)
{
    for (int i = 0; i < count; ++i) {
        const QPointF from(100 + (i * 37) % 1500, 10 + (i * 1000.0) / count);
        GlobalVar::shapeList << segment(from, from + QPointF(40, 15), quint16(i + 1));
    }
}

int TestShape::labelsInUnit(const QString &unit) const
{
    int written = 0;
    for (const Shape *shape : qAsConst(GlobalVar::shapeList))
        written += shape->label.endsWith(unit);
    return written;
}

void TestShape::labelSweep_data()
{
    QTest::addColumn<QString>("interruption");
    QTest::newRow("none") << QString();
    QTest::newRow("click") << "click";
    QTest::newRow("key") << "key";
    QTest::newRow("items deleted") << "delete";
    QTest::newRow("another unit") << "unit";
}

void TestShape::labelSweep()
{
    QFETCH(QString, interruption);
    LabelSweep sweep;
    QSignalSpy finished(&sweep, &LabelSweep::finished);

    // A few items are all written before start() returns.
    fillPicture(LabelSweep::bandSize);
    GlobalVar::currentUnit = QStringLiteral("mm");
    GlobalVar::currentRealRuler = 0.01f;
    sweep.start();
    QCOMPARE(labelsInUnit(QStringLiteral("mm")), LabelSweep::bandSize);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!sweep.isRunning());

    // More are written from the top down, a band at a time, and all of them in the end.
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    fillPicture(4 * LabelSweep::bandSize);
    QString unit = QStringLiteral("um");
    GlobalVar::currentUnit = unit;
    GlobalVar::currentRealRuler = 10.0f;
    sweep.start();
    QVERIFY(sweep.isRunning());
    QVERIFY(GlobalVar::shapeList.first()->label.endsWith(unit));
    QVERIFY(GlobalVar::shapeList.last()->label.endsWith(QLatin1String("mm")));
    QCOMPARE(finished.count(), 1);
    if (interruption == QLatin1String("click") || interruption == QLatin1String("key")) {
        // Whatever a click or a key starts sees every label written already.
        if (interruption == QLatin1String("click"))
            QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        else
            QTest::keyPress(view, Qt::Key_F12);
        QVERIFY(!sweep.isRunning());
    } else if (interruption == QLatin1String("delete")) {
        // Items of the bands still to come go away: the sweep carries on with those left.
        while (GlobalVar::shapeList.size() > LabelSweep::bandSize + 1)
            delete GlobalVar::shapeList.takeLast();
    } else if (interruption == QLatin1String("unit")) {
        // A second change before the first is through: every label ends in the latest unit.
        unit = QStringLiteral("inch");
        GlobalVar::currentUnit = unit;
        GlobalVar::currentRealRuler = 0.0004f;
        sweep.start();
    }
    QTRY_VERIFY(!sweep.isRunning());
    QCOMPARE(finished.count(), 2);
    QCOMPARE(labelsInUnit(unit), GlobalVar::shapeList.size());
}
