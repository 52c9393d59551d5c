#include <QTest>

#include <memory>

#include "FrameDriver.h"
#include "LabelSweep.h"
#include "MultiPointDistance.h"

namespace {
// What an item shows: its label, and a multi-point item's spread.
QString shown(const Shape *item)
{
    const auto *multi = dynamic_cast<const MultiPointDistance *>(item);
    return multi ? item->label + QLatin1Char('|') + multi->spreadText() : item->label;
}
} // namespace

// Finished items edited after drawing, through real mouse events on the main window: a handle
// dragged leaves the item as if it had been clicked there, and a change of unit reaches every
// value an item shows.
class TestItemEdits : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void handleDragAsIfClickedThere_data();
    void handleDragAsIfClickedThere();
    void unitChangeReachesEveryValue_data();
    void unitChangeReachesEveryValue();
};

void TestItemEdits::handleDragAsIfClickedThere_data()
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

void TestItemEdits::handleDragAsIfClickedThere()
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

void TestItemEdits::unitChangeReachesEveryValue_data()
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

void TestItemEdits::unitChangeReachesEveryValue()
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

QTEST_MAIN(TestItemEdits)
#include "tst_itemedits.moc"
