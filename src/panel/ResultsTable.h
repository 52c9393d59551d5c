#ifndef RESULTSTABLE_H
#define RESULTSTABLE_H

#include <QHash>
#include <QObject>

class MeasurementDocument;
class QTableWidget;
class Shape;

// The results table of the panel: one row per finished measurement item (number, name, value),
// selection of an item by its row, deletion of one or all results (steps of the document's
// history), and the CSV export, which writes what the table shows. The rows follow every step.
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
    // Writes the table as CSV; false (after a warning) when it failed.
    bool exportTo(const QString &fileName);

signals:
    void repaintRequested();

private:
    // Writes a cell; true when its row must be measured again.
    bool put(int row, int column, const QString &text, Qt::Alignment alignment);
    void putRow(int row, const Shape *shape);

    QTableWidget *table;
    MeasurementDocument *document;
    // The row each finished item was given by the latest rebuild.
    QHash<const Shape *, int> rowOf;
};

#endif // RESULTSTABLE_H
