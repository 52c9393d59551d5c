#ifndef TOOLROUTER_H
#define TOOLROUTER_H

#include <QObject>
#include <QSize>

#include "ViewMouseHandler.h"

class CalibrationTool;
class CalibrationWorkflow;
class ClickTool;
class GraphicsView;
class MeasurementDocument;
class QShortcut;
class QWidget;
class Shape;

// Hands the view's presses, moves and releases to the armed tool, or, with none armed, to the
// scene, whose drags of finished items become steps of the document's history. It serves the
// keys that go with drawing: undo and redo, Backspace and Escape.
class ToolRouter : public QObject, public ViewMouseHandler
{
    Q_OBJECT

public:
    // `window` takes the keys and parents the warnings; the calibration dialog stands inside
    // `dialogArea`.
    ToolRouter(GraphicsView *view, MeasurementDocument *document, CalibrationWorkflow *calibration,
               const QSize &dialogArea, QWidget *window);

    // Arms a tool (code as in the tool table), or none for 0. An item half drawn under the
    // previous tool is discarded, so no item is continued by the wrong tool.
    void arm(int code);
    int armedTool() const { return code; }
    bool isDrawing() const { return drawing; }
    bool isMousePressed() const { return mousePressed; }
    // The item the armed tool draws or drew last, and the clicks made on it.
    Shape *currentShape() const;
    int clickCount() const;
    quint16 serialCounter(int counter) const;
    // `item` joined the list from outside the tools (a measurement file): items drawn later are
    // numbered after it.
    void continueAfter(const Shape *item);
    // The item left the list: the tools let go of it.
    void forget(Shape *shape);
    // The calibration item under work, if any.
    Shape *calibrationItem() const;

    // The item under construction is abandoned first, then the latest step taken back.
    void undo();
    void redo();
    // Backspace: the item loses its last click. Escape: the item is abandoned, or, with none
    // begun, the tool disarmed.
    void removeLastClick();
    void abandonItem();

    void viewMousePressEvent(QMouseEvent *event) override;
    void viewMouseMoveEvent(QMouseEvent *event) override;
    void viewMouseReleaseEvent(QMouseEvent *event) override;
    void viewWheelEvent(QWheelEvent *event) override;
    void viewContextMenuEvent(QContextMenuEvent *event) override;
    void viewSceneMouseMoved() override;
    void viewScenePressed() override;
    void viewSceneReleased() override;

signals:
    // The scene was pressed and released: the results table is to be rebuilt.
    void tableToRebuild();
    // One finished item is being dragged or reshaped: its row is to follow.
    void rowToFollow(Shape *shape);
    // The tool was disarmed from the view (right click, Escape).
    void disarmed();

private:
    ClickTool *activeTool() const;
    QPointF scenePoint(const QMouseEvent *event) const;
    void updateDrawingKeys();

    GraphicsView *view;
    MeasurementDocument *document;
    ClickTool *clickTool;
    CalibrationTool *calibrationTool;
    // The tool the armed row belongs to.
    ClickTool *active;
    QShortcut *backspaceKey;
    QShortcut *escapeKey;
    // Kept after a calibration finished and disarmed its tool, so that a right click names it.
    int code = 0;
    bool drawing = false;
    bool mousePressed = false;
    // The last right press was taken here (drawing, or naming a calibration): the context
    // menu that comes with it is taken too, so no reference line under the pointer opens
    // its own dialog over the calibration dialog.
    bool rightPressTaken = false;
};

#endif // TOOLROUTER_H
