#include "ResultsTable.h"

#include <QCursor>
#include <QItemSelectionModel>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>

#include <algorithm>

#include "GlobalVar.h"
#include "MeasurementDocument.h"
#include "QtCompat.h"
#include "ResultsCsv.h"
#include "Shape.h"
#include "StatisticsCsv.h"
#include "ToolTable.h"
#include "UserDialogs.h"

namespace {
const int emptyRows = 32;

bool isMeasurement(const Shape *shape)
{
    return ToolTable::isMeasurement(shape->property());
}

// Whether a text's height in a cell follows from its number of lines alone: it has no place
// where a line may wrap and no character that a fallback font may draw taller. Numbers with
// units ("-12.500mm", "d=3,5") are such texts.
bool plainLines(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i).toLatin1();
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || c == '.' || c == '=' || c == ',' || c == '\n'
            || (c == '-' && i + 1 < text.size() && text.at(i + 1).isDigit());
        if (!plain)
            return false;
    }
    return true;
}

// Whether a cell's new text may need another row height than its old one. Measuring a row is
// the dear part of writing thousands of values in a new unit.
bool mayChangeHeight(const QString &before, const QString &after)
{
    return before.count(QLatin1Char('\n')) != after.count(QLatin1Char('\n')) || !plainLines(before)
        || !plainLines(after);
}
} // namespace

ResultsTable::ResultsTable(QTableWidget *table, MeasurementDocument *document)
    : QObject(table)
    , table(table)
    , document(document)
{
    // Every step done, undone or redone shows in the rows at once.
    connect(document, &MeasurementDocument::itemsChanged, this, &ResultsTable::update);
    connect(table, &QTableWidget::itemSelectionChanged, this, &ResultsTable::selectionChanged);
}

void ResultsTable::init()
{
    table->setColumnCount(resultsShown ? 4 : 3);
    table->setRowCount(emptyRows);
    table->setHorizontalHeaderLabels({tr("index"), tr("item"), tr("value"), tr("result")});
    QFont headerFont = table->horizontalHeader()->font();
    headerFont.setBold(true);
    table->horizontalHeader()->setFont(headerFont);
    table->horizontalHeader()->setMinimumSectionSize(55);
    table->horizontalHeader()->setCascadingSectionResizes(true);
    table->horizontalHeader()->setStretchLastSection(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(24);
    table->verticalHeader()->setMinimumSectionSize(24);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAutoScroll(true);
    table->setColumnWidth(0, 55);
    table->setColumnWidth(1, 55);
    // The pass/fail column takes its room from the values.
    table->setColumnWidth(2, resultsShown ? 125 : 170);
    table->setColumnWidth(3, 45);
}

void ResultsTable::showResults(bool shown)
{
    if (shown == resultsShown)
        return;
    resultsShown = shown;
    table->setColumnCount(shown ? 4 : 3);
    if (shown)
        table->setHorizontalHeaderItem(3, new QTableWidgetItem(tr("result")));
    table->setColumnWidth(2, shown ? 125 : 170);
    table->setColumnWidth(3, 45);
}

bool ResultsTable::put(int row, int column, const QString &text, Qt::Alignment alignment)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem(text);
        QtCompat::setTextAlignment(item, alignment);
        table->setItem(row, column, item);
        return true;
    }
    const QString before = item->text();
    if (before == text)
        return false;
    item->setText(text);
    return mayChangeHeight(before, text);
}

void ResultsTable::putRow(int row, const Shape *shape)
{
    // Cells are rewritten only where their text changed, and rows measured again only where the
    // new text may want another height.
    bool changed = put(row, 0, QString::number(row + 1), Qt::AlignCenter);
    changed = put(row, 1, shape->labelName(), Qt::AlignCenter) || changed;
    changed = put(row, 2, shape->labelValues(), Qt::AlignLeft | Qt::AlignVCenter) || changed;
    if (resultsShown) {
        const Tolerance::Verdict verdict = shape->verdict();
        put(row, 3, verdict == Tolerance::Within ? tr("OK") : verdict == Tolerance::Outside ? tr("NG") : QString(),
            Qt::AlignCenter);
    }
    if (changed)
        table->resizeRowToContents(row);
}

void ResultsTable::update()
{
    // Every finished item keeps its row, however many there are: the export reads the table.
    const int count = GlobalVar::shapeList.size();
    if (count > table->rowCount())
        table->setRowCount(count);
    rowOf.clear();
    rowItems.clear();
    bool tolerances = false;
    for (Shape *shape : qAsConst(GlobalVar::shapeList)) {
        if (isMeasurement(shape)) {
            rowItems.append(shape);
            tolerances = tolerances || !shape->tolerance().isEmpty();
        }
    }
    showResults(tolerances);
    int row = 0;
    for (const Shape *shape : qAsConst(rowItems)) {
        putRow(row, shape);
        rowOf.insert(shape, row);
        ++row;
    }
    for (; row < table->rowCount() && table->item(row, 0); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            delete table->takeItem(row, column);
        table->resizeRowToContents(row);
    }
    emit rowsUpdated();
}

void ResultsTable::updateItem(const Shape *shape)
{
    // On every mouse move of a drag: the row of that item alone, however many rows there are.
    // A row that does not hold the item's name any more (rows were deleted) means a rebuild.
    if (!isMeasurement(shape))
        return;
    const int row = rowOf.value(shape, -1);
    const QTableWidgetItem *name = row >= 0 ? table->item(row, 1) : nullptr;
    if (!name || name->text() != shape->labelName()) {
        update();
        return;
    }
    putRow(row, shape);
    emit rowUpdated(shape);
}

Shape *ResultsTable::itemAt(int row) const
{
    // Rows deleted since the latest rebuild are empty.
    const QTableWidgetItem *name = table->item(row, 1);
    Shape *shape = rowItems.value(row);
    return name && shape && name->text() == shape->labelName() ? shape : nullptr;
}

QVector<const Shape *> ResultsTable::selectedItems() const
{
    QVector<const Shape *> items;
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    for (const QModelIndex &index : rows) {
        if (const Shape *shape = itemAt(index.row()))
            items.append(shape);
    }
    std::sort(items.begin(), items.end(), [this](const Shape *a, const Shape *b) { return rowOf.value(a) < rowOf.value(b); });
    return items;
}

QVector<const Shape *> ResultsTable::listedItems() const
{
    QVector<const Shape *> items;
    items.reserve(rowItems.size());
    for (const Shape *shape : rowItems)
        items.append(shape);
    return items;
}

void ResultsTable::selectRow(int row)
{
    const QTableWidgetItem *index = table->item(row, 0);
    const QTableWidgetItem *item = table->item(row, 1);
    const QString name = index && item ? item->text() : QStringLiteral("NULL");
    for (Shape *shape : qAsConst(GlobalVar::shapeList)) {
        if (isMeasurement(shape))
            shape->setSelected(shape->labelName() == name);
    }
}

void ResultsTable::showContextMenu()
{
    QMenu menu(table);
    if (Shape *shape = itemAt(table->currentRow()))
        menu.addAction(tr("Tolerance..."), this, [this, shape] { emit toleranceRequested(shape); });
    menu.addAction(tr("delete"), this, &ResultsTable::deleteCurrent);
    menu.addAction(tr("delete all"), this, &ResultsTable::deleteAll);
    menu.exec(QCursor::pos());
}

void ResultsTable::deleteCurrent()
{
    const int row = table->currentRow();
    if (row < 0 || !table->item(row, 0))
        return;
    const QPoint at(table->mapToGlobal(QPoint(0, 0)).x(), QCursor::pos().y() + 20);
    if (UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete this result?"), at)) {
        const QString name = table->item(row, 1) ? table->item(row, 1)->text() : QString();
        for (Shape *shape : qAsConst(GlobalVar::shapeList)) {
            if (isMeasurement(shape) && shape->labelName() == name) {
                document->remove({shape});
                break;
            }
        }
    }
    emit repaintRequested();
}

void ResultsTable::deleteAll()
{
    if (GlobalVar::shapeList.isEmpty())
        return;
    const QPoint at(table->mapToGlobal(QPoint(0, 0)).x(), QCursor::pos().y() + 20);
    if (UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete the all results?"), at)) {
        document->remove(GlobalVar::shapeList);
        table->clearContents();
        table->setRowCount(emptyRows);
    }
    emit repaintRequested();
}

bool ResultsTable::exportTo(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    QVector<ResultsCsv::Row> rows;
    auto text = [this](int row, int column) {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    };
    for (int row = 0; row < table->rowCount() && table->item(row, 0); ++row)
        rows.append({text(row, 0), text(row, 1), text(row, 2), text(row, 3)});
    QStringList header{tr("index"), tr("item"), tr("value")};
    if (resultsShown)
        header << tr("Result");
    const QByteArray bytes = ResultsCsv::compose(header, rows);
    QString error;
    if (!ResultsCsv::writeFile(fileName, bytes, &error)) {
        UserDialogs::warning(table->window(), tr("Warning"), tr("Can't open file for writing!") + QLatin1Char('\n') + error);
        return false;
    }
    // Beside it, the statistics of every listed item.
    ValueStatistics statistics;
    statistics.follow(listedItems());
    const QString path = StatisticsCsv::pathBeside(fileName);
    if (!ResultsCsv::writeFile(path, StatisticsCsv::compose(statistics.summaries()), &error)) {
        UserDialogs::warning(table->window(), tr("Warning"),
                             tr("The statistics could not be saved to %1!").arg(path) + QLatin1Char('\n') + error);
        return false;
    }
    return true;
}
