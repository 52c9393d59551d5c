#include "ToolRouter.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QGraphicsScene>
#include <QShortcut>
#include <QWheelEvent>

#include "CalibrationTool.h"
#include "GlobalVar.h"
#include "GraphicsView.h"
#include "MeasurementDocument.h"
#include "PictureCapture.h"
#include "QtCompat.h"
#include "ShapeRoutes.h"
#include "UserDialogs.h"

ToolRouter::ToolRouter(GraphicsView *view, MeasurementDocument *document, CalibrationWorkflow *calibration,
                       const QSize &dialogArea, QWidget *window)
    : QObject(window)
    , view(view)
    , document(document)
    , clickTool(new ClickTool(view->scene(), document, this))
    , calibrationTool(new CalibrationTool(view->scene(), document, calibration, dialogArea, this))
    , active(clickTool)
{
    for (ClickTool *tool : {clickTool, static_cast<ClickTool *>(calibrationTool)}) {
        connect(tool, &ClickTool::disarmRequested, this, [this] {
            arm(0);
            emit disarmed();
        });
        connect(tool, &ClickTool::valueless, this, [window] {
            UserDialogs::warning(window, tr("Warning"), tr("The clicked points give no value, so the item is not kept."));
        });
    }
    // A finished calibration disarms its tool but keeps its code, to be named by a right click.
    connect(calibrationTool, &ClickTool::itemFinished, this, [this] { drawing = false; });

    const auto shortcut = [this, window](const QKeySequence &keys, void (ToolRouter::*slot)()) {
        auto *key = new QShortcut(keys, window);
        connect(key, &QShortcut::activated, this, slot);
        return key;
    };
    shortcut(QKeySequence::Undo, &ToolRouter::undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &ToolRouter::redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &ToolRouter::redo);
    // Backspace and Escape are taken only while there is something to take back, so that the
    // fields and dialogs keep them otherwise.
    backspaceKey = shortcut(QKeySequence(Qt::Key_Backspace), &ToolRouter::removeLastClick);
    escapeKey = shortcut(QKeySequence(Qt::Key_Escape), &ToolRouter::abandonItem);
    updateDrawingKeys();
}

void ToolRouter::arm(int tool)
{
    clickTool->deactivate();
    calibrationTool->deactivate();
    code = tool;
    drawing = tool != 0;
    // Found once here, not on every press and move.
    const ShapeRoute *route = ShapeRoutes::find(tool);
    active = route && route->calibration ? static_cast<ClickTool *>(calibrationTool) : clickTool;
    active->setRoute(route);
    activeTool()->activate();
    updateDrawingKeys();
}

ClickTool *ToolRouter::activeTool() const
{
    return active;
}

Shape *ToolRouter::currentShape() const
{
    return activeTool()->item();
}

int ToolRouter::clickCount() const
{
    return activeTool()->clickCount();
}

quint16 ToolRouter::serialCounter(int counter) const
{
    return clickTool->serialCounter(counter);
}

void ToolRouter::continueAfter(const Shape *item)
{
    if (const ShapeRoute *route = ShapeRoutes::find(item->property()))
        clickTool->continueAfter(route->counter, item->serial);
}

Shape *ToolRouter::calibrationItem() const
{
    return calibrationTool->item();
}

void ToolRouter::forget(Shape *shape)
{
    clickTool->forget(shape);
    calibrationTool->forget(shape);
    updateDrawingKeys();
}

void ToolRouter::updateDrawingKeys()
{
    backspaceKey->setEnabled(clickCount() > 0);
    escapeKey->setEnabled(clickCount() > 0 || drawing);
}

void ToolRouter::undo()
{
    // A step back from what the user sees: first the item under construction, then the history.
    if (mousePressed)
        return;
    if (clickCount() > 0)
        activeTool()->cancel();
    else
        document->undoStack()->undo();
    updateDrawingKeys();
}

void ToolRouter::redo()
{
    if (!mousePressed && clickCount() == 0)
        document->undoStack()->redo();
}

void ToolRouter::removeLastClick()
{
    activeTool()->removeLastClick(view->mapToScene(view->viewport()->mapFromGlobal(QCursor::pos())));
    updateDrawingKeys();
}

void ToolRouter::abandonItem()
{
    if (clickCount() > 0) {
        activeTool()->cancel();
        updateDrawingKeys();
    } else if (drawing) {
        arm(0);
        emit disarmed();
    }
}

void ToolRouter::viewMousePressEvent(QMouseEvent *event)
{
    QPointF p = scenePoint(event);
    rightPressTaken = false;
    const bool drawingButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (drawing && GlobalVar::bDetectAuto && drawingButton)
        p = PictureCapture::detectPoint(p);
    if (event->button() == Qt::LeftButton && !drawing) {
        // The scene selects, moves or reshapes finished items.
        mousePressed = true;
    } else if (event->button() == Qt::LeftButton) {
        activeTool()->press(p);
    } else if (event->button() == Qt::RightButton && drawing) {
        activeTool()->rightPress(p);
        rightPressTaken = true;
    } else if (event->button() == Qt::RightButton && activeTool() == calibrationTool) {
        // A finished calibration item, its tool disarmed: a right click names it, and only that.
        rightPressTaken = calibrationTool->name();
    }
    updateDrawingKeys();
    event->setAccepted(drawingButton && (drawing || rightPressTaken) && !mousePressed);
}

void ToolRouter::viewContextMenuEvent(QContextMenuEvent *event)
{
    event->setAccepted(event->reason() == QContextMenuEvent::Mouse && rightPressTaken);
    if (event->isAccepted())
        rightPressTaken = false;
}

void ToolRouter::viewMouseMoveEvent(QMouseEvent *event)
{
    if (drawing)
        activeTool()->move(scenePoint(event));
    event->setAccepted(drawing);
}

void ToolRouter::viewSceneMouseMoved()
{
    // A finished item is being dragged or reshaped: its values follow in the table, once the
    // item has taken the move.
    if (!mousePressed || drawing)
        return;
    if (auto *shape = dynamic_cast<Shape *>(view->scene()->mouseGrabberItem()))
        emit rowToFollow(shape);
}

void ToolRouter::viewMouseReleaseEvent(QMouseEvent *event)
{
    if (mousePressed) {
        mousePressed = false;
        emit tableToRebuild();
    }
    event->ignore();
}

void ToolRouter::viewScenePressed()
{
    // A press on the finished items may begin a drag: what it may change is noted first.
    if (!mousePressed || drawing)
        return;
    QList<QGraphicsItem *> pressed = view->scene()->selectedItems();
    if (QGraphicsItem *grabber = view->scene()->mouseGrabberItem())
        pressed << grabber;
    document->beginEdit(pressed);
}

void ToolRouter::viewSceneReleased()
{
    document->endEdit();
}

void ToolRouter::viewWheelEvent(QWheelEvent *event)
{
    // The measurement view is never zoomed or scrolled: scene coordinates stay picture pixels.
    event->accept();
}

QPointF ToolRouter::scenePoint(const QMouseEvent *event) const
{
    return view->viewportTransform().inverted().map(QtCompat::eventPosition(event));
}
