#include "Menu.h"
#include "ui_Menu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

#include "Control.h"
#include "CustomComboBoxItem.h"
#include "CustomLine.h"
#include "CustomToolButton.h"
#include "Frame.h"
#include "FreeName.h"
#include "GlobalVar.h"
#include "GraphicsView.h"
#include "LinesConfigFile.h"
#include "ParamFile.h"
#include "QtCompat.h"
#include "ResultsCsv.h"
#include "Shape.h"
#include "SystemPaths.h"
#include "UserDialogs.h"
#include "ccdSetDialog.h"

namespace {
struct ToolButtonRow
{
    const char *object;
    int code;
    const char *icon;
    const char *toolTip;
};

// The measurement tools of the palette: button, tool code, icon name, tool tip.
const ToolButtonRow toolRows[] = {
    {"tb_FreeLine", 3, "line", QT_TRANSLATE_NOOP("Menu", "line")},
    {"tb_HorizontalLine", 4, "horizontalline", QT_TRANSLATE_NOOP("Menu", "horizontal line")},
    {"tb_VerticalLine", 5, "verticalline", QT_TRANSLATE_NOOP("Menu", "vertical line")},
    {"tb_ParaLine", 7, "paraline", QT_TRANSLATE_NOOP("Menu", "distance between parallel lines")},
    {"tb_CustomParaline", 8, "customparaline", QT_TRANSLATE_NOOP("Menu", "distance between custom parallel lines")},
    {"tb_P2Line", 9, "point2line", QT_TRANSLATE_NOOP("Menu", "distance from point to line")},
    {"tb_Angle", 10, "angle", QT_TRANSLATE_NOOP("Menu", "angle")},
    {"tb_Rectangle", 11, "rect", QT_TRANSLATE_NOOP("Menu", "rectangle")},
    {"tb_Polygon", 12, "polygon", QT_TRANSLATE_NOOP("Menu", "polygon")},
    {"tb_DualParaLine", 13, "dualparaline", QT_TRANSLATE_NOOP("Menu", "dual parallel lines")},
    {"tb_Radian", 14, "radian", QT_TRANSLATE_NOOP("Menu", "radian")},
    {"tb_Circle", 15, "circle", QT_TRANSLATE_NOOP("Menu", "circle")},
    {"tb_P2Circle", 16, "point2circle", QT_TRANSLATE_NOOP("Menu", "distance from point to center of circle")},
    {"tb_L2Circle", 17, "line2circle", QT_TRANSLATE_NOOP("Menu", "distance from line to center of circle")},
    {"tb_C2Circle", 18, "circle2circle", QT_TRANSLATE_NOOP("Menu", "distance between center of circles")},
    {"tb_Concentric", 19, "concentric", QT_TRANSLATE_NOOP("Menu", "concentric circles")},
    {"tb_Paraline2Paraline", 20, "paraline2paraline", QT_TRANSLATE_NOOP("Menu", "distance between center of parallel lines")},
};
const int toolCount = int(sizeof toolRows / sizeof toolRows[0]);

QString mainIcon(const char *name, bool armed)
{
    return QStringLiteral(":/main/Icon/main/%1%2.png").arg(QLatin1String(name), armed ? QStringLiteral("-select") : QString());
}

QString assistIcon(const char *name)
{
    return QStringLiteral(":/assist/Icon/assist/%1.png").arg(QLatin1String(name));
}

const char *const languageFrame = "border: 1px solid red;border-radius: 6px;";
} // namespace

std::function<QString(const QString &)> Menu::freeDiskProbe;

Menu::Menu(QWidget *parent)
    : QDialog(parent)
    , frame(qobject_cast<Frame *>(parent))
    , ui(new Ui::Menu)
{
    ui->setupUi(this);
    for (const ToolButtonRow &row : toolRows) {
        QToolButton *button = findChild<QToolButton *>(QLatin1String(row.object));
        toolButtons << button;
        const int index = toolButtons.size() - 1;
        connect(button, &QToolButton::clicked, this, [this, index]() { toolClicked(index); });
    }
    // These tools share their places with visible ones and lie beneath them.
    for (QWidget *covered : {static_cast<QWidget *>(ui->tb_HorizontalLine), static_cast<QWidget *>(ui->tb_VerticalLine),
                             static_cast<QWidget *>(ui->tb_CrossLine), static_cast<QWidget *>(ui->tb_CustomParaline),
                             static_cast<QWidget *>(ui->tb_DualParaLine), static_cast<QWidget *>(ui->tb_Paraline2Paraline)})
        covered->lower();

    initCalibrateMenu();
    initDataTable();
    translateUI();
    GlobalVar::rulerList.clear();

    ui->tb_UpgradeApplication->hide();
    ui->l_Memory->hide();
    ui->l_Version->setText(QStringLiteral("V %1").arg(QCoreApplication::applicationVersion().toDouble(), 0, 'f', 2));

    ui->cb_Ruler->setStyleSheet(QStringLiteral("QComboBox QAbstractItemView::item{height: 28px;}"));
    rulerListWidget = new QListWidget;
    ui->cb_Ruler->setModel(rulerListWidget->model());
    ui->cb_Ruler->setView(rulerListWidget);
    ui->cb_Ruler->setEditable(true);
    // The edit field shows the chosen calibration's name; calibrations are chosen, not typed.
    ui->cb_Ruler->lineEdit()->setReadOnly(true);
    ui->cb_Unit->addItems(tr("pixel,mm,um,inch,mil").split(QLatin1Char(',')));
    ui->cb_Unit->setCurrentIndex(0);

    ui->w_horizontalLine->setStyleSheet(QStringLiteral("border-image: url(%1); border: 1px solid gray; border-radius: 5px;")
                                            .arg(assistIcon("line-horizontal")));
    ui->w_verticalLine->setStyleSheet(QStringLiteral("border-image: url(%1); border: 1px solid gray; border-radius: 5px;")
                                          .arg(assistIcon("line-vertical")));
    setIcon(ui->tb_DataSave, assistIcon("save"));
    setIcon(ui->tb_Capture, assistIcon("capture"));
    setIcon(ui->tb_Config, assistIcon("configuration"));
    setIcon(ui->tb_Freeze, assistIcon("freeze-off"));
    setIcon(ui->tb_Delete, assistIcon("delect"));
    setIcon(ui->tb_Font, assistIcon("font"));
    setIcon(ui->tb_FolderOpen, assistIcon("folder"));
    setIcon(ui->tb_PointDetect, assistIcon("target-manual"));
    ui->tb_Pin->setStyleSheet(QStringLiteral("QToolButton {border-image: url(%1)} QToolButton:checked {border-image: url(%2)}")
                                  .arg(assistIcon("pin"), assistIcon("unpin")));

    hideTimerId = startTimer(5000);
    memoryTimerId = startTimer(1000);
    opacityEffect = new QGraphicsOpacityEffect(this);
    opacityEffect->setOpacity(1.0);
    setGraphicsEffect(opacityEffect);

    const QPen pen = ParamFile::referencePen();
    verticalCrossLine = addReferenceLine(QStringLiteral("vertical"), QPointF(800, 0), pen);
    horizontalCrossLine = addReferenceLine(QStringLiteral("horizontal"), QPointF(0, 540), pen);

    for (QWidget *button : {static_cast<QWidget *>(ui->tb_DataSave), static_cast<QWidget *>(ui->tb_Capture),
                            static_cast<QWidget *>(ui->tb_CustomSave)})
        button->setProperty("dialogfullkeyboard", true);
}

Menu::~Menu()
{
    delete fileDialog;
}

void Menu::setIcon(QToolButton *button, const QString &path)
{
    button->setStyleSheet(QStringLiteral("QToolButton {border-image: url(%1)}").arg(path));
}

CustomLine *Menu::addReferenceLine(const QString &name, const QPointF &position, const QPen &pen)
{
    auto *line = new CustomLine;
    line->name = name;
    line->position = position;
    line->pen = pen;
    line->initialLine();
    connect(line, &CustomLine::signal_saveLinesProperty, this, &Menu::slot_saveLinesProperty);
    if (frame)
        frame->scene->addItem(line);
    return line;
}

void Menu::initCalibrateMenu()
{
    calibrateLineAction = new QAction(QIcon(assistIcon("ruler-line")), tr("Line"), this);
    calibrateCircleAction = new QAction(QIcon(assistIcon("ruler-circle")), tr("Circle"), this);
    connect(calibrateLineAction, &QAction::triggered, this, &Menu::slot_calibrateline);
    connect(calibrateCircleAction, &QAction::triggered, this, &Menu::slot_calibrateCircle);
    calibrateMenu = new QMenu(this);
    calibrateMenu->addAction(calibrateLineAction);
    calibrateMenu->addAction(calibrateCircleAction);
    calibrateButton = new CustomToolButton;
    calibrateButton->setMenu(calibrateMenu);
    calibrateButton->setDefaultAction(calibrateCircleAction);
    calibrateToolBar = new QToolBar(this);
    calibrateToolBar->setIconSize(QSize(40, 32));
    calibrateToolBar->setStyleSheet(QStringLiteral("QToolBar {background: transparent; border: 0px;}"));
    calibrateToolBar->addWidget(calibrateButton);
    calibrateToolBar->move(10, 35);
    calibrateToolBar->adjustSize();
}

void Menu::slot_calibrateline()
{
    initMainButton();
    if (frame)
        frame->armTool(1);
}

void Menu::slot_calibrateCircle()
{
    initMainButton();
    if (frame)
        frame->armTool(2);
}

void Menu::fillRulerList()
{
    for (const ruler &r : qAsConst(GlobalVar::rulerList)) {
        auto *row = new CustomComboBoxItem;
        row->setItemString(r.name);
        connect(row, &CustomComboBoxItem::signal_showItem, this, &Menu::slot_rulerShowItem);
        connect(row, &CustomComboBoxItem::signal_deleteItem, this, &Menu::slot_rulerDeleteItem);
        auto *item = new QListWidgetItem(rulerListWidget);
        item->setData(Qt::UserRole, r.name);
        item->setSizeHint(row->sizeHint());
        rulerListWidget->setItemWidget(item, row);
    }
    slot_rulerShowItem(GlobalVar::rulerList.isEmpty() ? QString() : GlobalVar::rulerList.last().name);
}

void Menu::initRulerTable()
{
    fillRulerList();
}

void Menu::updateRulerTable()
{
    rulerListWidget->clear();
    fillRulerList();
    saveParam(2);
}

void Menu::slot_rulerShowItem(const QString &text)
{
    const QString shown = text.section(QLatin1Char(','), 0, 0);
    ui->cb_Ruler->setEditText(shown);
    ui->cb_Ruler->hidePopup();
    for (int i = 0; i < GlobalVar::rulerList.size(); ++i) {
        const QString &name = GlobalVar::rulerList.at(i).name;
        if (name.section(QLatin1Char(','), 0, 0) != shown || shown.isEmpty())
            continue;
        emit signal_changeRulerValue(i);
        if (name.contains(QLatin1String("pixels")))
            break;
        if (name.contains(QLatin1String("mm")))
            ui->cb_Unit->setCurrentIndex(1);
        else if (name.contains(QLatin1String("inch")))
            ui->cb_Unit->setCurrentIndex(3);
        break;
    }
}

void Menu::slot_rulerDeleteItem(const QString &text)
{
    ui->cb_Ruler->hidePopup();
    for (int row = 0; row < rulerListWidget->count(); ++row) {
        if (rulerListWidget->item(row)->data(Qt::UserRole).toString() != text)
            continue;
        const QPoint at = ui->cb_Ruler->mapToGlobal(QPoint(0, ui->cb_Ruler->height()));
        if (UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete this calibration?"), at)) {
            delete rulerListWidget->takeItem(row);
            if (row < GlobalVar::rulerList.size())
                GlobalVar::rulerList.removeAt(row);
        }
        break;
    }
    saveParam(2);
}

void Menu::on_cb_Unit_currentIndexChanged(int index)
{
    const QString shown = ui->cb_Ruler->currentText();
    for (int row = 0; row < rulerListWidget->count() && row < GlobalVar::rulerList.size(); ++row) {
        if (shown.isEmpty()
            || rulerListWidget->item(row)->data(Qt::UserRole).toString().section(QLatin1Char(','), 0, 0) != shown)
            continue;
        if (GlobalVar::rulerList.at(row).name.contains(tr("pixels"))) {
            UserDialogs::warning(nullptr, tr("Warning"), tr("Can't convert this pixel to other!"),
                                 ui->cb_Ruler->mapToGlobal(QPoint(0, ui->cb_Ruler->height())));
            return;
        }
        emit signal_changeRulerUnit(index);
        return;
    }
}

void Menu::translateUI()
{
    calibrateLineAction->setText(tr("Line"));
    calibrateLineAction->setToolTip(tr("Line"));
    calibrateCircleAction->setText(tr("Circle"));
    calibrateCircleAction->setToolTip(tr("Circle"));
    for (int i = 0; i < toolCount; ++i)
        toolButtons.at(i)->setToolTip(tr(toolRows[i].toolTip));
    ui->tb_CrossLine->setToolTip(tr("cross line"));
}

void Menu::initMenu()
{
    initParam();
    initMainButton();
    initRulerTable();
    setIcon(ui->tb_PointDetect, assistIcon(GlobalVar::bDetectAuto ? "target-auto" : "target-manual"));
}

void Menu::initMainButton()
{
    for (int i = 0; i < toolCount; ++i)
        setIcon(toolButtons.at(i), mainIcon(toolRows[i].icon, false));
    setIcon(ui->tb_CrossLine, mainIcon(GlobalVar::bCrossShow ? "crossline" : "crossline-hide", false));
    if (frame)
        frame->disarmTool();
}

void Menu::toolClicked(int index)
{
    QToolButton *button = toolButtons.at(index);
    const bool armed = button->styleSheet().contains(QLatin1String("select"));
    initMainButton();
    if (armed)
        return;
    setIcon(button, mainIcon(toolRows[index].icon, true));
    if (frame)
        frame->armTool(toolRows[index].code);
}

void Menu::on_tb_CrossLine_clicked()
{
    showCrossHair(!GlobalVar::bCrossShow);
    initMainButton();
    saveParam(5);
}

void Menu::showCrossHair(bool shown)
{
    GlobalVar::bCrossShow = shown;
    verticalCrossLine->setVisible(shown);
    horizontalCrossLine->setVisible(shown);
}

void Menu::on_tb_PointDetect_clicked()
{
    GlobalVar::bDetectAuto = !GlobalVar::bDetectAuto;
    setIcon(ui->tb_PointDetect, assistIcon(GlobalVar::bDetectAuto ? "target-auto" : "target-manual"));
    saveParam(1);
}

// --- Results table -----------------------------------------------------------------------------

void Menu::initDataTable()
{
    QTableWidget *table = ui->tw_DataTable;
    table->setColumnCount(3);
    table->setRowCount(32);
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

void Menu::updateDataTable()
{
    // Called on every mouse move while an item is dragged: cells are rewritten only where
    // their text changed, and only those rows are measured again.
    QTableWidget *table = ui->tw_DataTable;
    // Every finished item keeps its row, however many there are: the export reads the table.
    const int count = GlobalVar::shapeList.size();
    if (count > table->rowCount())
        table->setRowCount(count);
    auto put = [table](int row, int column, const QString &text, Qt::Alignment alignment) {
        QTableWidgetItem *item = table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem(text);
            QtCompat::setTextAlignment(item, alignment);
            table->setItem(row, column, item);
            return true;
        }
        if (item->text() == text)
            return false;
        item->setText(text);
        return true;
    };
    int row = 0;
    for (const Shape *shape : qAsConst(GlobalVar::shapeList)) {
        const int code = shape->property();
        if (code == 1 || code == 2)
            continue;
        bool changed = put(row, 0, QString::number(row + 1), Qt::AlignCenter);
        changed = put(row, 1, shape->labelName(), Qt::AlignCenter) || changed;
        changed = put(row, 2, shape->labelValues(), Qt::AlignLeft | Qt::AlignVCenter) || changed;
        if (changed)
            table->resizeRowToContents(row);
        ++row;
    }
    for (; row < table->rowCount() && table->item(row, 0); ++row) {
        for (int column = 0; column < 3; ++column)
            delete table->takeItem(row, column);
        table->resizeRowToContents(row);
    }
}

void Menu::on_tw_DataTable_cellClicked(int row, int)
{
    if (frame && frame->shapeType != 0)
        initMainButton();
    const QTableWidgetItem *index = ui->tw_DataTable->item(row, 0);
    const QTableWidgetItem *item = ui->tw_DataTable->item(row, 1);
    const QString name = index && item ? item->text() : QStringLiteral("NULL");
    for (Shape *shape : qAsConst(GlobalVar::shapeList)) {
        const int code = shape->property();
        if (code >= 3 && code <= 20)
            shape->setSelected(shape->labelName() == name);
    }
}

void Menu::on_tw_DataTable_customContextMenuRequested(const QPoint &)
{
    QMenu menu(ui->tw_DataTable);
    menu.addAction(tr("delete"), this, &Menu::slot_tableDelete);
    menu.addAction(tr("delete all"), this, &Menu::slot_tableAllDelete);
    menu.exec(QCursor::pos());
}

void Menu::deleteShape(int index)
{
    Shape *shape = GlobalVar::shapeList.takeAt(index);
    if (frame)
        frame->forgetShape(shape);
    delete shape;
}

void Menu::slot_tableDelete()
{
    QTableWidget *table = ui->tw_DataTable;
    const int row = table->currentRow();
    if (row < 0 || !table->item(row, 0))
        return;
    const QPoint at(table->mapToGlobal(QPoint(0, 0)).x(), QCursor::pos().y() + 20);
    if (UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete this result?"), at)) {
        const QString name = table->item(row, 1) ? table->item(row, 1)->text() : QString();
        table->removeRow(row);
        for (int i = 0; i < GlobalVar::shapeList.size(); ++i) {
            const Shape *shape = GlobalVar::shapeList.at(i);
            if (shape->property() >= 3 && shape->property() <= 20 && shape->labelName() == name) {
                deleteShape(i);
                break;
            }
        }
    }
    repaintView();
}

void Menu::slot_tableAllDelete()
{
    if (GlobalVar::shapeList.isEmpty())
        return;
    const QPoint at(ui->tw_DataTable->mapToGlobal(QPoint(0, 0)).x(), QCursor::pos().y() + 20);
    if (UserDialogs::question(nullptr, tr("Warning"), tr("Are you sure to delete the all results?"), at)) {
        while (!GlobalVar::shapeList.isEmpty())
            deleteShape(0);
        ui->tw_DataTable->clearContents();
        ui->tw_DataTable->setRowCount(32);
    }
    repaintView();
}

void Menu::on_tb_Delete_clicked()
{
    setIcon(ui->tb_Delete, assistIcon("delect-select"));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
    for (int i = GlobalVar::shapeList.size() - 1; i >= 0; --i) {
        Shape *shape = GlobalVar::shapeList.at(i);
        shape->setVisible(false);
        const int code = shape->property();
        if ((code == 1 || code == 2) && frame && frame->currentShape == shape)
            deleteShape(i);
    }
    setIcon(ui->tb_Delete, assistIcon("delect"));
    repaintView();
}

void Menu::repaintView()
{
    if (frame)
        frame->view->viewport()->update();
}

void Menu::on_tb_DataSave_clicked()
{
    if (fileAction != 0)
        return;
    setIcon(ui->tb_DataSave, assistIcon("save-select"));
    const QString base = isFileExist(QStringLiteral("EXT"), QStringLiteral("csv"));
    if (!base.isEmpty()) {
        fileAction = 1;
        fileDialogShow(1, tr("Save Excel File"), base + QStringLiteral(".csv"), tr("Files (*.csv)"));
    }
    setIcon(ui->tb_DataSave, assistIcon("save"));
}

bool Menu::exportDataTable(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    const QTableWidget *table = ui->tw_DataTable;
    QVector<ResultsCsv::Row> rows;
    auto text = [table](int row, int column) {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    };
    for (int row = 0; row < table->rowCount() && table->item(row, 0); ++row)
        rows.append({text(row, 0), text(row, 1), text(row, 2)});
    const QByteArray bytes = ResultsCsv::compose({tr("index"), tr("item"), tr("value")}, rows);
    QString error;
    if (!ResultsCsv::writeFile(fileName, bytes, &error)) {
        UserDialogs::warning(this, tr("Warning"), tr("Can't open file for writing!") + QLatin1Char('\n') + error);
        return false;
    }
    return true;
}

// --- Files ---------------------------------------------------------------------------------------

QString Menu::isFileExist(const QString &prefix, const QString &extensions)
{
    const QString root = prefix.contains(QLatin1String("CFG")) ? QStringLiteral("/mnt/") : QStringLiteral("/media/usb/");
    const QDir dir(SystemPaths::resolve(root));
    const QString free = freeDiskProbe ? freeDiskProbe(root) : GlobalVar::getFreeDisk(SystemPaths::resolve(root));
    if (free.isEmpty()) {
        UserDialogs::warning(this, tr("Warning"), tr("U disk isn't exists! Please insert U disk!"));
        return QString();
    }
    const double available = free.mid(free.lastIndexOf(QLatin1Char(':')) + 1).remove(QStringLiteral("MB")).toDouble();
    if (!(available > 8.0)) {
        UserDialogs::warning(this, tr("Warning"), tr("U disk space is insufficient! Please change another U disk!"));
        return QString();
    }
    const QString folder = dir.path() + QStringLiteral("/DCIM");
    if (!QDir().mkpath(folder)) {
        UserDialogs::warning(this, tr("Warning"), tr("Can't open file for writing!"));
        return QString();
    }
    const int number = FreeName::nextNumber(folder, prefix, extensions);
    if (number > FreeName::maximum) {
        UserDialogs::warning(this, tr("Warning"),
                             tr("No free file name is left in %1. Please move or delete old files.").arg(folder));
        return QString();
    }
    return folder + QLatin1Char('/') + FreeName::baseName(prefix, number);
}

void Menu::fileDialogShow(int mode, const QString &title, const QString &path, const QString &filter)
{
    if (mode == 0)
        return;
    fileName.clear();
    delete fileDialog;
    fileDialog = new QFileDialog;
    fileDialog->setOption(QFileDialog::DontUseNativeDialog, true);
    fileDialog->setWindowTitle(title);
    const QFileInfo info(path);
    fileDialog->setDirectory(info.absolutePath());
    fileDialog->selectFile(info.fileName());
    fileDialog->setNameFilter(filter);
    fileDialog->setAcceptMode(mode == 1 ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog->setSidebarUrls({QUrl::fromLocalFile(SystemPaths::resolve(QStringLiteral("/media/usb/"))),
                                QUrl::fromLocalFile(SystemPaths::resolve(QStringLiteral("/mnt/")))});
    connect(fileDialog, &QFileDialog::fileSelected, this, &Menu::slot_fileDialogSelected);
    connect(fileDialog, &QFileDialog::rejected, this, &Menu::slot_fileDialogRejected);
    fileDialog->show();
}

void Menu::slot_fileDialogSelected(const QString &name)
{
    fileName = name;
    bFileSelected = true;
    if (fileAction == 1) {
        exportDataTable(fileName);
    } else if (fileAction == 2) {
        GlobalVar::imageType = QFileInfo(fileName).suffix() == QLatin1String("jpg") ? QStringLiteral("jpg")
                                                                                     : QStringLiteral("bmp");
        saveParam(4);
        slot_saveImage();
    } else if (fileAction == 3) {
        saveConfig();
    }
    fileAction = 0;
}

void Menu::on_tb_Capture_clicked()
{
    if (fileAction != 0)
        return;
    setIcon(ui->tb_Capture, assistIcon("capture-select"));
    const QString base = isFileExist(QStringLiteral("IMG"), QStringLiteral("bmp,jpg"));
    if (!base.isEmpty()) {
        fileAction = 2;
        if (GlobalVar::imageType == QLatin1String("jpg"))
            fileDialogShow(1, tr("Save Image File"), base + QStringLiteral(".jpg"), tr("Image (*.jpg);;Image (*.bmp)"));
        else // a hand-edited type falls back to bitmaps rather than opening nothing
            fileDialogShow(1, tr("Save Image File"), base + QStringLiteral(".bmp"), tr("Image (*.bmp);;Image (*.jpg)"));
    }
    setIcon(ui->tb_Capture, assistIcon("capture"));
}

void Menu::slot_saveImage()
{
    QString path;
    if (bFileSelected) {
        bFileSelected = false;
        path = fileName;
    } else {
        path = isFileExist(QStringLiteral("IMG"), QStringLiteral("bmp"));
        if (path.isEmpty())
            return;
        path += QStringLiteral(".bmp");
    }
    if (frame && !frame->captureImageTo(path))
        UserDialogs::warning(this, tr("Warning"), tr("The picture could not be saved!"));
}

void Menu::on_tb_Freeze_clicked()
{
    bFreeze = !bFreeze;
    Control().freeze(bFreeze);
    setIcon(ui->tb_Freeze, assistIcon(bFreeze ? "freeze-on" : "freeze-off"));
}

void Menu::on_tb_Config_clicked()
{
    setIcon(ui->tb_Config, assistIcon("configuration-select"));
    auto *dialog = new ccdSetDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    setIcon(ui->tb_Config, assistIcon("configuration"));
}

void Menu::slot_fileDialogRejected()
{
    fileName.clear();
    bFileSelected = false;
    fileAction = 0;
}

// --- Parameter and configuration files --------------------------------------------------------

void Menu::readParam(signed char kind)
{
    ParamFile::read(kind, verticalCrossLine, horizontalCrossLine);
}

void Menu::saveParam(signed char kind)
{
    ParamFile::save(kind, verticalCrossLine, horizontalCrossLine);
}

void Menu::initParam()
{
    const QStringList keys = ParamFile::keys();
    if (keys.contains(QStringLiteral("param/linewidth")))
        readParam(1);
    else
        saveParam(1);
    if (keys.contains(QStringLiteral("ruler/name")))
        readParam(2);
    if (keys.contains(QStringLiteral("international/language")))
        readParam(3);
    setLanguage(GlobalVar::language);
    if (keys.contains(QStringLiteral("image/type")))
        readParam(4);
    else
        saveParam(4);
    if (keys.contains(QStringLiteral("crosshair/on")))
        readParam(5);
    else
        saveParam(5);
    showCrossHair(GlobalVar::bCrossShow);

    const QString config = ParamFile::configFile();
    if (!config.isEmpty() && QFileInfo(config).isFile()) {
        GlobalVar::sConfigFileName = config;
        loadLinesConfig(config);
    }
}

void Menu::setLanguage(quint8 language)
{
    GlobalVar::language = language;
    ui->tb_SimplifiedChinese->setStyleSheet(language == 0 ? QLatin1String(languageFrame) : QString());
    ui->tb_TraditionalChinese->setStyleSheet(language == 1 ? QLatin1String(languageFrame) : QString());
    ui->tb_English->setStyleSheet(language != 0 && language != 1 ? QLatin1String(languageFrame) : QString());
    if (language == 0)
        emit signal_changeLangToSimplifiedChinese();
    else if (language == 1)
        emit signal_changeLangToTraditionalChinese();
    else
        emit signal_changeLangToEnglish();
}

void Menu::on_tb_SimplifiedChinese_clicked()
{
    setLanguage(0);
    saveParam(3);
}

void Menu::on_tb_TraditionalChinese_clicked()
{
    setLanguage(1);
    saveParam(3);
}

void Menu::on_tb_English_clicked()
{
    setLanguage(2);
    saveParam(3);
}

void Menu::slot_saveLinesProperty()
{
    saveParam(5);
}

void Menu::rebuildCustomLines(bool horizontal, int count)
{
    QVector<CustomLine *> &lines = horizontal ? GlobalVar::horizontalLineList : GlobalVar::verticalLineList;
    qDeleteAll(lines);
    lines.clear();
    for (int k = 1; k <= count; ++k) {
        const QPointF position = horizontal ? QPointF(0, k * (1080 / (count + 1))) : QPointF(k * (1600 / (count + 1)), 0);
        lines << addReferenceLine(horizontal ? QStringLiteral("horizontal") : QStringLiteral("vertical"), position,
                                  ParamFile::referencePen());
    }
}

void Menu::on_tb_HorizontalLineOkey_clicked()
{
    rebuildCustomLines(true, ui->sb_HorizontalLines->value());
    saveParam(6);
}

void Menu::on_tb_VerticalLineOkey_clicked()
{
    rebuildCustomLines(false, ui->sb_VerticalLines->value());
    saveParam(6);
}

void Menu::on_tb_CustomSave_clicked()
{
    if (fileAction != 0)
        return;
    const QString base = isFileExist(QStringLiteral("CFG"), QStringLiteral("ini"));
    if (base.isEmpty())
        return;
    fileAction = 3;
    fileDialogShow(1, tr("Save Configuration File"), base + QStringLiteral(".ini"), tr("Files (*.ini)"));
}

void Menu::saveConfig()
{
    if (!LinesConfigFile::save(fileName, GlobalVar::horizontalLineList, GlobalVar::verticalLineList)) {
        UserDialogs::warning(this, tr("Warning"), tr("Can't open file for writing!"));
        return;
    }
    GlobalVar::sConfigFileName = fileName;
    ParamFile::setConfigFile(fileName);
}

void Menu::on_tb_CustomRead_clicked()
{
    const QString path = UserDialogs::getOpenFileName(this, tr("Open Configuration File"),
                                                      SystemPaths::resolve(QStringLiteral("/mnt/")) + QStringLiteral("DCIM"),
                                                      tr("Files (*.ini)"));
    if (path.isEmpty())
        return;
    GlobalVar::sConfigFileName = path;
    qDeleteAll(GlobalVar::horizontalLineList);
    GlobalVar::horizontalLineList.clear();
    qDeleteAll(GlobalVar::verticalLineList);
    GlobalVar::verticalLineList.clear();
    loadLinesConfig(path);
    ParamFile::setConfigFile(path);
}

void Menu::loadLinesConfig(const QString &path)
{
    const LinesConfigFile::Lines lines = LinesConfigFile::read(path);
    auto add = [this](const LinesConfigFile::Line &saved, bool horizontal) {
        QPen pen = ParamFile::referencePen();
        pen.setWidth(saved.width);
        pen.setColor(saved.color);
        return addReferenceLine(horizontal ? QStringLiteral("horizontal") : QStringLiteral("vertical"),
                                horizontal ? QPointF(0, saved.position) : QPointF(saved.position, 0), pen);
    };
    for (const LinesConfigFile::Line &saved : lines.horizontal)
        GlobalVar::horizontalLineList << add(saved, true);
    for (const LinesConfigFile::Line &saved : lines.vertical)
        GlobalVar::verticalLineList << add(saved, false);
    ui->sb_HorizontalLines->setValue(lines.horizontal.size());
    ui->sb_VerticalLines->setValue(lines.vertical.size());
}

// --- Panel behaviour ---------------------------------------------------------------------------

void Menu::on_tb_Pin_clicked()
{
    bPinned = !bPinned;
}

void Menu::on_tb_UpgradeApplication_clicked()
{
    ui->tb_UpgradeApplication->hide();
    if (!QDir(SystemPaths::resolve(QStringLiteral("/media/usb/"))).exists())
        UserDialogs::warning(nullptr, tr("Warning"), tr("U disk isn't exists! Please insert U disk!"));
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void Menu::enterEvent(QEnterEvent *)
#else
void Menu::enterEvent(QEvent *)
#endif
{
    bFaded = false;
    bMouseInside = true;
    opacityEffect->setOpacity(1.0);
    ui->tw_DataTable->show();
}

void Menu::leaveEvent(QEvent *)
{
    bMouseInside = false;
    if (hideTimerId)
        killTimer(hideTimerId);
    hideTimerId = startTimer(5000);
}

void Menu::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == hideTimerId) {
        if (!bPinned && !bFaded && !bMouseInside) {
            bFaded = true;
            opacityEffect->setOpacity(0.0);
            ui->tw_DataTable->hide();
            killTimer(hideTimerId);
            hideTimerId = 0;
        }
    } else if (event->timerId() == memoryTimerId) {
        // On the camera the page cache is dropped first, so the free memory shown is real.
        if (SystemPaths::isCamera()) {
            QFile caches(QStringLiteral("/proc/sys/vm/drop_caches"));
            if (caches.open(QIODevice::WriteOnly))
                caches.write("1\n");
        }
        if (ui->l_Memory->isVisible())
            ui->l_Memory->setText(GlobalVar::getFreeMemory());
    }
}

void Menu::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = QtCompat::eventPosition(event).toPoint();
    if (ui->l_Memory->geometry().contains(pos)) {
        ui->l_Memory->setVisible(!ui->l_Memory->isVisible());
        if (ui->l_Memory->isVisible())
            ui->l_Memory->setText(GlobalVar::getFreeMemory());
    }
    if (ui->l_Version->geometry().contains(pos)) {
        if (++versionClicks == 3) {
            versionClicks = 0;
            ui->tb_UpgradeApplication->show();
        }
    } else {
        ui->tb_UpgradeApplication->hide();
    }
}

void Menu::keyPressEvent(QKeyEvent *)
{
    // Nothing: Escape does not close the panel.
}

void Menu::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        event->ignore();
}

void Menu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        initDataTable();
        translateUI();
        const int unit = ui->cb_Unit->currentIndex();
        const QSignalBlocker blocker(ui->cb_Unit);
        ui->cb_Unit->clear();
        ui->cb_Unit->addItems(tr("pixel,mm,um,inch,mil").split(QLatin1Char(',')));
        ui->cb_Unit->setCurrentIndex(qMax(0, unit));
        // Re-laying the table out empties it; the results come back at once.
        updateDataTable();
    }
    QDialog::changeEvent(event);
}
