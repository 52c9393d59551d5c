#include "GraphicsView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include "SimulatedCamera.h"
#include "StillPicture.h"
#include "ViewMouseHandler.h"

GraphicsView::GraphicsView(QGraphicsScene *scene, ViewMouseHandler *handler, QWidget *parent)
    : QGraphicsView(scene, parent)
    , handler(handler)
{
    const QRectF area = scene->sceneRect();
    setGeometry(area.toRect());
    centerOn(area.center());
    setDragMode(NoDrag);
    setTransformationAnchor(AnchorUnderMouse);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet(QStringLiteral("background: transparent; border: 0px"));
    // One rectangle around everything that changed: a drag repaints about the dragged item's
    // area, and a change of every label (a new unit) repaints the view once instead of
    // gathering and clipping to ten thousand small areas.
    setViewportUpdateMode(BoundingRectViewportUpdate);
}

void GraphicsView::setLivePicture(const QImage &image)
{
    picture = image;
    resetCachedContent();
    viewport()->update();
}

QImage GraphicsView::livePicture() const
{
    return picture;
}

void GraphicsView::followSimulator()
{
    SimulatedCamera *camera = SimulatedCamera::active();
    if (!camera || following)
        return;
    following = true;
    connect(camera, &SimulatedCamera::pictureChanged, this, [this] {
        if (painted)
            fetchSoon();
    });
}

bool GraphicsView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Paint && following && !painted) {
        painted = true;
        fetchSoon();
    }
    return QGraphicsView::viewportEvent(event);
}

void GraphicsView::fetchSoon()
{
    if (fetchPending)
        return;
    fetchPending = true;
    QTimer::singleShot(0, this, [this] {
        fetchPending = false;
        // A still picture shown in place of the camera's stays until it is put away.
        if (StillPicture::isShown())
            setLivePicture(StillPicture::picture());
        else if (SimulatedCamera *camera = SimulatedCamera::active())
            setLivePicture(camera->livePicture());
    });
}

void GraphicsView::wheelEvent(QWheelEvent *event)
{
    handler->viewWheelEvent(event);
    if (!event->isAccepted())
        QGraphicsView::wheelEvent(event);
}

void GraphicsView::mousePressEvent(QMouseEvent *event)
{
    handler->viewMousePressEvent(event);
    if (!event->isAccepted()) {
        QGraphicsView::mousePressEvent(event);
        handler->viewScenePressed();
    }
}

void GraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    handler->viewMouseMoveEvent(event);
    if (!event->isAccepted()) {
        QGraphicsView::mouseMoveEvent(event);
        handler->viewSceneMouseMoved();
    }
}

void GraphicsView::mouseReleaseEvent(QMouseEvent *event)
{
    handler->viewMouseReleaseEvent(event);
    if (!event->isAccepted()) {
        QGraphicsView::mouseReleaseEvent(event);
        handler->viewSceneReleased();
    }
}

void GraphicsView::contextMenuEvent(QContextMenuEvent *event)
{
    handler->viewContextMenuEvent(event);
    if (!event->isAccepted())
        QGraphicsView::contextMenuEvent(event);
}

void GraphicsView::drawBackground(QPainter *painter, const QRectF &rect)
{
    if (picture.isNull())
        return;
    // Only the exposed part: a mouse move repaints a few rows, never the whole frame.
    const QRectF source = rect.intersected(QRectF(picture.rect()));
    painter->drawImage(source, picture, source);
}
