#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>

#include "FrameDriver.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "NumericKeypadDialog.h"
#include "ResultsTable.h"
#include "StatisticsView.h"
#include "ToleranceDialog.h"

// Statistics and tolerances through the main window: the view follows new items, undo, redo,
// the selection and the unit; a tolerance typed on the keypad judges the item and the next ones
// of its tool, shows in the table, the drawing and the CSV, and is a step of the history.
class TestTolerances : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void statisticsFollow();
    void toleranceFlow();

private:
    QTableWidget *table() const { return frame->menu()->findChild<QTableWidget *>(QStringLiteral("tw_DataTable")); }
    Shape *line(qreal length, qreal y)
    {
        return draw(ToolId::Line, {QPointF(100, y), QPointF(100 + length, y)});
    }
    StatisticsView *openView()
    {
        QTest::mouseClick(frame->menu()->findChild<QToolButton *>(QStringLiteral("tb_Statistics")), Qt::LeftButton);
        return frame->menu()->findChild<StatisticsView *>();
    }
    // Clicks field `column` of value row `row` and types `keys` (keypad codes, "s" for the sign).
    void type(ToleranceDialog *dialog, int row, int column, const QStringList &keys)
    {
        QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("l_Field_%1_%2").arg(row).arg(column)), Qt::LeftButton);
        NumericKeypadDialog *keypad = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            keypad = keypad ? keypad : qobject_cast<NumericKeypadDialog *>(w);
        QVERIFY(keypad);
        for (const QString &key : keys) {
            if (key == QLatin1String("s"))
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pb_Sign")), Qt::LeftButton);
            else
                keypad->slot_button_Clicked(key);
        }
    }
    void undo() { frame->document()->undoStack()->undo(); }
    void redo() { frame->document()->undoStack()->redo(); }
};

void TestTolerances::statisticsFollow()
{
    StatisticsView *view = openView();
    QVERIFY(view && view->shownRows().isEmpty());
    line(100, 200);
    QCOMPARE(view->shownRows().value(0).mid(2, 4), (QStringList{"pixels", "1", "100.000", "-"}));
    line(200, 300);
    line(300, 400);
    QCOMPARE(view->shownRows().value(0).mid(3, 6), (QStringList{"3", "200.000", "100.000", "100.000", "300.000", "200.000"}));
    undo();
    QCOMPARE(view->shownRows().value(0).mid(3, 2), (QStringList{"2", "150.000"}));
    redo();
    QCOMPARE(view->shownRows().value(0).at(3), QStringLiteral("3"));

    // Two selected rows are their own scope; one selected row is not.
    table()->selectRow(0);
    QCOMPARE(view->shownRows().value(0).at(3), QStringLiteral("3"));
    table()->selectionModel()->select(table()->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(view->shownRows().value(0).mid(3, 2), (QStringList{"2", "200.000"}));
    table()->clearSelection();

    // A calibration of 0.01 mm per pixel, then um.
    GlobalVar::rulerList.append({QStringLiteral("x"), 100.0f, 0.01f, 1});
    frame->slot_changeRulerValue(0);
    QTRY_COMPARE(view->shownRows().value(0).mid(2, 3), (QStringList{"mm", "3", "2.000"}));
    frame->slot_changeRulerUnit(2);
    QTRY_COMPARE(view->shownRows().value(0).mid(2, 3), (QStringList{"um", "3", "2000.000"}));
}

void TestTolerances::toleranceFlow()
{
    Shape *first = line(100, 200);
    ResultsTable *results = table()->findChild<ResultsTable *>();
    emit results->toleranceRequested(first);
    auto *dialog = frame->menu()->findChild<ToleranceDialog *>();
    QVERIFY(dialog);
    // 100 -5 +5 pixels, but first with the lower tolerance typed above the upper one.
    type(dialog, 0, 0, {"1", "0", "0"});
    type(dialog, 0, 1, {"6", "14"});
    type(dialog, 0, 2, {"5", "14"});
    dialog->findChild<QCheckBox *>()->setChecked(true);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pb_Ok")), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(first->tolerance().isEmpty());
    type(dialog, 0, 1, {"13", "5", "s", "14"});
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pb_Ok")), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(first->tolerance().limits().value("L"), (Tolerance::Limits{100, -5, 5}));

    // The next item of the tool gets the same limits; one outside is marked on screen and in the
    // table.
    Shape *second = line(106, 300);
    QVERIFY(first->verdict() == Tolerance::Within && second->verdict() == Tolerance::Outside);
    QVERIFY(second->shownLabel().startsWith(Shape::failureMarker() + QLatin1Char(' ')));
    QCOMPARE(table()->columnCount(), 4);
    QCOMPARE(table()->item(0, 3)->text() + table()->item(1, 3)->text(), QStringLiteral("OKNG"));
    QVERIFY(frame->menu()->exportDataTable(sandbox.path(QStringLiteral("judged.csv"))));
    const QByteArray csv = TestUtils::readFile(sandbox.path(QStringLiteral("judged.csv")));
    QVERIFY(csv.contains("index,item,value,Result,\r\n1,L1,\"L1=100.000pixels\",OK,\r\n"));
    QVERIFY(csv.endsWith("2,L2,\"L2=106.000pixels\",NG,\r\n"));
    QVERIFY(TestUtils::readFile(sandbox.path(QStringLiteral("judged_statistics.csv"))).contains("pixels,2,103.000,"));

    // Setting the tolerance is a step: without it no item has one, and the CSV keeps its three
    // columns.
    undo();
    undo();
    QVERIFY(first->tolerance().isEmpty() && table()->columnCount() == 3);
    QVERIFY(frame->menu()->exportDataTable(sandbox.path(QStringLiteral("plain.csv"))));
    QVERIFY(TestUtils::readFile(sandbox.path(QStringLiteral("plain.csv"))).endsWith("1,L1,\"L1=100.000pixels\",\r\n"));
    redo();
    QCOMPARE(first->verdict(), Tolerance::Within);
}

QTEST_MAIN(TestTolerances)
#include "tst_tolerances.moc"
