#ifndef STATISTICSVIEW_H
#define STATISTICSVIEW_H

#include <QDialog>

#include <memory>

#include "ValueStatistics.h"

class ResultsTable;
class Shape;

namespace Ui {
class StatisticsView;
}

// A small window over the panel with the statistics of the results: of every listed item, or of
// the selected rows when two or more are selected. It follows the table as items are finished,
// changed, deleted, undone or redone, keeping its sums from one refresh to the next, and
// deletes itself when closed.
class StatisticsView : public QDialog
{
    Q_OBJECT

public:
    StatisticsView(ResultsTable *results, QWidget *parent = nullptr);
    ~StatisticsView() override;

    // Follows the rows as they are now.
    void refresh();
    // The texts of the shown rows.
    QVector<QStringList> shownRows() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void followItem(const Shape *shape);
    void showSummaries(int scope, bool selected);

    std::unique_ptr<Ui::StatisticsView> ui;
    ResultsTable *results;
    ValueStatistics statistics;
    bool selectionOnly = false;
};

#endif // STATISTICSVIEW_H
