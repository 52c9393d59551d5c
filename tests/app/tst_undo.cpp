#include <QApplication>
#include <QMap>
#include <QGraphicsScene>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <random>

#include "CustomLine.h"
#include "ItemLook.h"
#include "RandomUser.h"
#include "MeasureLine.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "ToolId.h"
#include "ToolTable.h"

// Undo and redo through the main window, as the user reaches them: keys, panel buttons, and
// every kind of step taken in random order.
class TestUndo : public QObject, private RandomUser
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namesKeysAndButtons();
    void drawingKeys();
    void dragTakesBackTheLabelsThatGaveWay();
    void randomSequencesUndoAndRedoExactly();

private:
    // What the user can see and save: the items with their geometry, labels and visibility, the
    // scene agreeing with the list, the cross hair, the look, the table and the exported CSV.
    QString snapshot();
    void randomStep(std::mt19937 &random);
    QUndoStack *history() const { return frame->document()->undoStack(); }
    int csvCount = 0;
};

void TestUndo::init()
{
    openFrame();
    answerModalDialogs();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
}

void TestUndo::cleanup()
{
    closeFrame();
}

void TestUndo::namesKeysAndButtons()
{
    QVERIFY(!panel("tb_Undo")->isEnabled() && !panel("tb_Redo")->isEnabled());
    draw(ToolId::Line, {QPointF(100, 100), QPointF(300, 100)});
    Shape *second = draw(ToolId::Line, {QPointF(100, 200), QPointF(300, 200)});
    QVERIFY(panel("tb_Undo")->isEnabled() && !panel("tb_Redo")->isEnabled());

    // What a step leaves and takes back is compared in full by the random sequences below.
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QVERIFY(panel("tb_Redo")->isEnabled());
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(GlobalVar::shapeList.last(), second);
    panel("tb_Undo")->click();
    QTest::keyClick(frame, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(GlobalVar::shapeList.size(), 2);

    // A new item after an undo takes the next name, as after a deletion; the undone one is gone
    // for good.
    panel("tb_Undo")->click();
    Shape *third = draw(ToolId::Line, {QPointF(100, 300), QPointF(300, 300)});
    QCOMPARE(third->labelName(), QStringLiteral("L3"));
    QVERIFY(!panel("tb_Redo")->isEnabled());

    // Undo while an item is being drawn abandons that item and nothing else.
    frame->armTool(ToolId::Line);
    click(viewport(), QPointF(500, 500));
    const int index = history()->index();
    panel("tb_Undo")->click();
    QCOMPARE(frame->pointIndex(), quint8(0));
    QCOMPARE(GlobalVar::shapeList.size(), 2);
    QCOMPARE(history()->index(), index);
}

void TestUndo::drawingKeys()
{
    // Backspace takes back the last click of a polygon, and on the first click abandons the
    // item, as Escape does; the tool stays armed and the finished item stays.
    Shape *kept = draw(ToolId::Line, {QPointF(100, 100), QPointF(400, 100)});
    frame->armTool(ToolId::Polygon);
    click(viewport(), QPointF(100, 300));
    click(viewport(), QPointF(400, 300));
    QTest::keyClick(frame, Qt::Key_Backspace);
    QCOMPARE(frame->pointIndex(), quint8(1));
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Escape}) {
        if (frame->pointIndex() == 0)
            click(viewport(), QPointF(700, 700));
        QTest::keyClick(frame, key);
        QCOMPARE(frame->pointIndex(), quint8(0));
        QVERIFY(frame->isDrawing() && !frame->currentShape());
        QCOMPARE(frame->scene()->items().count(kept), 1);
    }
    // Escape with nothing begun disarms the tool, as a right click does.
    QTest::keyClick(frame, Qt::Key_Escape);
    QVERIFY(!frame->isDrawing());
    QCOMPARE(GlobalVar::shapeList.size(), 1);
}

void TestUndo::dragTakesBackTheLabelsThatGaveWay()
{
    // The second segment's label gives way to the first's; dragging the first away lets it go
    // home, and one undo puts both back.
    Shape *first = draw(ToolId::Line, {QPointF(100, 100), QPointF(400, 100)});
    Shape *second = draw(ToolId::Line, {QPointF(100, 112), QPointF(400, 112)});
    const QPointF gaveWay = second->labelOffset();
    QVERIFY(!gaveWay.isNull());
    frame->disarmTool();
    click(viewport(), QPointF(250, 100));
    QVERIFY(first->isSelected());
    TestUtils::drag(viewport(), QPointF(250, 100), QPointF(250, 600));
    QCOMPARE(first->pos(), QPointF(0, 500));
    QVERIFY(second->labelOffset() != gaveWay);
    QCOMPARE(history()->count(), 3);
    panel("tb_Undo")->click();
    QCOMPARE(first->pos(), QPointF(0, 0));
    QCOMPARE(second->labelOffset(), gaveWay);
}

QString TestUndo::snapshot()
{
    const auto number = [](qreal value) { return QString::number(value, 'g', 17); };
    const auto point = [&](const QPointF &p) { return number(p.x()) + QLatin1Char(',') + number(p.y()); };
    QStringList lines;
    // Calibration items are outside the history: each waits for its dialog's answer.
    const auto measured = [inProgress = frame->pointIndex() > 0 ? frame->currentShape() : nullptr](QGraphicsItem *item) {
        auto *shape = dynamic_cast<Shape *>(item);
        return shape && shape != inProgress && ToolTable::isMeasurement(shape->property());
    };
    const QList<QGraphicsItem *> items = frame->scene()->items();
    lines << QStringLiteral("scene %1 list %2")
                 .arg(std::count_if(items.begin(), items.end(), measured))
                 .arg(std::count_if(GlobalVar::shapeList.begin(), GlobalVar::shapeList.end(), measured));
    for (Shape *shape : qAsConst(GlobalVar::shapeList)) {
        if (!measured(shape))
            continue;
        const Shape::State state = shape->state();
        QString line = QStringLiteral("%1 %2 %3 visible=%4 at %5 label %6 |")
                           .arg(shape->type())
                           .arg(shape->label)
                           .arg(shape->serial)
                           .arg(shape->isVisible())
                           .arg(point(state.position), point(state.labelOffset));
        for (const QPointF &p : state.points)
            line += QLatin1Char(' ') + point(p);
        lines << line;
    }
    for (const CustomLine *cross : {frame->menu()->horizontalCrossLine, frame->menu()->verticalCrossLine})
        lines << QStringLiteral("cross %1 %2 %3 %4").arg(point(cross->pos()), point(cross->position)).arg(cross->pen.width()).arg(cross->pen.color().name());
    const ItemLook look = ItemLook::current();
    lines << QStringLiteral("look %1 %2 %3 %4").arg(look.digits).arg(look.font.pointSize()).arg(look.pen.width()).arg(look.textOn);
    // The export holds the table's rows.
    const QString path = sandbox.path(QStringLiteral("results%1.csv").arg(++csvCount));
    if (!frame->menu()->exportDataTable(path))
        return QStringLiteral("export failed");
    lines << QString::fromUtf8(TestUtils::readFile(path));
    return lines.join(QLatin1Char('\n'));
}

// The first line where two snapshots differ.
static QString difference(const QString &now, const QString &expected)
{
    const QStringList a = now.split(QLatin1Char('\n')), b = expected.split(QLatin1Char('\n'));
    int i = 0;
    while (i < a.size() && i < b.size() && a.at(i) == b.at(i))
        ++i;
    return QStringLiteral("line %1 is \"%2\", expected \"%3\"").arg(i).arg(a.value(i), b.value(i));
}

void TestUndo::randomStep(std::mt19937 &random)
{
    // What a user does between two undos: draws with every tool, deletes, hides, drags and
    // reshapes, moves the cross hair, changes the look.
    static const int weights[] = {6, 30, 10, 10, 4, 3, 3, 3, 1, 2, 0, 0, 0, 3, 0, 5, 5, 0, 0, 0, 0, 3};
    std::discrete_distribution<int> kind(std::begin(weights), std::end(weights));
    const QString failure = perform(kind(random), random);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestUndo::randomSequencesUndoAndRedoExactly()
{
    // Each sequence starts with an empty history; undoing everything gives the scene, table and
    // CSV it started from, to the last bit, and redoing everything the ones it ended with.
    const int sequences = 200;
    QMap<QString, int> kinds;
    for (int seed = 1; seed <= sequences; ++seed) {
        if (GlobalVar::shapeList.size() > 12)
            frame->menu()->slot_tableAllDelete();
        frame->document()->clearHistory();
        std::mt19937 random(seed);
        const QString start = snapshot();
        for (int step = 0; step < 30; ++step)
            randomStep(random);
        while (history()->canRedo())
            history()->redo();
        for (int i = 0; i < history()->count(); ++i)
            ++kinds[history()->text(i)];
        const QString end = snapshot();
        while (history()->canUndo())
            history()->undo();
        QVERIFY2(snapshot() == start, qPrintable(QStringLiteral("seed %1 undone: ").arg(seed) + difference(snapshot(), start)));
        while (history()->canRedo())
            history()->redo();
        QVERIFY2(snapshot() == end, qPrintable(QStringLiteral("seed %1 redone: ").arg(seed) + difference(snapshot(), end)));
    }
    // The sequences made steps of every kind, each many times.
    QCOMPARE(kinds.keys(), QStringList({"add", "edit", "hide", "line", "look", "remove"}));
    for (int count : qAsConst(kinds))
        QVERIFY2(count >= sequences / 4, qPrintable(QStringList(kinds.keys()).join(QLatin1Char(' '))));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
