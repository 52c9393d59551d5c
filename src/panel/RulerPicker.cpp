#include "RulerPicker.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolBar>

#include "CustomComboBoxItem.h"
#include "CustomToolButton.h"
#include "GlobalVar.h"
#include "PanelIcons.h"
#include "RulerUnits.h"
#include "ToolTable.h"
#include "UserDialogs.h"

namespace {
// The calibration a row's text names. The row gives the name whole, so that a display name
// repeated in a hand-edited parameter file still gives the row chosen; a display name alone
// gives the first calibration of that name. -1 for none.
int rulerIndex(const QString &text)
{
    const QString shown = text.section(QLatin1Char(','), 0, 0);
    if (shown.isEmpty())
        return -1;
    for (int i = 0; i < GlobalVar::rulerList.size(); ++i) {
        if (GlobalVar::rulerList.at(i).name == text)
            return i;
    }
    for (int i = 0; i < GlobalVar::rulerList.size(); ++i) {
        if (GlobalVar::rulerList.at(i).name.section(QLatin1Char(','), 0, 0) == shown)
            return i;
    }
    return -1;
}
} // namespace

RulerPicker::RulerPicker(QWidget *panel, QComboBox *rulers, QComboBox *units)
    : QObject(panel)
    , rulers(rulers)
    , units(units)
{
    lineAction = new QAction(QIcon(PanelIcons::assist(ToolTable::find(ToolId::CalibrateLine)->icon)), tr("Line"), panel);
    circleAction =
        new QAction(QIcon(PanelIcons::assist(ToolTable::find(ToolId::CalibrateCircle)->icon)), tr("Circle"), panel);
    menu = new QMenu(panel);
    menu->addAction(lineAction);
    menu->addAction(circleAction);
    button = new CustomToolButton;
    button->setMenu(menu);
    button->setDefaultAction(circleAction);
    toolBar = new QToolBar(panel);
    toolBar->setIconSize(QSize(40, 32));
    toolBar->setStyleSheet(QStringLiteral("QToolBar {background: transparent; border: 0px;}"));
    toolBar->addWidget(button);
    toolBar->move(10, 35);
    toolBar->adjustSize();

    rulers->setStyleSheet(QStringLiteral("QComboBox QAbstractItemView::item{height: 28px;}"));
    listWidget = new QListWidget;
    rulers->setModel(listWidget->model());
    rulers->setView(listWidget);
    rulers->setEditable(true);
    // The edit field shows the chosen calibration's name; calibrations are chosen, not typed.
    rulers->lineEdit()->setReadOnly(true);
    connect(rulers, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &RulerPicker::keepShownText);
}

void RulerPicker::keepShownText()
{
    if (rulers->currentText() != shownText)
        rulers->setEditText(shownText);
}

void RulerPicker::translate()
{
    lineAction->setText(tr("Line"));
    lineAction->setToolTip(tr("Line"));
    circleAction->setText(tr("Circle"));
    circleAction->setToolTip(tr("Circle"));
}

void RulerPicker::fill()
{
    for (const ruler &r : qAsConst(GlobalVar::rulerList)) {
        auto *row = new CustomComboBoxItem;
        row->setItemString(r.name);
        connect(row, &CustomComboBoxItem::signal_showItem, this, &RulerPicker::showItem);
        connect(row, &CustomComboBoxItem::signal_deleteItem, this, &RulerPicker::signal_deleteRequested);
        auto *item = new QListWidgetItem(listWidget);
        item->setData(Qt::UserRole, r.name);
        item->setSizeHint(row->sizeHint());
        listWidget->setItemWidget(item, row);
    }
    showItem(GlobalVar::rulerList.isEmpty() ? QString() : GlobalVar::rulerList.last().name);
}

void RulerPicker::refill()
{
    listWidget->clear();
    fill();
}

void RulerPicker::showItem(const QString &text)
{
    const QString shown = text.section(QLatin1Char(','), 0, 0);
    shownText = shown;
    shownUnit = -1;
    rulers->setEditText(shown);
    rulers->hidePopup();
    const int i = rulerIndex(text);
    if (i < 0)
        return;
    // The calibration's own unit, as stored: a name edited by hand may say another.
    shownUnit = GlobalVar::rulerList.at(i).unit;
    emit signal_changeRulerValue(i);
    if (shownUnit == 0)
        showPixels();
    else
        units->setCurrentIndex(RulerUnits::displayIndex(shownUnit));
}

void RulerPicker::showPixels()
{
    const QSignalBlocker blocker(units);
    units->setCurrentIndex(0);
}

bool RulerPicker::deleteItem(const QString &text)
{
    rulers->hidePopup();
    for (int row = 0; row < listWidget->count(); ++row) {
        if (listWidget->item(row)->data(Qt::UserRole).toString() != text)
            continue;
        const QPoint at = rulers->mapToGlobal(QPoint(0, rulers->height()));
        if (!UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete this calibration?"), at))
            return false;
        delete listWidget->takeItem(row);
        if (row < GlobalVar::rulerList.size())
            GlobalVar::rulerList.removeAt(row);
        keepShownText();
        return true;
    }
    return false;
}

void RulerPicker::unitChosen(int index)
{
    if (shownUnit == 1 || shownUnit == 2) {
        emit signal_changeRulerUnit(index);
        return;
    }
    // Without a length calibration the values stay in pixels, and so does the selector.
    if (shownUnit == 0 && index != 0)
        UserDialogs::warning(nullptr, tr("Warning"), tr("Can't convert this pixel to other!"),
                             rulers->mapToGlobal(QPoint(0, rulers->height())));
    showPixels();
}
