#include <QTest>

#include "FrameDriver.h"
#include "MeasureCustomParaline.h"
#include "MeasureDualParaline.h"

// Several points measured from a horizontal base line, and their spread, drawn with real mouse
// events on the main window's view.
class TestMultiPointItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void sixteenPointsAndTheirSpread();
    void spreadAsShown_data();
    void spreadAsShown();
    void clicksAreMeasuredWhereMadeAndNotEditable();
    void dualParallels_data();
    void dualParallels();
};

void TestMultiPointItems::sixteenPointsAndTheirSpread()
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

void TestMultiPointItems::spreadAsShown_data()
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

void TestMultiPointItems::spreadAsShown()
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

void TestMultiPointItems::clicksAreMeasuredWhereMadeAndNotEditable()
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

void TestMultiPointItems::dualParallels_data()
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

void TestMultiPointItems::dualParallels()
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

QTEST_MAIN(TestMultiPointItems)
#include "tst_multipointitems.moc"
