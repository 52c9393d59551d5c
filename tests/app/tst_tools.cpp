#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTest>

#include "CalibrateDialog.h"
#include "CalibrateLine.h"
#include "CalibrationTool.h"
#include "CalibrationWorkflow.h"
#include "DialogAnswers.h"
#include "MeasurementDocument.h"
#include "ToolTable.h"
#include "items/TestItems.h"
#include "testutils.h"

using Path4 = TestPath<4, 16>;
using Path10 = TestPath<10, 12>;

// The drawing tools on a bare scene, driven by scene points as the router hands them over.
class TestTools : public QObject, private DialogAnswers
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clicksMovesAndCounters();
    void rightClicks();
    void removeLastClickRedrawsFromTheClicksBefore();
    void calibrationIsNamedOrGivenUp();

private:
    static void clickAll(ClickTool &tool, const QVector<QPointF> &points)
    {
        for (const QPointF &p : points) {
            tool.move(p);
            tool.press(p);
        }
    }

    TestUtils::Sandbox sandbox;
    QGraphicsScene scene{0, 0, 1920, 1080};
    MeasurementDocument *document = nullptr;
    // Points drawn only after three clicks; a polygon-like path a right click finishes from two.
    const ShapeRoute four{16, &ShapeRoute::make<Path4>, ShapeRoute::CounterA, 4, ShapeRoute::clicks({3}), 0, false};
    const ShapeRoute ten{12, &ShapeRoute::make<Path10>, ShapeRoute::CounterE, 10, ShapeRoute::clickRange(1, 10), 2, false};
};

void TestTools::init()
{
    answerDialogs();
    document = new MeasurementDocument(&scene);
}

void TestTools::cleanup()
{
    delete document;
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    scene.clear();
    forgetDialogs();
}

void TestTools::clicksMovesAndCounters()
{
    ClickTool tool(&scene, document);
    QSignalSpy finished(&tool, &ClickTool::itemFinished);
    tool.setRoute(&four);
    tool.press(QPointF(100, 100));
    auto *path = qgraphicsitem_cast<Path4 *>(tool.item());
    QVERIFY(path && path->scene() == &scene);
    QCOMPARE(path->serial, quint16(1));
    // Moves reach drawing() only at the click counts of the row: here after three.
    tool.move(QPointF(150, 100));
    tool.press(QPointF(200, 100));
    tool.move(QPointF(200, 150));
    QCOMPARE(path->drawingCalls, 0);
    tool.press(QPointF(200, 200));
    tool.move(QPointF(100, 200));
    QCOMPARE(path->drawingCalls, 1);
    QCOMPARE(tool.clickCount(), 3);
    tool.press(QPointF(100, 200));
    QCOMPARE(tool.clickCount(), 0);
    QCOMPARE(path->label, QStringLiteral("P1=P1=300.000pixels"));
    // Finished: in the list, as a step of the history, and still the tool's item.
    QCOMPARE(GlobalVar::shapeList, QVector<Shape *>{path});
    QCOMPARE(document->undoStack()->count(), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(tool.item(), path);

    // One counter per row's letter: the next item of counter A is number 2, counter E is untouched.
    tool.press(QPointF(500, 500));
    QCOMPARE(tool.item()->serial, quint16(2));
    QCOMPARE(tool.serialCounter(ShapeRoute::CounterE), quint16(0));
    // Another row discards the item in progress.
    tool.setRoute(&ten);
    QCOMPARE(scene.items().count(), 1);
    QVERIFY(!tool.item());
    // No row: presses and moves create nothing.
    tool.setRoute(nullptr);
    clickAll(tool, {QPointF(1, 1), QPointF(2, 2)});
    tool.rightPress(QPointF(3, 3));
    QCOMPARE(scene.items().count(), 1);
}

void TestTools::rightClicks()
{
    ClickTool tool(&scene, document);
    QSignalSpy disarm(&tool, &ClickTool::disarmRequested);
    tool.setRoute(&ten);
    // Nothing drawn yet: nothing happens.
    tool.rightPress(QPointF(50, 50));
    QCOMPARE(disarm.count(), 0);
    // One click, below the row's two: the item is deleted.
    tool.press(QPointF(100, 100));
    tool.rightPress(QPointF(100, 100));
    QVERIFY(scene.items().isEmpty() && !tool.item());
    // Two clicks or more: a right click finishes it at its own position.
    clickAll(tool, {QPointF(100, 100), QPointF(200, 100)});
    tool.move(QPointF(250, 150));
    tool.rightPress(QPointF(200, 200));
    auto *path = qgraphicsitem_cast<Path10 *>(GlobalVar::shapeList.value(0));
    QVERIFY(path && path->finished);
    QCOMPARE(path->points[2], QPointF(200, 200));
    QCOMPARE(path->label, QStringLiteral("P2=P2=200.000pixels"));
    // With the item finished, a right click asks for the tool to be disarmed.
    tool.rightPress(QPointF(300, 300));
    QCOMPARE(disarm.count(), 1);
    QVERIFY(!tool.item());
}

void TestTools::removeLastClickRedrawsFromTheClicksBefore()
{
    // A polygon whose third click is taken back ends as if it had never been made.
    const ShapeRoute &polygon = ToolTable::find(ToolId::Polygon)->route;
    ClickTool tool(&scene, document);
    tool.setRoute(&polygon);
    clickAll(tool, {QPointF(100, 100), QPointF(500, 100), QPointF(900, 900)});
    tool.removeLastClick(QPointF(500, 300));
    QCOMPARE(tool.clickCount(), 2);
    QCOMPARE(scene.items().count(), 1);
    clickAll(tool, {QPointF(500, 400), QPointF(100, 400)});
    tool.rightPress(QPointF(100, 400));
    ClickTool straight(&scene, document);
    straight.setRoute(&polygon);
    clickAll(straight, {QPointF(100, 100), QPointF(500, 100), QPointF(500, 400), QPointF(100, 400)});
    straight.rightPress(QPointF(100, 400));
    QCOMPARE(GlobalVar::shapeList.size(), 2);
    QCOMPARE(GlobalVar::shapeList.at(0)->state().points, GlobalVar::shapeList.at(1)->state().points);
    QCOMPARE(GlobalVar::shapeList.at(0)->labelValues(), QStringLiteral("C1=1400.000pixels"));
}

void TestTools::calibrationIsNamedOrGivenUp()
{
    // What the dialog checks and what a kept calibration records are the calibration test's.
    CalibrationWorkflow workflow(document, {2, [](double, double) { return true; }});
    CalibrationTool tool(&scene, document, &workflow, QSize(1600, 1080));
    QSignalSpy kept(&workflow, &CalibrationWorkflow::accepted);
    tool.setRoute(&ToolTable::find(ToolId::CalibrateLine)->route);
    const auto drawAndName = [&](const QPointF &from, const QPointF &to) {
        clickAll(tool, {from, to});
        // A right click names the finished item; the dialog asks for its name and length.
        tool.rightPress(to);
        CalibrateDialog *dialog = workflow.dialog();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    };
    const auto answer = [](CalibrateDialog *dialog, const QString &name, bool keep) {
        for (const QChar key : name)
            dialog->slot_on_ChangeName(QString(key));
        dialog->slot_on_ChangeLength(QStringLiteral("5"));
        keep ? dialog->slot_on_ClickedOKay() : dialog->slot_on_ClickedCancel();
    };
    CalibrateDialog *dialog = drawAndName(QPointF(100, 100), QPointF(600, 100));
    QVERIFY(dialog);
    QCOMPARE(dialog->realPixel, 500.0f);
    // Outside the history: its dialog decides whether it stays.
    QCOMPARE(document->undoStack()->count(), 0);
    answer(dialog, QStringLiteral("10"), true);
    QCOMPARE(kept.count(), 1);
    QCOMPARE(GlobalVar::rulerList.size(), 1);

    // A name in use is refused and the dialog stays; given up, the item is gone.
    dialog = drawAndName(QPointF(100, 300), QPointF(400, 300));
    QVERIFY(dialog);
    answer(dialog, QStringLiteral("10"), true);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(dialog->isVisible());
    answer(dialog, QStringLiteral("11"), false);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QCOMPARE(GlobalVar::rulerList.size(), 1);
    GlobalVar::rulerList.clear();
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
