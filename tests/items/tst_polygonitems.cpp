#include <QPainter>
#include <QTest>
#include <QtMath>

#include "FrameDriver.h"
#include "MeasurePolygon.h"
#include "MeasureRectangle.h"

// Rectangles and polygons drawn and reshaped with real mouse events on the main window's view.
class TestPolygonItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void rectangle_data();
    void rectangle();
    void polygonClosedByRightClickAndReshaped();
    void tenthClickFinishes();
    void rubberSegmentBeforeThePolygon();
};

void TestPolygonItems::rectangle_data()
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

void TestPolygonItems::rectangle()
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

void TestPolygonItems::polygonClosedByRightClickAndReshaped()
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

    // Four clicks on one point: a polygon of no length.
    draw(ToolId::Polygon, QVector<QPointF>(3, QPointF(50, 50)));
    click(viewport(), QPointF(50, 50), Qt::RightButton);
    item = qgraphicsitem_cast<MeasurePolygon *>(GlobalVar::shapeList.value(1));
    QVERIFY(item);
    QCOMPARE(item->vertices, QVector<QPointF>(4, QPointF(50, 50)));
    QCOMPARE(item->label, QStringLiteral("P2=C2=0.000pixels"));
}

void TestPolygonItems::tenthClickFinishes()
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

void TestPolygonItems::rubberSegmentBeforeThePolygon()
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

QTEST_MAIN(TestPolygonItems)
#include "tst_polygonitems.moc"
