#include "Frame.h"
#include "ui_Frame.h"

#include <QApplication>
#include <QCursor>
#include <QGraphicsScene>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>

#include "CalibrateCircle.h"
#include "CalibrateDialog.h"
#include "CalibrateLine.h"
#include "ccdSetDialog.h"
#include "DriveFb0.h"
#include "FileRepairs.h"
#include "GlobalVar.h"
#include "GraphicsView.h"
#include "LabelPlacement.h"
#include "LabelSweep.h"
#include "LanguageSwitch.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "NumericKeypadDialog.h"
#include "ParamFile.h"
#include "PictureCapture.h"
#include "QtCompat.h"
#include "RulerUnits.h"
#include "Shape.h"
#include "ShapeRoutes.h"
#include "ToolTable.h"
#include "SimulatedCamera.h"
#include "SystemPaths.h"
#include "UserDialogs.h"
#include "upgradeDialog.h"

Frame::Frame(QWidget *parent)
    : QDialog(parent)
    , unitText(QStringLiteral("pixels"))
    , ui(new Ui::Frame)
    , language(new LanguageSwitch)
{
    ui->setupUi(this);
    GlobalVar::shapeList.clear();
    GlobalVar::rulerList.clear();

    // Scene coordinates are pixels of the camera picture, whatever the desktop's size.
    const QSize size = SystemPaths::displaySize();
    setGeometry(0, 0, size.width(), size.height());
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    scene = new QGraphicsScene(0, 0, size.width(), size.height(), this);
    view = new GraphicsView(scene, this, this);
    view->setGeometry(0, 0, size.width(), size.height());
    view->centerOn(size.width() / 2, size.height() / 2);
    view->setDragMode(QGraphicsView::NoDrag);
    view->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setStyleSheet(QStringLiteral("background: transparent; border: 0px"));
    // The on-screen layer's video path, and the stored camera settings.
    delete new DriveFb0(this);
    delete new ccdSetDialog(nullptr);
    // On the camera the logic composes the live picture under this layer; on a desktop the
    // view draws the simulator's picture itself, again whenever it changes. The window comes
    // up first: the first picture is rendered as soon as the view has painted once.
    if (SimulatedCamera *camera = SimulatedCamera::active()) {
        connect(camera, &SimulatedCamera::pictureChanged, this, &Frame::slot_livePictureChanged);
        view->viewport()->installEventFilter(this);
    }

    // The finished items and the history of what was done to them.
    document = new MeasurementDocument(scene, this);
    connect(document, &MeasurementDocument::itemRemoved, this, &Frame::forgetShape);
    connect(document, &MeasurementDocument::itemsChanged, view->viewport(), QOverload<>::of(&QWidget::update));
    const auto shortcut = [this](const QKeySequence &keys, void (Frame::*slot)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Undo, &Frame::undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &Frame::redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &Frame::redo);
    // Backspace and Escape are taken only while there is something to take back, so that the
    // fields and dialogs keep them otherwise.
    backspaceKey = new QShortcut(QKeySequence(Qt::Key_Backspace), this);
    escapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(backspaceKey, &QShortcut::activated, this, &Frame::removeLastClick);
    connect(escapeKey, &QShortcut::activated, this, &Frame::abandonItem);
    updateDrawingKeys();

    // The control panel stands inside the window at its right edge.
    menu = new Menu(this, scene, document);
    menu->setWindowFlags(Qt::FramelessWindowHint);
    menu->setAutoFillBackground(true);
    menu->resize(menu->frameSize());
    menu->move(size.width() - menu->width(), size.height() - menu->height());
    menu->show();
    connect(menu, &Menu::signal_changeLangToSimplifiedChinese, this, &Frame::slot_changeLangToSimplifiedChinese);
    connect(menu, &Menu::signal_changeLangToTraditionalChinese, this, &Frame::slot_changeLangToTraditionalChinese);
    connect(menu, &Menu::signal_changeLangToEnglish, this, &Frame::slot_changeLangToEnglish);
    connect(this, &Frame::signal_updateDataTable, menu, &Menu::updateDataTable);
    labelSweep = new LabelSweep(this);
    connect(document, &MeasurementDocument::labelsToSettle, labelSweep, &LabelSweep::finish);
    connect(labelSweep, &LabelSweep::finished, this, &Frame::signal_updateDataTable);
    connect(this, &Frame::signal_updateDataRow, menu, &Menu::updateDataRow);
    connect(this, &Frame::signal_initMainButton, menu, &Menu::initMainButton);
    connect(menu, &Menu::signal_changeRulerValue, this, &Frame::slot_changeRulerValue);
    connect(menu, &Menu::signal_changeRulerUnit, this, &Frame::slot_changeRulerUnit);
    connect(menu, &Menu::signal_toolArmed, this, &Frame::armTool);
    connect(menu, &Menu::signal_toolDisarmed, this, &Frame::disarmTool);
    connect(menu, &Menu::signal_shapesHidden, this, &Frame::slot_shapesHidden);
    connect(menu, &Menu::signal_captureRequested, this, &Frame::slot_captureRequested);
    connect(menu, &Menu::signal_upgradeRequested, this, &Frame::slot_upgradeRequested);
    connect(menu, &Menu::signal_lookChanged, this, &Frame::restyleItems);
    connect(menu, &Menu::signal_undoRequested, this, &Frame::undo);
    connect(menu, &Menu::signal_redoRequested, this, &Frame::redo);
    connect(menu, &Menu::signal_repaintRequested, view->viewport(), QOverload<>::of(&QWidget::update));
    menu->initMenu();
    ensureCalibrateDialog();

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
    delete calibrateDialog;
    // Items the history kept go with it; the list owns the finished items; the scene still holds an item left half drawn.
    document->clearHistory();
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    currentShape = previousShape = nullptr;
    delete view;
    delete scene;
    // The reference lines went with the scene.
    GlobalVar::horizontalLineList.clear();
    GlobalVar::verticalLineList.clear();
}

void Frame::armTool(int code)
{
    if (pointIndex > 0)
        discardCurrentShape();
    shapeType = code;
    bDrawing = code != 0;
    updateDrawingKeys();
}

void Frame::updateDrawingKeys()
{
    backspaceKey->setEnabled(pointIndex > 0);
    escapeKey->setEnabled(pointIndex > 0 || bDrawing);
}

void Frame::disarmTool()
{
    armTool(0);
}

void Frame::forgetShape(Shape *shape)
{
    if (currentShape == shape) {
        currentShape = nullptr;
        pointIndex = 0;
        updateDrawingKeys();
    }
    if (previousShape == shape)
        previousShape = nullptr;
    if (calibrationShape == shape) {
        calibrationShape = nullptr;
        closeCalibrateDialog();
    }
}

void Frame::viewMousePressEvent(QMouseEvent *event)
{
    QPointF p = scenePoint(event);
    const ShapeRoute *route = ShapeRoutes::find(shapeType);
    bRightPressTaken = false;
    if (bDrawing && GlobalVar::bDetectAuto
        && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        p = detectPoint(p);

    if (event->button() == Qt::LeftButton) {
        if (!bDrawing) {
            // The scene selects, moves or reshapes finished items.
            bMousePressed = true;
            event->ignore();
            return;
        }
        if (route)
            leftPress(p, *route);
        updateDrawingKeys();
        if (currentShape != previousShape) {
            previousShape = currentShape;
            if (currentShape) {
                currentShape->setFlag(QGraphicsItem::ItemIsMovable, GlobalVar::bMovable);
                currentShape->setFlag(QGraphicsItem::ItemIsSelectable,
                                      GlobalVar::bEditable || GlobalVar::bMovable);
            }
        }
        event->accept();
        return;
    }

    if (event->button() == Qt::RightButton) {
        if (bDrawing) {
            if (route)
                rightPress(p, *route);
            updateDrawingKeys();
            bRightPressTaken = true;
            event->accept();
            return;
        }
        // A finished calibration item, its tool disarmed: a right click names it, and only that.
        if (pointIndex == 0 && openCalibrationDialog()) {
            bRightPressTaken = true;
            event->accept();
            return;
        }
    }
    event->ignore();
}

void Frame::viewContextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse && bRightPressTaken) {
        bRightPressTaken = false;
        event->accept();
    } else {
        event->ignore();
    }
}

void Frame::leftPress(const QPointF &p, const ShapeRoute &route)
{
    if (pointIndex == 0 || !currentShape) {
        createShape(p, route);
    } else if (pointIndex + 1 < route.finishClick) {
        ++pointIndex;
        clicks << p;
        currentShape->setPoint(p, pointIndex, currentShape->serial);
    } else {
        finishShape(p, route);
    }
}

void Frame::rightPress(const QPointF &p, const ShapeRoute &route)
{
    if (route.calibration) {
        if (pointIndex == 0)
            openCalibrationDialog();
        return;
    }
    if (!currentShape)
        return;
    if (pointIndex == 0) {
        currentShape = nullptr;
        disarmTool();
        emit signal_initMainButton();
    } else if (route.rightClickFinishesFrom > 0 && pointIndex >= route.rightClickFinishesFrom) {
        finishShape(route.rightClickIsPoint ? p : Shape::unsetPoint(), route);
    } else {
        discardCurrentShape();
    }
}

void Frame::createShape(const QPointF &p, const ShapeRoute &route)
{
    if (route.calibration) {
        // A new calibration replaces the one whose dialog is still open.
        ensureCalibrateDialog();
        if (bCalibrating) {
            bCalibrating = false;
            calibrateDialog->hide();
            if (calibrateDialog->keypad)
                calibrateDialog->keypad->hide();
            calibrateDialog->disconnectSignalSlot();
        }
    }
    previousShape = currentShape;
    currentShape = route.create();
    scene->addItem(currentShape);
    pointIndex = 1;
    clicks = {p};
    quint16 serial = 0;
    if (route.counter >= 0 && route.counter < ShapeRoute::CounterCount)
        serial = ++serialCounter[route.counter];
    currentShape->setPoint(p, 1, serial);
}

void Frame::finishShape(const QPointF &p, const ShapeRoute &route)
{
    pointIndex = 0;
    currentShape->endDraw(p);
    // Points that fix nothing (a line of no length, rim points in a line or on one spot) leave a
    // measurement without a value: it is not kept, and the user is told why it went. A
    // calibration gets its name, and so its label, afterwards.
    if (!route.calibration && currentShape->labelValues().isEmpty()) {
        discardCurrentShape();
        UserDialogs::warning(this, tr("Warning"), tr("The clicked points give no value, so the item is not kept."));
        return;
    }
    LabelPlacement::place(currentShape);
    // A calibration is kept or given up in its dialog, outside the history.
    document->add(currentShape, !route.calibration);
    if (route.calibration)
        bDrawing = false;
}

void Frame::discardCurrentShape()
{
    pointIndex = 0;
    if (previousShape == currentShape)
        previousShape = nullptr;
    delete currentShape;
    currentShape = nullptr;
    updateDrawingKeys();
}

void Frame::viewMouseMoveEvent(QMouseEvent *event)
{
    if (!bDrawing) {
        event->ignore();
        return;
    }
    const ShapeRoute *route = ShapeRoutes::find(shapeType);
    if (currentShape && route && route->drawsAt(pointIndex))
        currentShape->drawing(scenePoint(event));
    event->accept();
}

void Frame::viewSceneMouseMoved()
{
    // A finished item is being dragged or reshaped: its values follow in the table, once the
    // item has taken the move.
    if (!bMousePressed || bDrawing)
        return;
    if (auto *shape = dynamic_cast<Shape *>(scene->mouseGrabberItem()))
        emit signal_updateDataRow(shape);
}

void Frame::viewScenePressed()
{
    // A press on the finished items may begin a drag: what it may change is noted first.
    if (!bMousePressed || bDrawing)
        return;
    QList<QGraphicsItem *> pressed = scene->selectedItems();
    if (QGraphicsItem *grabber = scene->mouseGrabberItem())
        pressed << grabber;
    document->beginEdit(pressed);
}

void Frame::viewSceneReleased()
{
    document->endEdit();
}

void Frame::undo()
{
    // A step back from what the user sees: first the item under construction, then the history.
    if (bMousePressed)
        return;
    if (pointIndex > 0)
        discardCurrentShape();
    else
        document->undoStack()->undo();
}

void Frame::redo()
{
    if (!bMousePressed && pointIndex == 0)
        document->undoStack()->redo();
}

void Frame::removeLastClick()
{
    const ShapeRoute *route = ShapeRoutes::find(shapeType);
    if (pointIndex == 0 || !currentShape || !route)
        return;
    if (pointIndex == 1) {
        discardCurrentShape();
        return;
    }
    // The item is drawn again from its first click up to the one before the last.
    const quint16 serial = currentShape->serial;
    clicks.removeLast();
    Shape *shape = route->create();
    scene->addItem(shape);
    for (int i = 0; i < clicks.size(); ++i)
        shape->setPoint(clicks.at(i), quint8(i + 1), serial);
    delete currentShape;
    if (previousShape == currentShape)
        previousShape = shape;
    currentShape = shape;
    pointIndex = quint8(clicks.size());
    if (route->drawsAt(pointIndex))
        currentShape->drawing(view->mapToScene(view->viewport()->mapFromGlobal(QCursor::pos())));
}

void Frame::abandonItem()
{
    if (pointIndex > 0) {
        discardCurrentShape();
    } else if (bDrawing) {
        currentShape = nullptr;
        disarmTool();
        emit signal_initMainButton();
    }
}

void Frame::viewMouseReleaseEvent(QMouseEvent *event)
{
    if (bMousePressed) {
        bMousePressed = false;
        emit signal_updateDataTable();
    }
    event->ignore();
}

void Frame::ensureCalibrateDialog()
{
    if (calibrateDialog)
        return;
    calibrateDialog = new CalibrateDialog;
    calibrateDialog->hide();
    connect(this, &Frame::signal_updateRealPixel, calibrateDialog, &CalibrateDialog::slot_updateRealPixel);
    connect(calibrateDialog, &CalibrateDialog::signal_updateRealRuler, this, &Frame::slot_updateRealRuler);
}

bool Frame::openCalibrationDialog()
{
    // Only a finished calibration item of the armed kind is named, never a measurement.
    if (!currentShape || currentShape->property() != shapeType)
        return false;
    QPointF anchor;
    if (auto *line = qgraphicsitem_cast<CalibrateLine *>(currentShape)) {
        realPixel = line->pixelMeasure();
        anchor = line->dialogAnchor();
    } else if (auto *circle = qgraphicsitem_cast<CalibrateCircle *>(currentShape)) {
        realPixel = circle->pixelMeasure();
        anchor = circle->dialogAnchor();
    } else {
        return false;
    }
    currentShape->setFlag(QGraphicsItem::ItemIsSelectable, false);
    currentShape->setFlag(QGraphicsItem::ItemIsMovable, false);
    calibrationShape = currentShape;
    ensureCalibrateDialog();
    calibrateRuler(currentShape->mapToScene(anchor) + QPointF(4, 4));
    return true;
}

void Frame::calibrateRuler(const QPointF &anchor)
{
    bCalibrating = true;
    emit signal_updateRealPixel(realPixel);
    const QSize screen = SystemPaths::displaySize();
    const int keypadHeight = calibrateDialog->keypad ? calibrateDialog->keypad->height() : 250;
    const qreal x = qMin(anchor.x(), qreal(screen.width() - menu->width() - calibrateDialog->width()));
    const qreal y = qMin(anchor.y(), qreal(screen.height() - calibrateDialog->height() - keypadHeight));
    calibrateDialog->move(int(x), int(y));
    calibrateDialog->show();
}

void Frame::slot_updateRealRuler(bool isRuler)
{
    if (!calibrateDialog)
        return;
    if (isRuler) {
        const int unit = calibrateDialog->unitIndex;
        QString text = calibrateDialog->nameText + QStringLiteral(", ");
        if (unit == 1)
            text += calibrateDialog->lengthText + tr("mm");
        else if (unit == 2)
            text += calibrateDialog->lengthText + tr("inch");
        else
            text += QString::number(calibrateDialog->realPixel, 'f', GlobalVar::textDigiLength) + tr("pixels");
        const QString name = text.section(QLatin1Char(','), 0, 0);
        // A refused calibration leaves the dialog open, its warning beside it.
        const auto refuse = [this](const QString &message) {
            UserDialogs::warning(nullptr, tr("Warning"), message,
                                 calibrateDialog->geometry().bottomLeft() + QPoint(10, 10));
        };
        for (const ruler &stored : qAsConst(GlobalVar::rulerList)) {
            if (stored.name.section(QLatin1Char(','), 0, 0) == name) {
                refuse(tr("This name of calibration already exists!\nPlease change the name!"));
                return;
            }
        }
        // The parameter file reads back only so many: a further one would be gone after a restart.
        if (GlobalVar::rulerList.size() >= ParamFile::largestRulerCount) {
            refuse(tr("At most %1 calibrations can be kept!\nPlease delete one first!")
                       .arg(ParamFile::largestRulerCount));
            return;
        }
        const double pixel = calibrateDialog->realPixel;
        if (!ParamFile::keepsRuler(pixel, unit == 0 ? pixel : double(calibrateDialog->realRuler))) {
            refuse(tr("The calibration is out of range and could not be kept!\n"
                      "Please check the length and the drawn item!"));
            return;
        }
        if (calibrationShape) {
            calibrationShape->label = name;
            calibrationShape->refreshLook();
        }
        rulerUnit = quint8(unit);
        realPixel = calibrateDialog->realPixel;
        realRuler = unit == 0 ? calibrateDialog->realPixel : calibrateDialog->realRuler;
        unitText = RulerUnits::calibrationText(unit);
        ruler record;
        record.name = text;
        record.unit = quint8(unit);
        record.pixel = realPixel;
        record.length = realRuler;
        GlobalVar::rulerList.append(record);
        menu->updateRulerTable();
        currentShape = nullptr;
    } else {
        if (Shape *shape = calibrationShape) {
            calibrationShape = nullptr;
            document->discard(shape);
            delete shape;
        }
        currentShape = nullptr;
    }
    calibrationShape = nullptr;
    closeCalibrateDialog();
}

void Frame::closeCalibrateDialog()
{
    if (!calibrateDialog)
        return;
    disconnect(this, &Frame::signal_updateRealPixel, calibrateDialog, nullptr);
    disconnect(calibrateDialog, &CalibrateDialog::signal_updateRealRuler, this, nullptr);
    calibrateDialog->close();
    calibrateDialog = nullptr;
}

void Frame::slot_changeRulerValue(int index)
{
    if (index < 0 || index >= GlobalVar::rulerList.size())
        return;
    const ruler &r = GlobalVar::rulerList.at(index);
    realPixel = r.pixel;
    realRuler = r.length;
    rulerUnit = r.unit;
    const QString text = RulerUnits::calibrationText(r.unit);
    if (!text.isEmpty())
        unitText = text;
    baseRealPixel = realPixel;
    baseRealRuler = realRuler;
    baseRulerUnit = rulerUnit;
    GlobalVar::currentRealRuler = realRuler;
    GlobalVar::currentUnit = unitText;
    refreshLabels();
}

void Frame::slot_changeRulerUnit(int index)
{
    RulerUnits::Display display;
    if (RulerUnits::convert(baseRulerUnit, baseRealPixel, baseRealRuler, index, &display)) {
        realRuler = display.ruler;
        rulerUnit = quint8(index);
        unitText = display.text;
    }
    GlobalVar::currentRealRuler = realRuler;
    GlobalVar::currentUnit = unitText;
    refreshLabels();
}

void Frame::refreshLabels()
{
    // Every value on screen, in the table and in an export is in the unit now chosen; the table
    // is rebuilt once the last label is written.
    labelSweep->start();
}

void Frame::restyleItems()
{
    // Every finished item shows the new digits and label mode, and a bigger text or pen gives
    // it a bigger area to hit and to repaint; with many items this is spread over the event
    // loop as a change of unit is. The table is rebuilt once the last item is done.
    labelSweep->start(LabelSweep::LabelsAndLook);
    // The item under construction is not in the list yet.
    if (currentShape && pointIndex > 0 && !currentShape->refreshLabel())
        currentShape->refreshLook();
}

QPointF Frame::scenePoint(const QMouseEvent *event) const
{
    return view->viewportTransform().inverted().map(QtCompat::eventPosition(event));
}

void Frame::wheelEvent(QWheelEvent *event)
{
    viewWheelEvent(event);
}

void Frame::viewWheelEvent(QWheelEvent *event)
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
    const QString path = menu->isFileExist(QStringLiteral("IMG"), QStringLiteral("bmp"));
    if (!path.isEmpty())
        slot_captureRequested(path + QStringLiteral(".bmp"));
}

void Frame::slot_captureRequested(const QString &path)
{
    if (!captureImageTo(path))
        UserDialogs::warning(this, tr("Warning"), tr("The picture could not be saved!"));
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
    if (!currentShape || !ToolTable::isCalibration(currentShape->property()))
        return;
    if (!GlobalVar::shapeList.contains(currentShape))
        return;
    Shape *shape = currentShape;
    document->discard(shape);
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

// The view is never scaled, so the zoom group stays hidden and its buttons do nothing.
void Frame::on_tb_ZoomIn_clicked() {}
void Frame::on_tb_ZoomOut_clicked() {}
void Frame::on_tb_ZoomFix_clicked() {}
void Frame::on_tb_ZoomOriginal_clicked() {}

QPointF Frame::detectPoint(QPointF p)
{
    return PictureCapture::detectPoint(p);
}

bool Frame::captureImageTo(const QString &path)
{
    return PictureCapture::captureTo(path, scene, view);
}

bool Frame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == view->viewport()) {
        view->viewport()->removeEventFilter(this);
        slot_livePictureChanged();
    }
    return QDialog::eventFilter(watched, event);
}

void Frame::slot_livePictureChanged()
{
    // Settings often change several registers at once: the picture is fetched once for all.
    if (livePicturePending)
        return;
    livePicturePending = true;
    QTimer::singleShot(0, this, [this] {
        livePicturePending = false;
        if (SimulatedCamera *camera = SimulatedCamera::active())
            view->setLivePicture(camera->livePicture());
    });
}
