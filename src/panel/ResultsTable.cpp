#include "ResultsTable.h"

#include <QCursor>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>

#include "GlobalVar.h"
#include "MeasurementDocument.h"
#include "QtCompat.h"
#include "ResultsCsv.h"
#include "Shape.h"
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
}

void ResultsTable::init()
{
    table->setColumnCount(3);
    table->setRowCount(emptyRows);
    table->setHorizontalHeaderLabels({tr("index"), tr("item"), tr("value")});
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
    table->setColumnWidth(2, 170);
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
    int row = 0;
    for (const Shape *shape : qAsConst(GlobalVar::shapeList)) {
        if (!isMeasurement(shape))
            continue;
        putRow(row, shape);
        rowOf.insert(shape, row);
        ++row;
    }
    for (; row < table->rowCount() && table->item(row, 0); ++row) {
        for (int column = 0; column < 3; ++column)
            delete table->takeItem(row, column);
        table->resizeRowToContents(row);
    }
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
        rows.append({text(row, 0), text(row, 1), text(row, 2)});
    const QByteArray bytes = ResultsCsv::compose({tr("index"), tr("item"), tr("value")}, rows);
    QString error;
    if (!ResultsCsv::writeFile(fileName, bytes, &error)) {
        UserDialogs::warning(table->window(), tr("Warning"), tr("Can't open file for writing!") + QLatin1Char('\n') + error);
        return false;
    }
    return true;
}
