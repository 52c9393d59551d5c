#ifndef RESULTSTABLE_H
#define RESULTSTABLE_H

#include <QHash>
#include <QObject>

class QTableWidget;
class Shape;

// The results table of the panel: one row per finished measurement item (number, name, value),
// selection of an item by its row, deletion of one or all results, and the CSV export, which
// writes what the table shows.
class ResultsTable : public QObject
{
    Q_OBJECT

public:
    explicit ResultsTable(QTableWidget *table);

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
    // The item is about to be deleted: whoever holds it lets go of it.
    void shapeDeleted(Shape *shape);
    void repaintRequested();

private:
    void deleteShape(int index);
    // Writes a cell; true when its row must be measured again.
    bool put(int row, int column, const QString &text, Qt::Alignment alignment);
    void putRow(int row, const Shape *shape);

    QTableWidget *table;
    // The row each finished item was given by the latest rebuild.
    QHash<const Shape *, int> rowOf;
};

#endif // RESULTSTABLE_H
