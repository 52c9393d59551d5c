#ifndef GRAPHICSVIEW_H
#define GRAPHICSVIEW_H

#include <QGraphicsView>
#include <QImage>

class ViewMouseHandler;

// The view on the measurement layer. Every mouse event goes to its handler first; only the
// events it leaves ignored reach the scene and its items.
class GraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    GraphicsView(QGraphicsScene *scene, ViewMouseHandler *handler, QWidget *parent);
    void setHandler(ViewMouseHandler *mouseHandler) { handler = mouseHandler; }

    // The picture drawn under the items (the simulator's live picture); a null image draws
    // nothing, so the layer stays transparent. The view shares the image's pixels, it keeps
    // no copy of its own.
    void setLivePicture(const QImage &picture);
    QImage livePicture() const;

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    ViewMouseHandler *handler;
    QImage picture;
};

#endif // GRAPHICSVIEW_H
