#include "Menu.h"
#include "ui_Menu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QToolBar>

#include "Control.h"
#include "CustomLine.h"
#include "GlobalVar.h"
#include "ItemLook.h"
#include "Keyboard.h"
#include "MeasurementDocument.h"
#include "PanelFiles.h"
#include "PanelIcons.h"
#include "ParamFile.h"
#include "QtCompat.h"
#include "ReferenceLines.h"
#include "ResultsTable.h"
#include "RulerPicker.h"
#include "Shape.h"
#include "StorageActions.h"
#include "SystemPaths.h"
#include "TextDialog.h"
#include "ToolPalette.h"
#include "UserDialogs.h"
#include "ccdSetDialog.h"
#include "ImageViewer.h"

using PanelIcons::assist;

namespace {
const char *const languageFrame = "border: 1px solid red;border-radius: 6px;";
} // namespace

Menu::Menu(QWidget *parent, QGraphicsScene *scene, MeasurementDocument *document)
    : QDialog(parent)
    , ui(new Ui::Menu)
    , scene(scene)
    , document(document ? document : new MeasurementDocument(scene, this))
{
    // A frameless part of the window it stands in. Taking that form before the children exist
    // is cheap; turning the finished panel from a dialog into a part would polish every one of
    // its widgets again.
    setWindowFlags(Qt::FramelessWindowHint);
    ui->setupUi(this);
    palette = new ToolPalette(this);
    connect(palette, &ToolPalette::toolArmed, this, &Menu::signal_toolArmed);
    connect(palette, &ToolPalette::toolDisarmed, this, &Menu::signal_toolDisarmed);

    rulerPicker = new RulerPicker(this, ui->cb_Ruler, ui->cb_Unit);
    calibrateLineAction = rulerPicker->lineAction;
    calibrateCircleAction = rulerPicker->circleAction;
    calibrateMenu = rulerPicker->menu;
    calibrateButton = rulerPicker->button;
    calibrateToolBar = rulerPicker->toolBar;
    rulerListWidget = rulerPicker->listWidget;
    connect(calibrateLineAction, &QAction::triggered, this, &Menu::slot_calibrateline);
    connect(calibrateCircleAction, &QAction::triggered, this, &Menu::slot_calibrateCircle);
    connect(rulerPicker, &RulerPicker::signal_changeRulerValue, this, &Menu::signal_changeRulerValue);
    connect(rulerPicker, &RulerPicker::signal_changeRulerUnit, this, &Menu::signal_changeRulerUnit);
    connect(rulerPicker, &RulerPicker::signal_deleteRequested, this, &Menu::slot_rulerDeleteItem);

    results = new ResultsTable(ui->tw_DataTable, this->document);
    connect(results, &ResultsTable::repaintRequested, this, &Menu::signal_repaintRequested);
    storage = new StorageActions(this);

    initDataTable();
    translateUI();
    GlobalVar::rulerList.clear();

    ui->tb_UpgradeApplication->hide();
    ui->l_Memory->hide();
    ui->l_Version->setText(QStringLiteral("V %1").arg(QCoreApplication::applicationVersion().toDouble(), 0, 'f', 2));
    ui->cb_Unit->addItems(tr("pixel,mm,um,inch,mil").split(QLatin1Char(',')));
    ui->cb_Unit->setCurrentIndex(0);

    ui->w_horizontalLine->setStyleSheet(QStringLiteral("border-image: url(%1); border: 1px solid gray; border-radius: 5px;")
                                            .arg(assist("line-horizontal")));
    ui->w_verticalLine->setStyleSheet(QStringLiteral("border-image: url(%1); border: 1px solid gray; border-radius: 5px;")
                                          .arg(assist("line-vertical")));
    PanelIcons::set(ui->tb_DataSave, assist("save"));
    PanelIcons::set(ui->tb_Capture, assist("capture"));
    PanelIcons::set(ui->tb_Config, assist("configuration"));
    PanelIcons::set(ui->tb_Freeze, assist("freeze-off"));
    PanelIcons::set(ui->tb_Delete, assist("delect"));
    PanelIcons::set(ui->tb_Font, assist("font"));
    PanelIcons::set(ui->tb_FolderOpen, assist("folder"));
    PanelIcons::set(ui->tb_PointDetect, assist("target-manual"));
    // Undo and redo are greyed while there is nothing to take back or to do again.
    const QString history = QStringLiteral("QToolButton {border-image: url(%1)} QToolButton:disabled {border-image: url(%2)}");
    ui->tb_Undo->setStyleSheet(history.arg(assist("undo"), assist("undo-off")));
    ui->tb_Redo->setStyleSheet(history.arg(assist("redo"), assist("redo-off")));
    QUndoStack *steps = this->document->undoStack();
    connect(steps, &QUndoStack::canUndoChanged, ui->tb_Undo, &QWidget::setEnabled);
    connect(steps, &QUndoStack::canRedoChanged, ui->tb_Redo, &QWidget::setEnabled);
    connect(ui->tb_Undo, &QToolButton::clicked, this, &Menu::signal_undoRequested);
    connect(ui->tb_Redo, &QToolButton::clicked, this, &Menu::signal_redoRequested);
    // The refinement toggle beside point detection, in the palette of the armed icons.
    ui->tb_SubPixel->setStyleSheet(QStringLiteral(
        "QToolButton {border: 1px solid #8A96A3; border-radius: 4px; background: #FAFBFC; color: #263238;}"
        " QToolButton:checked {border-color: #0D47A1; background: #1565C0; color: #FFFFFF;}"));
    ui->tb_Pin->setStyleSheet(QStringLiteral("QToolButton {border-image: url(%1)} QToolButton:checked {border-image: url(%2)}")
                                  .arg(assist("pin"), assist("unpin")));

    hideTimerId = startTimer(5000);
    memoryTimerId = startTimer(1000);
    opacityEffect = new QGraphicsOpacityEffect(this);
    opacityEffect->setOpacity(1.0);
    setGraphicsEffect(opacityEffect);

    referenceLines = new ReferenceLines(scene, this);
    connect(referenceLines, &ReferenceLines::signal_lineChanged, this, &Menu::slot_saveLinesProperty);
    connect(referenceLines, &ReferenceLines::signal_lineEdited, this->document, &MeasurementDocument::lineEdited);
    const QPen pen = ParamFile::referencePen();
    verticalCrossLine = referenceLines->add(QStringLiteral("vertical"), QPointF(800, 0), pen);
    horizontalCrossLine = referenceLines->add(QStringLiteral("horizontal"), QPointF(0, 540), pen);
    files = new PanelFiles(this, referenceLines, verticalCrossLine, horizontalCrossLine);
    connect(files, &PanelFiles::signal_linesLoaded, this, [this](int horizontal, int vertical) {
        ui->sb_HorizontalLines->setValue(horizontal);
        ui->sb_VerticalLines->setValue(vertical);
    });

    for (QWidget *button : {static_cast<QWidget *>(ui->tb_DataSave), static_cast<QWidget *>(ui->tb_Capture),
                            static_cast<QWidget *>(ui->tb_CustomSave)})
        button->setProperty("dialogfullkeyboard", true);
    Keyboard::Instance()->installKeyboard(this);
}

Menu::~Menu()
{
    delete fileDialog;
}

void Menu::slot_calibrateline()
{
    palette->arm(toolCode(ToolId::CalibrateLine));
}

void Menu::slot_calibrateCircle()
{
    palette->arm(toolCode(ToolId::CalibrateCircle));
}

void Menu::initRulerTable()
{
    rulerPicker->fill();
}

void Menu::updateRulerTable()
{
    rulerPicker->refill();
    saveParam(2);
}

void Menu::slot_rulerShowItem(const QString &text)
{
    rulerPicker->showItem(text);
}

void Menu::slot_rulerDeleteItem(const QString &text)
{
    rulerPicker->deleteItem(text);
    saveParam(2);
}

void Menu::on_cb_Unit_currentIndexChanged(int index)
{
    rulerPicker->unitChosen(index);
}

void Menu::translateUI()
{
    rulerPicker->translate();
    palette->translate();
}

void Menu::initMenu()
{
    initParam();
    initMainButton();
    initRulerTable();
    PanelIcons::set(ui->tb_PointDetect, assist(GlobalVar::bDetectAuto ? "target-auto" : "target-manual"));
    ui->tb_SubPixel->setChecked(GlobalVar::bSubPixel);
}

void Menu::initMainButton()
{
    palette->disarm();
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
    PanelIcons::set(ui->tb_CrossLine, PanelIcons::crossLine(shown));
}

void Menu::on_tb_Font_clicked()
{
    PanelIcons::set(ui->tb_Font, assist("font-select"));
    const ItemLook before = ItemLook::current();
    const QVector<QPointF> places = MeasurementDocument::labelOffsets();
    auto *dialog = new TextDialog(this);
    dialog->setWindowTitle(tr("Select size and color"));
    dialog->exec();
    delete dialog;
    takeLook();
    document->lookChanged(before, places, [this] { takeLook(); });
    PanelIcons::set(ui->tb_Font, assist("font"));
}

void Menu::takeLook()
{
    saveParam(1);
    applyLook();
    showCrossHair(GlobalVar::bCrossShow);
    saveParam(5);
}

void Menu::applyLook()
{
    if (scene) {
        const QList<QGraphicsItem *> items = scene->items();
        for (QGraphicsItem *item : items) {
            // The texts that belong to an item move with it, never on their own.
            if (item->parentItem())
                continue;
            item->setFlag(QGraphicsItem::ItemIsMovable, GlobalVar::bMovable);
            item->setFlag(QGraphicsItem::ItemIsSelectable, GlobalVar::bMovable || GlobalVar::bEditable);
        }
    }
    emit signal_lookChanged();
}

void Menu::on_tb_PointDetect_clicked()
{
    GlobalVar::bDetectAuto = !GlobalVar::bDetectAuto;
    PanelIcons::set(ui->tb_PointDetect, assist(GlobalVar::bDetectAuto ? "target-auto" : "target-manual"));
    saveParam(1);
}

void Menu::on_tb_SubPixel_clicked(bool checked)
{
    GlobalVar::bSubPixel = checked;
    saveParam(7);
}

// --- Results table -----------------------------------------------------------------------------

void Menu::initDataTable()
{
    results->init();
}

void Menu::updateDataTable()
{
    results->update();
}

void Menu::updateDataRow(Shape *shape)
{
    results->updateItem(shape);
}

void Menu::on_tw_DataTable_cellClicked(int row, int)
{
    if (palette->armedTool() != 0)
        initMainButton();
    results->selectRow(row);
}

void Menu::on_tw_DataTable_customContextMenuRequested(const QPoint &)
{
    results->showContextMenu();
}

void Menu::slot_tableDelete()
{
    results->deleteCurrent();
}

void Menu::slot_tableAllDelete()
{
    results->deleteAll();
}

void Menu::on_tb_Delete_clicked()
{
    PanelIcons::set(ui->tb_Delete, assist("delect-select"));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
    // The calibration item under work goes first; every other item is hidden, as one step.
    emit signal_shapesHidden();
    document->hideAll();
    PanelIcons::set(ui->tb_Delete, assist("delect"));
    emit signal_repaintRequested();
}

bool Menu::exportDataTable(const QString &fileName)
{
    return results->exportTo(fileName);
}

// --- Files ---------------------------------------------------------------------------------------

QString Menu::isFileExist(const QString &prefix, const QString &extensions)
{
    return storage->freeName(prefix, extensions);
}

void Menu::fileDialogShow(int mode, const QString &title, const QString &path, const QString &filter)
{
    if (mode == 0)
        return;
    fileName.clear();
    delete fileDialog;
    fileDialog = StorageActions::createFileDialog(mode, title, path, filter);
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
        // A name typed without the type's extension would give a file no reader knows; and the
        // dialog asked about replacing only the name as typed.
        fileName = StorageActions::imagePath(name, fileDialog ? fileDialog->selectedNameFilter() : QString());
        if (fileName != name && QFileInfo::exists(fileName)
            && !UserDialogs::question(this, tr("Warning"),
                                      tr("%1 already exists.\nDo you want to replace it?")
                                          .arg(QFileInfo(fileName).fileName()))) {
            slot_fileDialogRejected();
            return;
        }
        GlobalVar::imageType = QFileInfo(fileName).suffix().toLower() == QLatin1String("jpg") ? QStringLiteral("jpg")
                                                                                               : QStringLiteral("bmp");
        saveParam(4);
        slot_saveImage();
    } else if (fileAction == 3) {
        saveConfig();
    }
    fileAction = 0;
    Keyboard::Instance()->hideKeyboard();
}

void Menu::slot_fileDialogRejected()
{
    fileName.clear();
    bFileSelected = false;
    fileAction = 0;
    Keyboard::Instance()->hideKeyboard();
}

void Menu::on_tb_DataSave_clicked()
{
    if (fileAction != 0)
        return;
    PanelIcons::set(ui->tb_DataSave, assist("save-select"));
    const QString base = isFileExist(QStringLiteral("EXT"), QStringLiteral("csv"));
    if (!base.isEmpty()) {
        fileAction = 1;
        fileDialogShow(1, tr("Save Excel File"), base + QStringLiteral(".csv"), tr("Files (*.csv)"));
    }
    PanelIcons::set(ui->tb_DataSave, assist("save"));
}

void Menu::on_tb_Capture_clicked()
{
    if (fileAction != 0)
        return;
    PanelIcons::set(ui->tb_Capture, assist("capture-select"));
    const QString base = isFileExist(QStringLiteral("IMG"), QStringLiteral("bmp,jpg"));
    if (!base.isEmpty()) {
        fileAction = 2;
        if (GlobalVar::imageType == QLatin1String("jpg"))
            fileDialogShow(1, tr("Save Image File"), base + QStringLiteral(".jpg"), tr("Image (*.jpg);;Image (*.bmp)"));
        else // a hand-edited type falls back to bitmaps rather than opening nothing
            fileDialogShow(1, tr("Save Image File"), base + QStringLiteral(".bmp"), tr("Image (*.bmp);;Image (*.jpg)"));
    }
    PanelIcons::set(ui->tb_Capture, assist("capture"));
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
    emit signal_captureRequested(path);
}

void Menu::on_tb_FolderOpen_clicked()
{
    if (fileAction != 0)
        return;
    PanelIcons::set(ui->tb_FolderOpen, assist("folder-select"));
    const QString stick = SystemPaths::resolve(QStringLiteral("/media/usb/"));
    if (!QDir(stick).exists()) {
        UserDialogs::warning(this, tr("Warning"), tr("U disk isn't exists! Please insert U disk!"));
        PanelIcons::set(ui->tb_FolderOpen, assist("folder"));
        return;
    }
    // The type the captures are saved in comes first.
    const QString filter = GlobalVar::imageType == QLatin1String("jpg") ? tr("Image (*.jpg);;Image (*.bmp)")
                                                                       : tr("Image (*.bmp);;Image (*.jpg)");
    const QString path = UserDialogs::getOpenFileName(this, tr("Open Image File"), stick + QStringLiteral("DCIM/"), filter);
    if (!path.isEmpty()) {
        auto *viewer = new ImageViewer;
        if (viewer->openImage(path))
            viewer->exec();
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() <= 49)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        delete viewer;
    }
    PanelIcons::set(ui->tb_FolderOpen, assist("folder"));
}

void Menu::on_tb_Freeze_clicked()
{
    bFreeze = !bFreeze;
    Control().freeze(bFreeze);
    PanelIcons::set(ui->tb_Freeze, assist(bFreeze ? "freeze-on" : "freeze-off"));
}

void Menu::on_tb_Config_clicked()
{
    PanelIcons::set(ui->tb_Config, assist("configuration-select"));
    auto *dialog = new ccdSetDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    PanelIcons::set(ui->tb_Config, assist("configuration"));
}

// --- Parameter and configuration files --------------------------------------------------------

void Menu::readParam(signed char kind)
{
    files->read(kind);
}

void Menu::saveParam(signed char kind)
{
    files->save(kind);
}

void Menu::initParam()
{
    files->restore();
    setLanguage(GlobalVar::language);
    showCrossHair(GlobalVar::bCrossShow);
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

void Menu::on_tb_HorizontalLineOkey_clicked()
{
    referenceLines->rebuild(true, ui->sb_HorizontalLines->value());
    saveParam(6);
}

void Menu::on_tb_VerticalLineOkey_clicked()
{
    referenceLines->rebuild(false, ui->sb_VerticalLines->value());
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
    files->saveLines(fileName);
}

void Menu::on_tb_CustomRead_clicked()
{
    files->openLines();
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
    else
        emit signal_upgradeRequested(ui->l_Version->text());
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
