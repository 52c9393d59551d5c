#include "Frame.h"
#include "ui_Frame.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QWheelEvent>

#include "GlobalVar.h"
#include "GraphicsView.h"
#include "LivePicture.h"
#include "Menu.h"
#include "QtCompat.h"
#include "Shape.h"
#include "ShapeRoutes.h"
#include "SystemPaths.h"

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
    // On the camera the logic composes the live picture under this layer; on a desktop the
    // view draws it itself.
    if (!SystemPaths::isCamera())
        view->setLivePicture(LivePicture::current());

    // The control panel stands inside the window at its right edge.
    menu = new Menu(this);
    menu->setWindowFlags(Qt::FramelessWindowHint);
    menu->setAutoFillBackground(true);
    menu->resize(menu->frameSize());
    menu->move(size.width() - menu->width(), size.height() - menu->height());
    menu->show();
    connect(menu, &Menu::signal_changeLangToSimplifiedChinese, this, &Frame::slot_changeLangToSimplifiedChinese);
    connect(menu, &Menu::signal_changeLangToTraditionalChinese, this, &Frame::slot_changeLangToTraditionalChinese);
    connect(menu, &Menu::signal_changeLangToEnglish, this, &Frame::slot_changeLangToEnglish);
    connect(this, &Frame::signal_updateDataTable, menu, &Menu::updateDataTable);
    connect(this, &Frame::signal_initMainButton, menu, &Menu::initMainButton);
    menu->initMenu();

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
    }
    if (previousShape == shape)
        previousShape = nullptr;
}

void Frame::viewMousePressEvent(QMouseEvent *event)
{
    const QPointF p = scenePoint(event);
    const ShapeRoute *route = ShapeRoutes::find(shapeType);

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
