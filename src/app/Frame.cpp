#include "Frame.h"
#include "ui_Frame.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QGraphicsScene>
#include <QTimer>
#include <QWheelEvent>

#include "CalibrationWorkflow.h"
#include "CustomLine.h"
#include "ItemLook.h"
#include "ccdSetDialog.h"
#include "DriveFb0.h"
#include "FileRepairs.h"
#include "GraphicsView.h"
#include "LabelSweep.h"
#include "LanguageSwitch.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "ParamFile.h"
#include "PhotoReader.h"
#include "PictureCapture.h"
#include "RulerUnits.h"
#include "SimulatedCamera.h"
#include "StillPicture.h"
#include "SystemPaths.h"
#include "ToolRouter.h"
#include "ToolTable.h"
#include "UserDialogs.h"
#include "upgradeDialog.h"

Frame::Frame(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Frame)
    , language(new LanguageSwitch)
    , unitText(QStringLiteral("pixels"))
{
    // Its form before its children exist: set afterwards, it would polish each of them again.
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ui->setupUi(this);
    GlobalVar::shapeList.clear();
    GlobalVar::rulerList.clear();

    // Scene coordinates are pixels of the camera picture, whatever the desktop's size.
    const QSize size = SystemPaths::displaySize();
    setGeometry(0, 0, size.width(), size.height());
    graphicsScene = new QGraphicsScene(0, 0, size.width(), size.height(), this);
    graphicsView = new GraphicsView(graphicsScene, nullptr, this);
    // The on-screen layer's video path, and the stored camera settings.
    delete new DriveFb0(this);
    delete new ccdSetDialog(nullptr);
    // On the camera the logic composes the live picture under this layer.
    graphicsView->followSimulator();

    // The finished items and the history of what was done to them.
    measurements = new MeasurementDocument(graphicsScene, this);
    connect(measurements, &MeasurementDocument::itemRemoved, this, &Frame::forgetShape);
    connect(measurements, &MeasurementDocument::itemsChanged, graphicsView->viewport(), QOverload<>::of(&QWidget::update));
    // The control panel stands inside the window at its right edge.
    panel = new Menu(this, graphicsScene, measurements);
    panel->resize(panel->frameSize());
    panel->move(size.width() - panel->width(), size.height() - panel->height());
    panel->setAutoFillBackground(true);
    panel->show();
    connect(panel, &Menu::signal_changeLangToSimplifiedChinese, this, &Frame::slot_changeLangToSimplifiedChinese);
    connect(panel, &Menu::signal_changeLangToTraditionalChinese, this, &Frame::slot_changeLangToTraditionalChinese);
    connect(panel, &Menu::signal_changeLangToEnglish, this, &Frame::slot_changeLangToEnglish);
    connect(this, &Frame::signal_updateDataTable, panel, &Menu::updateDataTable);
    sweep = new LabelSweep(this);
    connect(sweep, &LabelSweep::finished, this, &Frame::signal_updateDataTable);
    connect(measurements, &MeasurementDocument::labelsToSettle, sweep, &LabelSweep::finish);
    connect(this, &Frame::signal_updateDataRow, panel, &Menu::updateDataRow);
    connect(this, &Frame::signal_initMainButton, panel, &Menu::initMainButton);
    connect(panel, &Menu::signal_changeRulerValue, this, &Frame::slot_changeRulerValue);
    connect(panel, &Menu::signal_changeRulerUnit, this, &Frame::slot_changeRulerUnit);
    connect(panel, &Menu::signal_toolArmed, this, QOverload<int>::of(&Frame::armTool));
    connect(panel, &Menu::signal_toolDisarmed, this, &Frame::disarmTool);
    connect(panel, &Menu::signal_shapesHidden, this, &Frame::slot_shapesHidden);
    connect(panel, &Menu::signal_captureRequested, this, &Frame::slot_captureRequested);
    connect(panel, &Menu::signal_openImage, this, &Frame::openMeasurement);
    connect(panel, &Menu::signal_liveRequested, this, &Frame::returnToLive);
    connect(panel, &Menu::signal_upgradeRequested, this, &Frame::slot_upgradeRequested);
    connect(panel, &Menu::signal_lookChanged, this, &Frame::restyleItems);
    connect(panel, &Menu::signal_repaintRequested, graphicsView->viewport(), QOverload<>::of(&QWidget::update));

    // The drawing tools, and the naming of a finished calibration.
    calibration = new CalibrationWorkflow(measurements, {ParamFile::largestRulerCount, &ParamFile::keepsRuler}, this);
    connect(calibration, &CalibrationWorkflow::accepted, this, [this](Shape *item, const ruler &record) {
        router->forget(item);
        realRuler = record.length;
        unitText = RulerUnits::calibrationText(record.unit);
        panel->updateRulerTable();
    });
    router = new ToolRouter(graphicsView, measurements, calibration,
                            QSize(size.width() - panel->width(), size.height()), this);
    graphicsView->setHandler(router);
    connect(router, &ToolRouter::tableToRebuild, this, &Frame::signal_updateDataTable);
    connect(router, &ToolRouter::rowToFollow, this, &Frame::signal_updateDataRow);
    connect(router, &ToolRouter::disarmed, this, &Frame::signal_initMainButton);
    connect(panel, &Menu::signal_undoRequested, router, &ToolRouter::undo);
    connect(panel, &Menu::signal_redoRequested, router, &ToolRouter::redo);
    panel->initMenu();
    // A desktop picture with its measurements beside it opens with them.
    const QString livePicture = QString::fromLocal8Bit(qgetenv("KORVELIN_LIVE_IMAGE"));
    if (SimulatedCamera::active() && !livePicture.isEmpty()
        && QFileInfo(MeasurementFile::pathFor(livePicture)).isFile())
        loadMeasurements(MeasurementFile::pathFor(livePicture));

    ui->l_Percentage->raise();
    ui->l_Percentage->hide();
    ui->gb_Zoom->raise();
    ui->gb_Zoom->hide();
    // Settings files found damaged on the way here are named once, over the started window.
    QTimer::singleShot(0, this, [this] {
        const QString report = FileRepairs::takeReport();
        if (!report.isEmpty())
            UserDialogs::warning(this, tr("Settings repaired"), report);
    });
}

Frame::~Frame()
{
    delete calibration;
    // Items the history kept go with it; the list owns the finished items, the scene the rest.
    measurements->clearHistory();
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    delete graphicsView;
    delete graphicsScene;
    // The reference lines went with the scene.
    GlobalVar::horizontalLineList.clear();
    GlobalVar::verticalLineList.clear();
}

void Frame::armTool(int code)
{
    router->arm(code);
}

void Frame::disarmTool()
{
    router->arm(0);
}

int Frame::armedTool() const
{
    return router->armedTool();
}

bool Frame::isDrawing() const
{
    return router->isDrawing();
}

Shape *Frame::currentShape() const
{
    return router->currentShape();
}

quint8 Frame::pointIndex() const
{
    return quint8(router->clickCount());
}

quint16 Frame::serialCounter(int counter) const
{
    return router->serialCounter(counter);
}

CalibrateDialog *Frame::calibrateDialog() const
{
    return calibration->dialog();
}

bool Frame::isCalibrating() const
{
    return calibration->isNaming();
}

void Frame::forgetShape(Shape *shape)
{
    router->forget(shape);
    calibration->forget(shape);
}

void Frame::slot_changeRulerValue(int index)
{
    if (index < 0 || index >= GlobalVar::rulerList.size())
        return;
    const ruler &r = GlobalVar::rulerList.at(index);
    realRuler = r.length;
    calibrationInUse = r;
    shownUnit = RulerUnits::displayIndex(r.unit);
    const QString text = RulerUnits::calibrationText(r.unit);
    if (!text.isEmpty())
        unitText = text;
    baseRealPixel = r.pixel;
    baseRealRuler = r.length;
    baseRulerUnit = r.unit;
    GlobalVar::currentRealRuler = realRuler;
    GlobalVar::currentUnit = unitText;
    // Every value on screen, in the table and in an export is in the unit now chosen; the table
    // is rebuilt once the last label is written.
    sweep->start();
}

void Frame::slot_changeRulerUnit(int index)
{
    RulerUnits::Display display;
    if (RulerUnits::convert(baseRulerUnit, baseRealPixel, baseRealRuler, index, &display)) {
        realRuler = display.ruler;
        unitText = display.text;
        shownUnit = index;
    }
    GlobalVar::currentRealRuler = realRuler;
    GlobalVar::currentUnit = unitText;
    // Every value on screen, in the table and in an export is in the unit now chosen; the table
    // is rebuilt once the last label is written.
    sweep->start();
}

void Frame::restyleItems()
{
    // Every finished item shows the new digits and label mode, and a bigger text or pen gives
    // it a bigger area to hit and to repaint; with many items this is spread over the event
    // loop as a change of unit is. The table is rebuilt once the last item is done.
    sweep->start(LabelSweep::LabelsAndLook);
    // The item under construction is not in the list yet.
    Shape *drawn = currentShape();
    if (drawn && pointIndex() > 0 && !drawn->refreshLabel())
        drawn->refreshLook();
}

void Frame::wheelEvent(QWheelEvent *event)
{
    // The measurement view is never zoomed or scrolled: scene coordinates stay picture pixels.
    event->accept();
}

void Frame::keyPressEvent(QKeyEvent *)
{
    // Nothing, and in particular Escape does not close the main window.
}

void Frame::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        event->ignore();
    else if (event->key() == Qt::Key_F12)
        captureImage();
}

void Frame::captureImage()
{
    panel->slot_saveImage();
}

void Frame::slot_captureRequested(const QString &path)
{
    if (!captureImageTo(path)) {
        UserDialogs::warning(this, tr("Warning"), tr("The picture could not be saved!"));
        return;
    }
    // The measurements beside the picture, written after it: a picture is never lost for them.
    if (!MeasurementFile::write(MeasurementFile::pathFor(path), measurementSettings(), GlobalVar::shapeList)) {
        UserDialogs::warning(this, tr("Warning"),
                             tr("The picture was saved, but its measurement file could not be written: "
                                "its measurements can't be opened again."));
        return;
    }
    measurements->undoStack()->setClean();
}

MeasurementFile::Settings Frame::measurementSettings() const
{
    MeasurementFile::Settings settings;
    settings.pictureSize = QSize(PictureCapture::width, PictureCapture::height);
    settings.calibration = calibrationInUse;
    settings.shownUnit = shownUnit;
    settings.unitText = unitText;
    settings.look = ItemLook::current();
    const QList<QGraphicsItem *> items = graphicsScene->items(Qt::AscendingOrder);
    for (const QGraphicsItem *item : items) {
        if (item->type() != CustomLine::Type)
            continue;
        const auto *line = static_cast<const CustomLine *>(item);
        const CustomLine::Look look = line->look();
        settings.lines << MeasurementFile::Settings::Line{line->name, look.position, look.width, look.color};
    }
    return settings;
}

bool Frame::isStillShown() const
{
    return StillPicture::isShown();
}

bool Frame::openMeasurement(const QString &picturePath)
{
    const QImage picture = PhotoReader::read(picturePath);
    if (picture.isNull()) {
        UserDialogs::warning(this, tr("Warning"), tr("Can't open this image!"));
        return false;
    }
    const MeasurementFile::Contents contents = MeasurementFile::read(MeasurementFile::pathFor(picturePath));
    if (contents.status != MeasurementFile::Status::Read) {
        UserDialogs::warning(this, tr("Warning"), MeasurementFile::refusal(contents.status));
        return false;
    }
    const bool changed = isStillShown() ? !measurements->undoStack()->isClean() : !GlobalVar::shapeList.isEmpty();
    if (changed && !UserDialogs::question(this, tr("Warning"),
                                         tr("The items on the screen will be replaced by those of the picture. Continue?")))
        return false;
    clearItems();
    StillPicture::show(picture);
    graphicsView->setLivePicture(StillPicture::picture());
    panel->setFrozen(true);
    loadContents(contents);
    return true;
}

bool Frame::loadMeasurements(const QString &path)
{
    const MeasurementFile::Contents contents = MeasurementFile::read(path);
    if (contents.status != MeasurementFile::Status::Read) {
        UserDialogs::warning(this, tr("Warning"), MeasurementFile::refusal(contents.status));
        return false;
    }
    loadContents(contents);
    return true;
}

void Frame::loadContents(const MeasurementFile::Contents &contents)
{
    disarmTool();
    // The values are computed again in the unit and with the digits they were stored in.
    panel->useLook(contents.settings.look);
    panel->showCalibration(contents.settings.calibration, contents.settings.shownUnit);
    const MeasurementFile::Items read = MeasurementFile::rebuild(contents.records);
    for (Shape *item : read.items) {
        item->setFlag(QGraphicsItem::ItemIsMovable, GlobalVar::bMovable);
        item->setFlag(QGraphicsItem::ItemIsSelectable, GlobalVar::bEditable || GlobalVar::bMovable);
        measurements->add(item, false);
        router->continueAfter(item);
    }
    measurements->clearHistory();
    measurements->undoStack()->setClean();
    emit signal_updateDataTable();
    const int skipped = read.skipped + contents.damagedRecords;
    if (skipped > 0)
        UserDialogs::warning(this, tr("Warning"),
                             tr("%n item(s) of the measurement file could not be read and were skipped.", "", skipped));
    if (!read.differing.isEmpty())
        UserDialogs::warning(this, tr("Warning"),
                             tr("Computed again, these values differ from those stored in the measurement file: %1")
                                 .arg(read.differing.join(QStringLiteral(", "))));
}

bool Frame::returnToLive()
{
    if (!isStillShown())
        return true;
    if (!measurements->undoStack()->isClean()
        && !UserDialogs::question(this, tr("Warning"),
                                  tr("The measurements on this picture were changed and not captured. "
                                     "Return to the live picture and lose the changes?")))
        return false;
    clearItems();
    StillPicture::show(QImage());
    SimulatedCamera *camera = SimulatedCamera::active();
    graphicsView->setLivePicture(camera ? camera->livePicture() : QImage());
    panel->setFrozen(false);
    return true;
}

void Frame::clearItems()
{
    disarmTool();
    measurements->clearHistory();
    const QVector<Shape *> items = GlobalVar::shapeList;
    for (Shape *item : items) {
        measurements->discard(item);
        delete item;
    }
    emit signal_updateDataTable();
}

// The panel may not know the upgrade dialog, which sits beside it; the main window opens it.
void Frame::slot_upgradeRequested(const QString &version)
{
    upgradeDialog dialog(version, nullptr);
    dialog.exec();
}

void Frame::slot_shapesHidden()
{
    // A calibration item under work goes for good: hidden, it could not be finished.
    Shape *shape = router->calibrationItem();
    if (!shape || !ToolTable::isCalibration(shape->property()) || !GlobalVar::shapeList.contains(shape))
        return;
    measurements->discard(shape);
    delete shape;
}

void Frame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void Frame::slot_changeLangToSimplifiedChinese()
{
    language->simplifiedChinese();
}

void Frame::slot_changeLangToTraditionalChinese()
{
    language->traditionalChinese();
}

void Frame::slot_changeLangToEnglish()
{
    language->english();
}

QPointF Frame::detectPoint(QPointF p)
{
    return PictureCapture::detectPoint(p);
}

bool Frame::captureImageTo(const QString &path)
{
    return PictureCapture::captureTo(path, graphicsScene, graphicsView);
}

