#ifndef RESULTSTABLE_H
#define RESULTSTABLE_H

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

    QTableWidget *table;
};

#endif // RESULTSTABLE_H
