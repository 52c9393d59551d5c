#include "Menu.h"
#include "ui_Menu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QKeyEvent>

#include "Control.h"
#include "CustomLine.h"
#include "GlobalVar.h"
#include "ItemLook.h"
#include "Keyboard.h"
#include "MeasurementDocument.h"
#include "PanelFiles.h"
#include "PanelBehaviour.h"
#include "PanelIcons.h"
#include "PanelSaveDialog.h"
#include "ParamFile.h"
#include "ReferenceLines.h"
#include "ResultsTable.h"
#include "RulerPicker.h"
#include "StatisticsView.h"
#include "StorageActions.h"
#include "StillPicture.h"
#include "SystemPaths.h"
#include "TextDialog.h"
#include "ToleranceDialog.h"
#include "ToolId.h"
#include "ToolPalette.h"
#include "UserDialogs.h"
#include "ccdSetDialog.h"

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
    connect(calibrateLineAction, &QAction::triggered, this, [this] { palette->arm(toolCode(ToolId::CalibrateLine)); });
    connect(calibrateCircleAction, &QAction::triggered, this, [this] { palette->arm(toolCode(ToolId::CalibrateCircle)); });
    connect(rulerPicker, &RulerPicker::signal_changeRulerValue, this, &Menu::signal_changeRulerValue);
    connect(rulerPicker, &RulerPicker::signal_changeRulerUnit, this, &Menu::signal_changeRulerUnit);
    connect(rulerPicker, &RulerPicker::signal_deleteRequested, this, &Menu::slot_rulerDeleteItem);

    results = new ResultsTable(ui->tw_DataTable, this->document);
    connect(results, &ResultsTable::repaintRequested, this, &Menu::signal_repaintRequested);
    connect(results, &ResultsTable::toleranceRequested, this, &Menu::editTolerance);
    storage = new StorageActions(this);
    connect(storage, &StorageActions::measureRequested, this, &Menu::signal_openImage);
    saveDialog = new PanelSaveDialog(this);
    connect(saveDialog, &PanelSaveDialog::resultsNamed, this, &Menu::exportDataTable);
    connect(saveDialog, &PanelSaveDialog::pictureNamed, this, [this](const QString &path) {
        saveParam(4);
        emit signal_captureRequested(path);
    });
    connect(saveDialog, &PanelSaveDialog::configurationNamed, this, &Menu::saveConfig);

    results->init();
    translateUI();
    GlobalVar::rulerList.clear();

    ui->l_Version->setText(QStringLiteral("V %1").arg(QCoreApplication::applicationVersion().toDouble(), 0, 'f', 2));
    ui->cb_Unit->addItems(tr("pixel,mm,um,inch,mil").split(QLatin1Char(',')));
    ui->cb_Unit->setCurrentIndex(0);

    PanelIcons::dressPanel(this);
    QUndoStack *steps = this->document->undoStack();
    connect(steps, &QUndoStack::canUndoChanged, ui->tb_Undo, &QWidget::setEnabled);
    connect(steps, &QUndoStack::canRedoChanged, ui->tb_Redo, &QWidget::setEnabled);
    connect(ui->tb_Undo, &QToolButton::clicked, this, &Menu::signal_undoRequested);
    connect(ui->tb_Redo, &QToolButton::clicked, this, &Menu::signal_redoRequested);
    behaviour = new PanelBehaviour(this, ui->tw_DataTable, ui->l_Memory, ui->l_Version, ui->tb_UpgradeApplication);
    connect(ui->tb_Pin, &QToolButton::clicked, behaviour, [this] { behaviour->setPinned(!behaviour->isPinned()); });
    // The language buttons; the one in use is framed.
    const QToolButton *languages[] = {ui->tb_SimplifiedChinese, ui->tb_TraditionalChinese, ui->tb_English};
    for (quint8 language = 0; language < 3; ++language) {
        connect(languages[language], &QToolButton::clicked, this, [this, language] {
            setLanguage(language);
            saveParam(3);
        });
    }

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

Menu::~Menu() = default;

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
    rulerPicker->fill();
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

void Menu::on_tb_Statistics_clicked()
{
    if (!statisticsView) {
        statisticsView = new StatisticsView(results, this);
        statisticsView->setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
        connect(statisticsView, &QDialog::finished, this, [this] { PanelIcons::set(ui->tb_Statistics, assist("statistics")); });
        // Left of the panel, level with its top.
        const QPoint corner = mapToGlobal(QPoint(0, 0));
        statisticsView->move(qMax(0, corner.x() - statisticsView->width() - 10), corner.y());
    }
    PanelIcons::set(ui->tb_Statistics, assist("statistics-select"));
    statisticsView->show();
    statisticsView->raise();
}

void Menu::editTolerance(Shape *shape)
{
    const int tool = shape->property();
    auto *dialog = new ToleranceDialog(shape, !document->newItemTolerance(tool).isEmpty(), this);
    connect(dialog, &QDialog::accepted, this, [this, dialog, shape, tool] {
        // The item may have left the list meanwhile; the document sets only listed items.
        document->setTolerance(shape, dialog->tolerance());
        // Unticked, new items of the tool are finished without a tolerance again.
        document->setNewItemTolerance(tool, dialog->applyToNewItems() ? dialog->tolerance() : Tolerance());
        emit signal_repaintRequested();
    });
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    dialog->move(qMax(0, corner.x() - dialog->sizeHint().width() - 10), corner.y() + 200);
    dialog->open();
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

void Menu::on_tb_DataSave_clicked()
{
    if (saveDialog->pending() != PanelSaveDialog::None)
        return;
    PanelIcons::set(ui->tb_DataSave, assist("save-select"));
    const QString base = isFileExist(QStringLiteral("EXT"), QStringLiteral("csv"));
    if (!base.isEmpty())
        saveDialog->ask(PanelSaveDialog::Results, tr("Save Excel File"), base + QStringLiteral(".csv"), tr("Files (*.csv)"));
    PanelIcons::set(ui->tb_DataSave, assist("save"));
}

void Menu::on_tb_Capture_clicked()
{
    if (saveDialog->pending() != PanelSaveDialog::None)
        return;
    PanelIcons::set(ui->tb_Capture, assist("capture-select"));
    const QString base = isFileExist(QStringLiteral("IMG"), QStringLiteral("bmp,jpg,kmeas"));
    // The type the captures are saved in comes first; a hand-edited type falls back to bitmaps
    // rather than opening nothing.
    const bool jpg = GlobalVar::imageType == QLatin1String("jpg");
    if (!base.isEmpty())
        saveDialog->ask(PanelSaveDialog::Picture, tr("Save Image File"), base + QLatin1String(jpg ? ".jpg" : ".bmp"),
                        jpg ? tr("Image (*.jpg);;Image (*.bmp)") : tr("Image (*.bmp);;Image (*.jpg)"));
    PanelIcons::set(ui->tb_Capture, assist("capture"));
}

void Menu::slot_saveImage()
{
    // Numbered after every picture and measurement file, so no measurement file of another
    // picture is ever written over.
    const QString path = isFileExist(QStringLiteral("IMG"), QStringLiteral("bmp,jpg,kmeas"));
    if (!path.isEmpty())
        emit signal_captureRequested(path + QStringLiteral(".bmp"));
}

void Menu::on_tb_FolderOpen_clicked()
{
    if (saveDialog->pending() != PanelSaveDialog::None)
        return;
    PanelIcons::set(ui->tb_FolderOpen, assist("folder-select"));
    storage->browsePictures();
    PanelIcons::set(ui->tb_FolderOpen, assist("folder"));
}

void Menu::on_tb_Freeze_clicked()
{
    // The main window decides when a still picture may go.
    if (bFreeze && StillPicture::isShown())
        emit signal_liveRequested();
    else
        setFrozen(!bFreeze);
}

void Menu::setFrozen(bool frozen)
{
    bFreeze = frozen;
    Control().freeze(bFreeze);
    PanelIcons::set(ui->tb_Freeze, assist(bFreeze ? "freeze-on" : "freeze-off"));
}

void Menu::showCalibration(const ruler &calibration, int shownUnit)
{
    if (calibration.name.isEmpty()) {
        ui->cb_Unit->setCurrentIndex(0);
        return;
    }
    bool listed = false;
    for (const ruler &r : qAsConst(GlobalVar::rulerList))
        listed = listed || r.name == calibration.name;
    if (listed) {
        rulerPicker->showItem(calibration.name);
    } else {
        GlobalVar::rulerList << calibration;
        updateRulerTable();
    }
    if (calibration.unit != 0)
        ui->cb_Unit->setCurrentIndex(shownUnit);
}

void Menu::useLook(const ItemLook &look)
{
    if (look == ItemLook::current())
        return;
    look.makeCurrent();
    takeLook();
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
    if (saveDialog->pending() != PanelSaveDialog::None)
        return;
    const QString base = isFileExist(QStringLiteral("CFG"), QStringLiteral("ini"));
    if (!base.isEmpty())
        saveDialog->ask(PanelSaveDialog::Configuration, tr("Save Configuration File"), base + QStringLiteral(".ini"),
                        tr("Files (*.ini)"));
}

void Menu::saveConfig(const QString &path)
{
    files->saveLines(path);
}

QFileDialog *Menu::fileDialog() const
{
    return saveDialog->dialog();
}

int Menu::fileAction() const
{
    return saveDialog->pending();
}

void Menu::on_tb_CustomRead_clicked()
{
    files->openLines();
}

void Menu::on_tb_UpgradeApplication_clicked()
{
    ui->tb_UpgradeApplication->hide();
    if (!QDir(SystemPaths::resolve(QStringLiteral("/media/usb/"))).exists())
        UserDialogs::warning(nullptr, tr("Warning"), tr("U disk isn't exists! Please insert U disk!"));
    else
        emit signal_upgradeRequested(ui->l_Version->text());
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
        results->init();
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
