#include "GraphicsView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "Frame.h"

GraphicsView::GraphicsView(QGraphicsScene *scene, Frame *frame)
    : QGraphicsView(scene, frame)
    , frame(frame)
{
}

void GraphicsView::setLivePicture(const QImage &image)
{
    picture = QPixmap::fromImage(image);
    resetCachedContent();
    viewport()->update();
}

QImage GraphicsView::livePicture() const
{
    return picture.toImage();
}

void GraphicsView::wheelEvent(QWheelEvent *event)
{
    frame->wheelEvent(event);
    if (!event->isAccepted())
        QGraphicsView::wheelEvent(event);
}

void GraphicsView::mousePressEvent(QMouseEvent *event)
{
    frame->viewMousePressEvent(event);
    if (!event->isAccepted())
        QGraphicsView::mousePressEvent(event);
}

void GraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    frame->viewMouseMoveEvent(event);
    if (!event->isAccepted())
        QGraphicsView::mouseMoveEvent(event);
}

void GraphicsView::mouseReleaseEvent(QMouseEvent *event)
{
    frame->viewMouseReleaseEvent(event);
    if (!event->isAccepted())
        QGraphicsView::mouseReleaseEvent(event);
}

void GraphicsView::drawBackground(QPainter *painter, const QRectF &rect)
{
    if (picture.isNull())
        return;
    // Only the exposed part: a mouse move repaints a few rows, never the whole frame.
    const QRectF source = rect.intersected(QRectF(picture.rect()));
    painter->drawPixmap(source, picture, source);
}
