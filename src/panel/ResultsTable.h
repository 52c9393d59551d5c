#ifndef RESULTSTABLE_H
#define RESULTSTABLE_H

#include <QHash>
#include <QObject>
#include <QVector>

class MeasurementDocument;
class QTableWidget;
class Shape;

// The results table of the panel: one row per finished measurement item (number, name, value,
// and, once an item has a tolerance, whether it is within it), selection of an item by its row,
// deletion of one or all results (steps of the document's history), and the CSV export, which
// writes what the table shows. The rows follow every step.
class ResultsTable : public QObject
{
    Q_OBJECT

public:
    ResultsTable(QTableWidget *table, MeasurementDocument *document);

    // Columns, headers and row heights; again after a language change.
    void init();
    // Brings the rows in line with the finished items.
    void update();
    // The values of this finished item changed (it is being dragged or reshaped).
    void updateItem(const Shape *shape);
    // Selects the items named in `row`, and only them.
    void selectRow(int row);
    void showContextMenu();
    // Delete the result of the current row, or every item, each after a question.
    void deleteCurrent();
    void deleteAll();
    // Writes the table as CSV; false (after a warning) when it failed. A last column "Result"
    // is written only while some item has a tolerance.
    bool exportTo(const QString &fileName);

    // The item listed in `row`; null for an empty row.
    Shape *itemAt(int row) const;
    // The items of the selected rows, in row order.
    QVector<const Shape *> selectedItems() const;
    // Every listed item, in row order.
    QVector<const Shape *> listedItems() const;

signals:
    void repaintRequested();
    // The rows were brought in line with the items, or one item's row was written again.
    void rowsUpdated();
    void rowUpdated(const Shape *shape);
    void selectionChanged();
    // The user asked to set the tolerance of this listed item.
    void toleranceRequested(Shape *shape);

private:
    // Writes a cell; true when its row must be measured again.
    bool put(int row, int column, const QString &text, Qt::Alignment alignment);
    void putRow(int row, const Shape *shape);
    // Shows or hides the pass/fail column.
    void showResults(bool shown);

    QTableWidget *table;
    MeasurementDocument *document;
    // The row each finished item was given by the latest rebuild.
    QHash<const Shape *, int> rowOf;
    QVector<Shape *> rowItems;
    bool resultsShown = false;
};

#endif // RESULTSTABLE_H
