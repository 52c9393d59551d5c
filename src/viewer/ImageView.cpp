#include "ImageView.h"

#include <QWheelEvent>

#include "ImageViewer.h"

ImageView::ImageView(QGraphicsScene *scene, ImageViewer *viewer)
    : QGraphicsView(scene, viewer)
    , viewer(viewer)
{
    setDragMode(QGraphicsView::RubberBandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No frame, so that a fitted photo fills the dialog to the pixel.
    setFrameShape(QFrame::NoFrame);
    setGeometry(0, 0, viewer->width(), viewer->height());
}

void ImageView::wheelEvent(QWheelEvent *event)
{
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    viewer->zoomBy(event->angleDelta().y() > 0 ? ImageViewer::zoomStep : ImageViewer::unzoomStep);
    event->accept();
}
