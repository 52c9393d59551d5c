#ifndef VIEWMOUSEHANDLER_H
#define VIEWMOUSEHANDLER_H

class QContextMenuEvent;
class QMouseEvent;
class QWheelEvent;

// Whoever routes the view's mouse events to the items. An event it leaves ignored goes on to
// the scene and its items.
class ViewMouseHandler
{
public:
    virtual ~ViewMouseHandler() = default;

    virtual void viewMousePressEvent(QMouseEvent *event) = 0;
    virtual void viewMouseMoveEvent(QMouseEvent *event) = 0;
    virtual void viewMouseReleaseEvent(QMouseEvent *event) = 0;
    virtual void viewWheelEvent(QWheelEvent *event) = 0;
    // The context menu request that the platform sends with or after a right press.
    virtual void viewContextMenuEvent(QContextMenuEvent *event) = 0;
    // A move the handler left to the scene has reached the items.
    virtual void viewSceneMouseMoved() = 0;
    // A press or a release the handler left to the scene has reached the items.
    virtual void viewScenePressed() {}
    virtual void viewSceneReleased() {}
};

#endif // VIEWMOUSEHANDLER_H
