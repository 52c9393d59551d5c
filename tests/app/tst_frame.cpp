#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "Frame.h"
#include "FrameDriver.h"
#include "GraphicsView.h"
#include "LabelSweep.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "MeasureLine.h"
#include "ShapeRoutes.h"
#include "ToolRouter.h"
#include "testutils.h"

using TestUtils::click;
using TestUtils::move;

namespace {

class LanguageChangeCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};
} // namespace

// The main window's routing of real mouse events on its view, by tool and click count.
class TestFrame : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void window();
    void twoClickItem();
    void rightClicks();
    void armingAnotherToolDiscardsHalfDrawnItem();
    void calibrationItem();
    void disarmedPressReachesScene();
    void wheelAndKeysChangeNothing();
    void languageSwitch();
    void closingQuits();
    void unitChangeReachesEveryRow();
    void itemWithoutValueIsNotKept_data();
    void itemWithoutValueIsNotKept();
    void handleDragNeverUsesUnsetPoint_data();
    void handleDragNeverUsesUnsetPoint();

private:
    // Measurement items in the scene (the cross hair's lines are there too).
    int itemsInScene() const
    {
        int count = 0;
        for (QGraphicsItem *item : frame->scene()->items())
            count += dynamic_cast<Shape *>(item) != nullptr;
        return count;
    }

};

void TestFrame::initTestCase()
{
    // A segment standing in for a calibration item.
    ShapeRoutes::add({1, &ShapeRoute::make<MeasureLine>, ShapeRoute::NoCounter, 2,
                      ShapeRoute::clicks({1}), 0, true});
}

void TestFrame::init()
{
    openFrame();
}

void TestFrame::cleanup()
{
    closeFrame();
    QVERIFY(GlobalVar::shapeList.isEmpty());
}

void TestFrame::window()
{
    // The camera display's size whatever the desktop's, and the picture's pixels as scene
    // coordinates.
    QCOMPARE(frame->geometry(), QRect(0, 0, 1920, 1080));
    QCOMPARE(frame->scene()->sceneRect(), QRectF(0, 0, 1920, 1080));
    QCOMPARE(frame->view()->mapToScene(QPoint(123, 456)), QPointF(123, 456));
    QVERIFY(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    // The simulator's picture follows the window's first frame by itself.
    QTRY_COMPARE(frame->view()->livePicture().size(), QSize(1920, 1080));
    QCOMPARE(itemsInScene(), 0);
}

void TestFrame::twoClickItem()
{
    QSignalSpy table(frame->document(), &MeasurementDocument::itemsChanged);
    frame->armTool(ToolId::Line);
    click(viewport(), QPointF(100, 200));
    QCOMPARE(frame->pointIndex(), quint8(1));
    auto *segment = qgraphicsitem_cast<MeasureLine *>(frame->currentShape());
    QVERIFY(segment);
    QCOMPARE(segment->serial, quint16(1));
    QCOMPARE(segment->startPoint, QPointF(100, 200));
    QVERIFY(segment->label.isEmpty());

    move(viewport(), QPointF(300, 200));
    QCOMPARE(segment->label, QStringLiteral("L1=L1=200.000pixels"));
    click(viewport(), QPointF(400, 600));
    QCOMPARE(frame->pointIndex(), quint8(0));
    QCOMPARE(segment->label, QStringLiteral("L1=L1=500.000pixels"));
    QCOMPARE(GlobalVar::shapeList, QVector<Shape *>() << segment);
    QCOMPARE(table.count(), 1);

    // The tool stays armed; moves after finishing leave the finished item alone.
    QVERIFY(frame->isDrawing());
    move(viewport(), QPointF(900, 900));
    QCOMPARE(segment->endPoint, QPointF(400, 600));
    QVERIFY(segment->flags().testFlag(QGraphicsItem::ItemIsSelectable));
    QVERIFY(segment->flags().testFlag(QGraphicsItem::ItemIsMovable));

    // A segment finished beside it whose label would cover the first one's gives way.
    frame->armTool(ToolId::Line);
    click(viewport(), QPointF(100, 210));
    move(viewport(), QPointF(400, 610));
    click(viewport(), QPointF(400, 610));
    const Shape *beside = GlobalVar::shapeList.last();
    QVERIFY(!beside->labelOffset().isNull());
    QVERIFY(!segment->mapRectToScene(segment->shownLabelRect()).intersects(beside->mapRectToScene(beside->shownLabelRect())));
}

void TestFrame::rightClicks()
{
    QSignalSpy disarmed(frame, &Frame::signal_initMainButton);
    frame->armTool(ToolId::Line);
    // Armed with nothing in progress and no item yet: consumed, nothing happens.
    click(viewport(), QPointF(50, 50), Qt::RightButton);
    QVERIFY(frame->isDrawing());
    QCOMPARE(disarmed.count(), 0);

    // During drawing: the half-drawn item is deleted.
    click(viewport(), QPointF(100, 100));
    move(viewport(), QPointF(150, 100));
    QCOMPARE(itemsInScene(), 1);
    click(viewport(), QPointF(150, 100), Qt::RightButton);
    QCOMPARE(itemsInScene(), 0);
    QCOMPARE(frame->pointIndex(), quint8(0));
    QVERIFY(!frame->currentShape());
    QVERIFY(frame->isDrawing());

    // After an item was finished: the tool is disarmed and the item kept.
    click(viewport(), QPointF(100, 100));
    click(viewport(), QPointF(200, 100));
    click(viewport(), QPointF(300, 300), Qt::RightButton);
    QVERIFY(!frame->isDrawing());
    QCOMPARE(frame->armedTool(), 0);
    QVERIFY(!frame->currentShape());
    QCOMPARE(disarmed.count(), 1);
    QCOMPARE(itemsInScene(), 1);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
}

void TestFrame::armingAnotherToolDiscardsHalfDrawnItem()
{
    frame->armTool(ToolId::Polygon);
    click(viewport(), QPointF(100, 100));
    click(viewport(), QPointF(200, 100));
    frame->armTool(ToolId::Line);
    QCOMPARE(itemsInScene(), 0);
    QCOMPARE(frame->pointIndex(), quint8(0));
    QVERIFY(!frame->currentShape());

    // The next click starts a fresh item of the new tool.
    click(viewport(), QPointF(300, 300));
    QVERIFY(qgraphicsitem_cast<MeasureLine *>(frame->currentShape()));
    frame->disarmTool();
    QCOMPARE(itemsInScene(), 0);
    QVERIFY(!frame->isDrawing());
    QCOMPARE(frame->armedTool(), 0);
}

void TestFrame::calibrationItem()
{
    QSignalSpy table(frame->document(), &MeasurementDocument::itemsChanged);
    frame->armTool(ToolId::CalibrateLine);
    click(viewport(), QPointF(100, 100));
    move(viewport(), QPointF(150, 100));
    QCOMPARE(frame->currentShape()->serial, quint16(0));
    // A right click while a calibration is drawn does nothing.
    click(viewport(), QPointF(150, 100), Qt::RightButton);
    QCOMPARE(frame->pointIndex(), quint8(1));
    click(viewport(), QPointF(600, 100));
    // Finishing disarms the tool but keeps its code, and the results table is not touched.
    QVERIFY(!frame->isDrawing());
    QCOMPARE(frame->armedTool(), 1);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QCOMPARE(table.count(), 0);
    QCOMPARE(frame->serialCounter(ShapeRoute::CounterA), quint16(0));
}

void TestFrame::disarmedPressReachesScene()
{
    frame->armTool(ToolId::Line);
    click(viewport(), QPointF(100, 100));
    click(viewport(), QPointF(500, 100));
    frame->disarmTool();
    Shape *item = GlobalVar::shapeList.first();

    // With no tool armed a press selects the item through the scene; every move until the
    // release asks for the item's own row, after the item took the move, and the release for
    // the whole table.
    QSignalSpy table(frame, &Frame::signal_updateDataTable);
    QSignalSpy row(frame, &Frame::signal_updateDataRow);
    QPointF seenAt;
    Shape *seen = nullptr;
    connect(frame, &Frame::signal_updateDataRow, this, [&](Shape *shape) {
        seen = shape;
        seenAt = shape->pos();
    });
    TestUtils::press(viewport(), QPointF(300, 100));
    QVERIFY(item->isSelected());
    QVERIFY(frame->tools()->isMousePressed());
    move(viewport(), QPointF(310, 120), Qt::LeftButton);
    QCOMPARE(seenAt, QPointF(10, 20));
    move(viewport(), QPointF(320, 140), Qt::LeftButton);
    TestUtils::release(viewport(), QPointF(320, 140));
    QCOMPARE(row.count(), 2);
    QCOMPARE(seen, item);
    QCOMPARE(table.count(), 1);
    QVERIFY(!frame->tools()->isMousePressed());
    QCOMPARE(item->pos(), QPointF(20, 40));
    move(viewport(), QPointF(330, 150));
    QCOMPARE(row.count() + table.count(), 3);
}

void TestFrame::wheelAndKeysChangeNothing()
{
    const QTransform transform = frame->view()->transform();
    const QPointF origin = frame->view()->mapToScene(QPoint(0, 0));
    QWheelEvent wheel(QPointF(500, 500), frame->view()->mapToGlobal(QPoint(500, 500)), QPoint(0, 120),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &wheel);
    QCOMPARE(frame->view()->transform(), transform);
    QCOMPARE(frame->view()->mapToScene(QPoint(0, 0)), origin);

    // Escape does not close the main window.
    QTest::keyClick(frame, Qt::Key_Escape);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->result(), 0);
}

void TestFrame::languageSwitch()
{
    LanguageChangeCounter counter;
    frame->installEventFilter(&counter);
    // The program's own translations are found in the working folder.
    QVERIFY(QFile::copy(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_CN.qm"), QStringLiteral("Korvelin_zh_CN.qm")));
    QVERIFY(QFile::copy(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_TW.qm"), QStringLiteral("Korvelin_zh_TW.qm")));

    frame->slot_changeLangToSimplifiedChinese();
    QTRY_VERIFY(counter.count > 0);
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("主窗口"));
    frame->slot_changeLangToTraditionalChinese();
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("主視窗"));
    const int before = counter.count;
    frame->slot_changeLangToEnglish();
    QTRY_VERIFY(counter.count > before);
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("Frame"));
    frame->removeEventFilter(&counter);
}

void TestFrame::closingQuits()
{
    // Closed by the window system, the main window ends the event loop and so the program. A
    // second timer ends a loop that would not end, with another code.
    QTimer::singleShot(0, frame, [this]() { frame->close(); });
    QTimer::singleShot(5000, qApp, []() { QCoreApplication::exit(2); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!frame->isVisible());
}

void TestFrame::itemWithoutValueIsNotKept_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QVector<QPointF>>("clicks");
    const QPointF p(400, 400), q(600, 300);
    QTest::newRow("line to circle, line of no length")
        << toolCode(ToolId::Line2Circle) << QVector<QPointF>{p, p, QPointF(600, 300), QPointF(500, 200), QPointF(400, 300)};
    QTest::newRow("circle, repeated rim point") << toolCode(ToolId::Circle) << QVector<QPointF>{p, p, q};
    QTest::newRow("circle, collinear rim points")
        << toolCode(ToolId::Circle) << QVector<QPointF>{QPointF(600, 400), QPointF(500, 400), QPointF(400, 400)};
    QTest::newRow("arc, repeated point") << toolCode(ToolId::Radian) << QVector<QPointF>{p, q, q};
    QTest::newRow("angle, double click at the second line") << toolCode(ToolId::Angle) << QVector<QPointF>{p, q, q + QPointF(0, 100), q + QPointF(0, 100)};
    QTest::newRow("angle, first line of no length") << toolCode(ToolId::Angle) << QVector<QPointF>{p, p, q, q + QPointF(100, 100)};
    QTest::newRow("point to line, base of one point") << toolCode(ToolId::Point2Line) << QVector<QPointF>{q, p, p};
    QTest::newRow("parallel, base of one point") << toolCode(ToolId::Paraline) << QVector<QPointF>{p, p, q};
    QTest::newRow("two circles, second collinear")
        << toolCode(ToolId::Circle2Circle) << QVector<QPointF>{QPointF(600, 400), QPointF(500, 300), QPointF(400, 400),
                                  QPointF(900, 400), QPointF(1000, 400), QPointF(1100, 400)};
    QTest::newRow("concentric, repeated rim point") << toolCode(ToolId::Concentric) << QVector<QPointF>{p, p, q, q + QPointF(9, 9)};
    QTest::newRow("pairs of parallels, base of one point") << toolCode(ToolId::Paraline2Paraline) << QVector<QPointF>{p, p, q, q, p};
}

void TestFrame::itemWithoutValueIsNotKept()
{
    QFETCH(int, tool);
    QFETCH(QVector<QPointF>, clicks);
    auto *table = frame->menu()->findChild<QTableWidget *>(QStringLiteral("tw_DataTable"));
    QVERIFY(table);
    draw(ToolId(tool), clicks);
    // Not listed, gone from the picture, and the user told why.
    QVERIFY(GlobalVar::shapeList.isEmpty());
    QVERIFY(!table->item(0, 1) || table->item(0, 1)->text().isEmpty());
    QCOMPARE(itemsInScene(), 0);
    QVERIFY(!frame->currentShape());
    QCOMPARE(warnings.size(), 1);
    // The next item is listed in the first row.
    const Shape *next = draw(ToolId::Line, {QPointF(100, 100), QPointF(100, 300)});
    QCOMPARE(table->item(0, 2)->text(), next->labelValues());
}

void TestFrame::handleDragNeverUsesUnsetPoint_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QVector<QPointF>>("clicks");
    QTest::newRow("line to circle, line of no length")
        << 17 << QVector<QPointF>{QPointF(100, 500), QPointF(100, 500), QPointF(600, 300), QPointF(500, 200), QPointF(400, 300)};
    QTest::newRow("angle, double click at the second line")
        << 10 << QVector<QPointF>{QPointF(100, 300), QPointF(500, 300), QPointF(400, 200), QPointF(400, 200)};
    QTest::newRow("two circles, second collinear")
        << 18 << QVector<QPointF>{QPointF(600, 400), QPointF(500, 300), QPointF(400, 400),
                                  QPointF(900, 400), QPointF(1000, 400), QPointF(1100, 400)};
}

void TestFrame::handleDragNeverUsesUnsetPoint()
{
    QFETCH(int, tool);
    QFETCH(QVector<QPointF>, clicks);
    // Kept though its last point was never placed.
    Shape *item = feed(tool, clicks);
    frame->scene()->addItem(item);
    GlobalVar::shapeList << item;
    QVERIFY(item->label.isEmpty());
    // Its first point's handle dragged: nothing is measured to the picture's corner.
    click(viewport(), clicks.first());
    QVERIFY(item->isSelected());
    TestUtils::drag(viewport(), clicks.first(), clicks.first() + QPointF(100, 100));
    QVERIFY2(item->label.isEmpty(), qPrintable(item->label));
    QVERIFY(!item->isComplete());
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"

void TestFrame::unitChangeReachesEveryRow()
{
    ruler calibration;
    calibration.name = QStringLiteral("test");
    calibration.pixel = 50.0f;
    calibration.length = 0.02f;
    calibration.unit = 1;
    GlobalVar::rulerList << calibration;
    frame->slot_changeRulerValue(0);
    // More items than are written in one go, from the top of the picture to its bottom.
    const int count = 3 * LabelSweep::bandSize;
    for (int i = 0; i < count; ++i) {
        auto *line = new MeasureLine;
        frame->scene()->addItem(line);
        const QPointF start(20 + (i * 37) % 1500, 20 + i * 1000.0 / count);
        line->setPoint(start, 1, quint16(i + 1));
        line->endDraw(start + QPointF(30, 40));
        GlobalVar::shapeList << line;
    }
    frame->menu()->updateDataTable();
    auto *table = frame->menu()->findChild<QTableWidget *>(QStringLiteral("tw_DataTable"));
    QVERIFY(table);
    QCOMPARE(table->item(count - 1, 2)->text(), QStringLiteral("L%1=1.000mm").arg(count));

    // The table follows once the last label is written, the bottom row included.
    frame->slot_changeRulerUnit(2);
    QTRY_VERIFY(!frame->labelSweep()->isRunning());
    QCOMPARE(GlobalVar::shapeList.last()->label, QStringLiteral("L%1=L%1=1000.000um").arg(count));
    QCOMPARE(table->item(count - 1, 2)->text(), QStringLiteral("L%1=1000.000um").arg(count));

    // So does it after a change of digits, which redraws every item the same way.
    GlobalVar::textDigiLength = 4;
    frame->menu()->applyLook();
    QVERIFY(frame->labelSweep()->isRunning());
    QTRY_VERIFY(!frame->labelSweep()->isRunning());
    QCOMPARE(table->item(count - 1, 2)->text(), QStringLiteral("L%1=1000.0000um").arg(count));
}
