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
    // A view of the whole scene, unscaled and without scroll bars, over a transparent ground.
    GraphicsView(QGraphicsScene *scene, ViewMouseHandler *handler, QWidget *parent);
    void setHandler(ViewMouseHandler *mouseHandler) { handler = mouseHandler; }

    // The picture drawn under the items (the simulator's live picture); a null image draws
    // nothing, so the layer stays transparent. The view shares the image's pixels, it keeps
    // no copy of its own.
    void setLivePicture(const QImage &picture);
    QImage livePicture() const;
    // On a desktop the view draws the simulator's picture itself, again whenever it changes;
    // the first one once the view has painted, so that the window comes up first.
    void followSimulator();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    bool viewportEvent(QEvent *event) override;

private:
    ViewMouseHandler *handler;
    // Fetches the simulator's picture once the events now waiting are served: settings often
    // change several registers at once, and the picture is fetched once for all.
    void fetchSoon();

    QImage picture;
    bool following = false;
    bool painted = false;
    bool fetchPending = false;
};

#endif // GRAPHICSVIEW_H
