#include "Frame.h"
#include "ui_Frame.h"

#include <QApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QPainter>
#include <QSaveFile>
#include <QTimer>
#include <QWheelEvent>

#include <unistd.h>

#include "DriveFb0.h"
#include "DriveFb1.h"
#include "GlobalVar.h"
#include "GraphicsView.h"
#include "PointDetector.h"
#include "QtCompat.h"
#include "Shape.h"
#include "ShapeRoutes.h"
#include "SimulatedCamera.h"
#include "SystemPaths.h"
#include "ccdSetDialog.h"

Frame::Frame(QWidget *parent)
    : QDialog(parent)
    , unitText(QStringLiteral("pixels"))
    , ui(new Ui::Frame)
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
    view = new GraphicsView(scene, this);
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
    // view draws the simulator's picture itself, again whenever it changes.
    if (SimulatedCamera *camera = SimulatedCamera::active()) {
        connect(camera, &SimulatedCamera::pictureChanged, this, &Frame::slot_livePictureChanged);
        view->setLivePicture(camera->livePicture());
    }

    ui->l_Percentage->raise();
    ui->l_Percentage->hide();
    ui->gb_Zoom->raise();
    ui->gb_Zoom->hide();
}

Frame::~Frame()
{
    // The list owns the finished items; the scene still holds an item left half drawn.
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    currentShape = previousShape = nullptr;
    delete view;
    delete scene;
}

void Frame::armTool(int code)
{
    if (pointIndex > 0)
        discardCurrentShape();
    shapeType = code;
    bDrawing = code != 0;
}

void Frame::disarmTool()
{
    armTool(0);
}

void Frame::viewMousePressEvent(QMouseEvent *event)
{
    QPointF p = scenePoint(event);
    const ShapeRoute *route = ShapeRoutes::find(shapeType);
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

    if (event->button() == Qt::RightButton && bDrawing) {
        if (route)
            rightPress(p, *route);
        event->accept();
        return;
    }
    event->ignore();
}

void Frame::leftPress(const QPointF &p, const ShapeRoute &route)
{
    if (pointIndex == 0 || !currentShape) {
        createShape(p, route);
    } else if (pointIndex + 1 < route.finishClick) {
        ++pointIndex;
        currentShape->setPoint(p, pointIndex, currentShape->serial);
    } else {
        finishShape(p, route);
    }
}

void Frame::rightPress(const QPointF &p, const ShapeRoute &route)
{
    if (route.calibration || !currentShape)
        return;
    if (pointIndex == 0) {
        currentShape = nullptr;
        disarmTool();
        emit signal_initMainButton();
    } else if (route.rightClickFinishesFrom > 0 && pointIndex >= route.rightClickFinishesFrom) {
        finishShape(p, route);
    } else {
        discardCurrentShape();
    }
}

void Frame::createShape(const QPointF &p, const ShapeRoute &route)
{
    previousShape = currentShape;
    currentShape = route.create();
    scene->addItem(currentShape);
    pointIndex = 1;
    quint16 serial = 0;
    if (route.counter >= 0 && route.counter < ShapeRoute::CounterCount)
        serial = ++serialCounter[route.counter];
    currentShape->setPoint(p, 1, serial);
}

void Frame::finishShape(const QPointF &p, const ShapeRoute &route)
{
    pointIndex = 0;
    currentShape->endDraw(p);
    GlobalVar::shapeList.append(currentShape);
    if (route.calibration)
        bDrawing = false;
    else
        emit signal_updateDataTable();
}

void Frame::discardCurrentShape()
{
    pointIndex = 0;
    if (previousShape == currentShape)
        previousShape = nullptr;
    delete currentShape;
    currentShape = nullptr;
}

void Frame::viewMouseMoveEvent(QMouseEvent *event)
{
    if (!bDrawing) {
        // A finished item is being dragged or reshaped: its values follow in the table.
        if (bMousePressed)
            emit signal_updateDataTable();
        event->ignore();
        return;
    }
    const ShapeRoute *route = ShapeRoutes::find(shapeType);
    if (currentShape && route && route->drawsAt(pointIndex))
        currentShape->drawing(scenePoint(event));
    event->accept();
}

void Frame::viewMouseReleaseEvent(QMouseEvent *event)
{
    if (bMousePressed) {
        bMousePressed = false;
        emit signal_updateDataTable();
    }
    event->ignore();
}

QPointF Frame::scenePoint(const QMouseEvent *event) const
{
    return view->viewportTransform().inverted().map(QtCompat::eventPosition(event));
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
}

void Frame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void Frame::slot_changeLangToSimplifiedChinese()
{
    loadLanguage(QStringLiteral("qt_zh_CN.qm"), QStringLiteral("Korvelin_zh_CN.qm"));
}

void Frame::slot_changeLangToTraditionalChinese()
{
    loadLanguage(QStringLiteral("qt_zh_TW.qm"), QStringLiteral("Korvelin_zh_TW.qm"));
}

void Frame::slot_changeLangToEnglish()
{
    QCoreApplication::removeTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&appTranslator);
}

void Frame::loadLanguage(const QString &qtFile, const QString &appFile)
{
    // A failed load empties the translator, so a missing file leaves its texts as they are.
    static_cast<void>(qtTranslator.load(qtFile, SystemPaths::qtTranslationsPath()));
    QCoreApplication::installTranslator(&qtTranslator);
    static_cast<void>(appTranslator.load(appFile));
    QCoreApplication::installTranslator(&appTranslator);
}

// The view is never scaled, so the zoom group stays hidden and its buttons do nothing.
void Frame::on_tb_ZoomIn_clicked() {}
void Frame::on_tb_ZoomOut_clicked() {}
void Frame::on_tb_ZoomFix_clicked() {}
void Frame::on_tb_ZoomOriginal_clicked() {}

QPointF Frame::detectPoint(QPointF p)
{
    if (!PointDetector::detectionArea.contains(p))
        return p;
    // Only the rows of the block around the click are read from the photo.
    DriveFb1 fb1;
    const QImage *picture = fb1.readQImageRows(1920, 1080, 4, PointDetector::firstRow(p),
                                               PointDetector::rowCount);
    if (!picture)
        return p;
    return PointDetector::locate(*picture, p, GlobalVar::threshold);
}

bool Frame::captureImageTo(const QString &path)
{
    DriveFb1 fb1;
    QImage *picture = fb1.readQImage(1920, 1080, 4);
    if (!picture)
        return false;
    QPainter painter(picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    view->render(&painter, QRectF(picture->rect()), picture->rect(), Qt::KeepAspectRatio);
    painter.end();
    // Written beside the target and put in its place only when complete, so a failed write
    // leaves no half-written picture.
    QSaveFile file(path);
    const QByteArray format = QFileInfo(path).suffix().toLatin1();
    const bool saved = file.open(QIODevice::WriteOnly)
                       && picture->save(&file, format.isEmpty() ? nullptr : format.constData())
                       && file.commit();
    ::sync();
    return saved;
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
