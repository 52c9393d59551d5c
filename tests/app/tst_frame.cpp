#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "FrameDriver.h"
#include "LabelSweep.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "MeasureLine.h"
#include "ToolRouter.h"

// The main window's routing of real mouse events on its view, by tool and click count.
class TestFrame : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void window();
    void twoClickItem();
    void halfDrawnItemIsDiscarded();
    void calibrationItem();
    void disarmedPressReachesScene();
    void languageSwitch();
    void closingQuits();
    void unitChangeReachesEveryRow();
    void itemWithoutValue_data();
    void itemWithoutValue();

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
    // coordinates, which the wheel neither zooms nor scrolls.
    QCOMPARE(frame->geometry(), QRect(0, 0, 1920, 1080));
    QCOMPARE(frame->scene()->sceneRect(), QRectF(0, 0, 1920, 1080));
    QVERIFY(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    QWheelEvent wheel(QPointF(500, 500), frame->view()->mapToGlobal(QPoint(500, 500)), QPoint(0, 120),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &wheel);
    QCOMPARE(frame->view()->mapToScene(QPoint(123, 456)), QPointF(123, 456));
    // Escape does not close the main window.
    QTest::keyClick(frame, Qt::Key_Escape);
    QVERIFY(frame->isVisible());
}

void TestFrame::twoClickItem()
{
    // The view's presses and moves reach the armed tool: the item follows the mouse after its
    // first click and is finished by the second.
    QSignalSpy table(frame->document(), &MeasurementDocument::itemsChanged);
    frame->armTool(ToolId::Line);
    click(viewport(), QPointF(100, 200));
    QCOMPARE(frame->pointIndex(), quint8(1));
    auto *segment = qgraphicsitem_cast<MeasureLine *>(frame->currentShape());
    QVERIFY(segment);
    QVERIFY(segment->label.isEmpty());
    move(viewport(), QPointF(300, 200));
    QCOMPARE(segment->label, QStringLiteral("L1=L1=200.000pixels"));
    click(viewport(), QPointF(400, 600));
    QCOMPARE(frame->pointIndex(), quint8(0));
    QCOMPARE(GlobalVar::shapeList, QVector<Shape *>() << segment);
    QCOMPARE(table.count(), 1);

    // The tool stays armed; moves after finishing leave the finished item alone.
    QVERIFY(frame->isDrawing());
    move(viewport(), QPointF(900, 900));
    QCOMPARE(segment->endPoint, QPointF(400, 600));
}

void TestFrame::halfDrawnItemIsDiscarded()
{
    // By arming another tool, by a right click, which leaves the tool armed, and by disarming.
    frame->armTool(ToolId::Polygon);
    click(viewport(), QPointF(100, 100));
    click(viewport(), QPointF(200, 100));
    frame->armTool(ToolId::Line);
    QCOMPARE(itemsInScene(), 0);
    QVERIFY(!frame->currentShape());
    click(viewport(), QPointF(300, 300));
    QVERIFY(qgraphicsitem_cast<MeasureLine *>(frame->currentShape()));
    click(viewport(), QPointF(350, 300), Qt::RightButton);
    QCOMPARE(itemsInScene(), 0);
    QCOMPARE(frame->pointIndex(), quint8(0));
    QVERIFY(frame->isDrawing());
    click(viewport(), QPointF(300, 300));
    frame->disarmTool();
    QCOMPARE(itemsInScene(), 0);
    QVERIFY(!frame->isDrawing());
    QCOMPARE(frame->armedTool(), 0);
}

void TestFrame::calibrationItem()
{
    // Unnumbered and out of the results table; a right click while it is drawn does nothing.
    // (Finishing and naming it are the calibration test's.)
    QSignalSpy table(frame->document(), &MeasurementDocument::itemsChanged);
    frame->armTool(ToolId::CalibrateLine);
    click(viewport(), QPointF(100, 100));
    move(viewport(), QPointF(150, 100));
    QCOMPARE(frame->currentShape()->serial, quint16(0));
    click(viewport(), QPointF(150, 100), Qt::RightButton);
    QCOMPARE(frame->pointIndex(), quint8(1));
    click(viewport(), QPointF(600, 100));
    QCOMPARE(frame->armedTool(), 1);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QCOMPARE(table.count(), 0);
}

void TestFrame::disarmedPressReachesScene()
{
    Shape *item = draw(ToolId::Line, {QPointF(100, 100), QPointF(500, 100)});
    frame->disarmTool();

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
}

void TestFrame::languageSwitch()
{
    // The program's own translations are found in the working folder.
    QVERIFY(QFile::copy(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_CN.qm"), QStringLiteral("Korvelin_zh_CN.qm")));
    QVERIFY(QFile::copy(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_TW.qm"), QStringLiteral("Korvelin_zh_TW.qm")));

    frame->slot_changeLangToSimplifiedChinese();
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("主窗口"));
    frame->slot_changeLangToEnglish();
    QTRY_COMPARE(frame->windowTitle(), QStringLiteral("Frame"));
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

void TestFrame::itemWithoutValue_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QVector<QPointF>>("clicks");
    QTest::addColumn<bool>("lastPointUnset");
    const auto row = [](const char *name, ToolId tool, const QVector<QPointF> &clicks, bool unset = false) {
        QTest::newRow(name) << toolCode(tool) << clicks << unset;
    };
    const QPointF p(400, 400), q(600, 300);
    row("line to circle, line of no length", ToolId::Line2Circle,
        {QPointF(100, 500), QPointF(100, 500), QPointF(600, 300), QPointF(500, 200), QPointF(400, 300)}, true);
    row("circle, repeated rim point", ToolId::Circle, {p, p, q});
    row("circle, collinear rim points", ToolId::Circle, {QPointF(600, 400), QPointF(500, 400), QPointF(400, 400)});
    row("arc, repeated point", ToolId::Radian, {p, q, q});
    row("angle, double click at the second line", ToolId::Angle,
        {QPointF(100, 300), QPointF(500, 300), QPointF(400, 200), QPointF(400, 200)}, true);
    row("angle, first line of no length", ToolId::Angle, {p, p, q, q + QPointF(100, 100)});
    row("point to line, base of one point", ToolId::Point2Line, {q, p, p});
    row("parallel, base of one point", ToolId::Paraline, {p, p, q});
    row("two circles, second collinear", ToolId::Circle2Circle,
        {QPointF(600, 400), QPointF(500, 300), QPointF(400, 400), QPointF(900, 400), QPointF(1000, 400), QPointF(1100, 400)}, true);
    row("concentric, repeated rim point", ToolId::Concentric, {p, p, q, q + QPointF(9, 9)});
    row("pairs of parallels, base of one point", ToolId::Paraline2Paraline, {p, p, q, q, p});
}

void TestFrame::itemWithoutValue()
{
    QFETCH(int, tool);
    QFETCH(QVector<QPointF>, clicks);
    QFETCH(bool, lastPointUnset);
    draw(ToolId(tool), clicks);
    // Not listed, gone from the picture, and the user told why.
    QVERIFY(GlobalVar::shapeList.isEmpty());
    QCOMPARE(itemsInScene(), 0);
    QVERIFY(!frame->currentShape());
    QCOMPARE(warnings.size(), 1);
    // The next item is listed in the first row.
    const Shape *next = draw(ToolId::Line, {QPointF(100, 800), QPointF(100, 1000)});
    QCOMPARE(cell(0, 2), next->labelValues());
    if (!lastPointUnset)
        return;

    // Kept all the same, its last point never placed: a drag of its first point's handle
    // measures nothing to the picture's corner.
    frame->disarmTool();
    Shape *item = feed(tool, clicks);
    frame->scene()->addItem(item);
    GlobalVar::shapeList << item;
    QVERIFY(item->label.isEmpty());
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
    GlobalVar::rulerList << ruler{QStringLiteral("test"), 50.0f, 0.02f, 1};
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
    QCOMPARE(cell(count - 1, 2), QStringLiteral("L%1=1.000mm").arg(count));

    // The table follows once the last label is written, the bottom row included.
    frame->slot_changeRulerUnit(2);
    QTRY_VERIFY(!frame->labelSweep()->isRunning());
    QCOMPARE(GlobalVar::shapeList.last()->label, QStringLiteral("L%1=L%1=1000.000um").arg(count));
    QCOMPARE(cell(count - 1, 2), QStringLiteral("L%1=1000.000um").arg(count));

    // So does it after a change of digits, which redraws every item the same way.
    GlobalVar::textDigiLength = 4;
    frame->menu()->applyLook();
    QVERIFY(frame->labelSweep()->isRunning());
    QTRY_VERIFY(!frame->labelSweep()->isRunning());
    QCOMPARE(cell(count - 1, 2), QStringLiteral("L%1=1000.0000um").arg(count));
}
