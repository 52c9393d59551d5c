#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "CalibrateCircle.h"
#include "CalibrateLine.h"
#include "MeasureLine.h"
#include "MeasurementDocument.h"
#include "ResultsTable.h"
#include "DialogAnswers.h"
#include "testutils.h"

// The results table on a bare QTableWidget: its rows against GlobalVar::shapeList, deletion
// after a question, and a failed export.
class TestResultsTable : public QObject, private DialogAnswers
{
    Q_OBJECT

private slots:
    void init()
    {
        document = new MeasurementDocument(&scene);
        results = new ResultsTable(&table, document);
        results->init();
        answerDialogs();
    }
    void cleanup()
    {
        delete results;
        delete document;
        qDeleteAll(GlobalVar::shapeList);
        GlobalVar::shapeList.clear();
        forgetDialogs();
    }
    void rowsFollowItems();
    void deleting();
    void exportFailure();

private:
    MeasureLine *addLine(unsigned short serial)
    {
        auto *line = new MeasureLine;
        scene.addItem(line);
        line->setPoint(QPointF(100, 100 * serial), 1, serial);
        line->endDraw(QPointF(300, 100 * serial));
        GlobalVar::shapeList << line;
        return line;
    }
    QString cell(int row, int column) const { return table.item(row, column) ? table.item(row, column)->text() : QString(); }

    TestUtils::Sandbox sandbox;
    QGraphicsScene scene{0, 0, 1920, 1080};
    QTableWidget table;
    MeasurementDocument *document = nullptr;
    ResultsTable *results = nullptr;
};

void TestResultsTable::rowsFollowItems()
{
    // Calibration items have no row.
    GlobalVar::shapeList << new CalibrateLine << new CalibrateCircle;
    MeasureLine *first = addLine(1);
    MeasureLine *second = addLine(2);
    results->update();
    QCOMPARE(cell(0, 1), QStringLiteral("L1"));
    QCOMPARE(cell(0, 2), first->labelValues());
    QCOMPARE(cell(1, 0) + cell(1, 1), QStringLiteral("2L2"));
    QVERIFY(cell(2, 0).isEmpty());

    // A removed item takes its row with it; the rest move up and are numbered again.
    GlobalVar::shapeList.removeOne(first);
    delete first;
    results->update();
    QCOMPARE(cell(0, 0) + cell(0, 1), QStringLiteral("1L2"));
    QVERIFY(!table.item(1, 0) && !table.item(1, 2));

    results->selectRow(0);
    QVERIFY(second->isSelected());
    results->selectRow(5); // an empty row selects nothing
    QVERIFY(!second->isSelected());
}

void TestResultsTable::deleting()
{
    addLine(1);
    MeasureLine *second = addLine(2);
    addLine(3);
    results->update();
    table.setCurrentCell(1, 0);
    QSignalSpy deleted(document, &MeasurementDocument::itemRemoved);

    answer = false;
    results->deleteCurrent();
    QVERIFY(questions == 1 && GlobalVar::shapeList.size() == 3);
    QVERIFY(deleted.isEmpty() && cell(1, 1) == QLatin1String("L2"));

    // The receiver gets the item alive, out of the list and still on the scene; then it leaves
    // the scene, kept by the history.
    answer = true;
    bool aliveAndUnlisted = false;
    connect(document, &MeasurementDocument::itemRemoved, this, [&](Shape *shape) {
        aliveAndUnlisted = shape == second && scene.items().contains(shape) && !GlobalVar::shapeList.contains(shape);
    });
    results->deleteCurrent();
    QVERIFY(deleted.size() == 1 && aliveAndUnlisted);
    QVERIFY(!scene.items().contains(second));
    QCOMPARE(cell(1, 1), QStringLiteral("L3"));

    results->deleteAll();
    QCOMPARE(deleted.size(), 3);
    QVERIFY(GlobalVar::shapeList.isEmpty() && scene.items().isEmpty());
    QVERIFY(table.rowCount() == 32 && cell(0, 0).isEmpty());
}

void TestResultsTable::exportFailure()
{
    // A file where the folder should be.
    QVERIFY(TestUtils::writeFile(sandbox.path(QStringLiteral("file"))));
    QVERIFY(!results->exportTo(sandbox.path(QStringLiteral("file/EXT00001.csv"))));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith(QLatin1String("Can't open file for writing!")));
}

QTEST_MAIN(TestResultsTable)
#include "tst_resultstable.moc"
