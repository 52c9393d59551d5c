#include "StatisticsView.h"
#include "ui_StatisticsView.h"

#include <QEvent>
#include <QHeaderView>

#include "QtCompat.h"
#include "ResultsTable.h"
#include "Shape.h"
#include "StatisticsCsv.h"

StatisticsView::StatisticsView(ResultsTable *results, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::StatisticsView)
    , results(results)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->tw_Statistics->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tw_Statistics->verticalHeader()->hide();
    ui->tw_Statistics->setSelectionMode(QAbstractItemView::NoSelection);
    connect(ui->pb_Close, &QPushButton::clicked, this, &QDialog::close);
    connect(results, &ResultsTable::rowsUpdated, this, &StatisticsView::refresh);
    connect(results, &ResultsTable::selectionChanged, this, &StatisticsView::refresh);
    connect(results, &ResultsTable::rowUpdated, this, &StatisticsView::followItem);
    refresh();
}

StatisticsView::~StatisticsView() = default;

void StatisticsView::refresh()
{
    // Each refresh walks the rows once, reading again only the values of changed items.
    const QVector<const Shape *> selected = results->selectedItems();
    selectionOnly = selected.size() >= 2;
    const QVector<const Shape *> items = selectionOnly ? selected : results->listedItems();
    statistics.follow(items);
    showSummaries(int(items.size()), selectionOnly);
}

void StatisticsView::followItem(const Shape *shape)
{
    // On every move of a drag: that item's values alone.
    statistics.followItem(shape);
    showSummaries(statistics.itemCount(), selectionOnly);
}

void StatisticsView::showSummaries(int scope, bool selected)
{
    if (scope == 0)
        ui->l_Scope->setText(tr("No results"));
    else if (selected)
        ui->l_Scope->setText(tr("%1 selected results").arg(scope));
    else
        ui->l_Scope->setText(tr("All %1 results").arg(scope));
    const QVector<QStringList> rows = StatisticsCsv::rows(statistics.summaries());
    QTableWidget *table = ui->tw_Statistics;
    const QStringList header = StatisticsCsv::header();
    table->setColumnCount(header.size());
    table->setHorizontalHeaderLabels(header);
    bool changed = table->rowCount() != rows.size();
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            QTableWidgetItem *cell = table->item(row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                QtCompat::setTextAlignment(cell, Qt::AlignVCenter | (column < 3 ? Qt::AlignLeft : Qt::AlignRight));
                table->setItem(row, column, cell);
            }
            if (cell->text() != rows.at(row).at(column)) {
                cell->setText(rows.at(row).at(column));
                changed = true;
            }
        }
    }
    // Measuring the columns is the dear part of a refresh: only when a text changed.
    if (changed)
        table->resizeColumnsToContents();
}

QVector<QStringList> StatisticsView::shownRows() const
{
    QVector<QStringList> rows;
    const QTableWidget *table = ui->tw_Statistics;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        rows << cells;
    }
    return rows;
}

void StatisticsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showSummaries(statistics.itemCount(), selectionOnly);
    }
    QDialog::changeEvent(event);
}
