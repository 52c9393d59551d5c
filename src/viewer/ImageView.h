#ifndef IMAGEVIEW_H
#define IMAGEVIEW_H

#include <QGraphicsView>

class ImageViewer;

// The image viewer's graphics view. It fills the dialog, pans by dragging while the photo is
// shown larger than the fitting scale, and zooms with the mouse wheel about the point under the
// mouse.
class ImageView : public QGraphicsView
{
    Q_OBJECT

public:
    ImageView(QGraphicsScene *scene, ImageViewer *viewer);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    ImageViewer *viewer;
};

#endif // IMAGEVIEW_H
