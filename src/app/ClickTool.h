#ifndef CLICKTOOL_H
#define CLICKTOOL_H

#include <QLineF>
#include <QObject>
#include <QPointF>
#include <QVector>

#include "ShapeRoute.h"
#include "Tool.h"

class MeasurementDocument;
class QGraphicsScene;
class Shape;

// Draws the items of one tool row by counting clicks: the first click creates the row's item and
// numbers it, the clicks up to the finishing one fix its points, mouse moves reach drawing() at
// the click counts the row names, and the finishing click (or a right click where the row says
// so) hands the item to the document. Points that give no value leave no item. Where the row
// takes a base line, a press on a fitted edge gives both of the line's clicks.
class ClickTool : public QObject, public Tool
{
    Q_OBJECT

public:
    ClickTool(QGraphicsScene *scene, MeasurementDocument *document, QObject *parent = nullptr);

    // The row the clicks follow; null arms nothing (presses are taken and create no item).
    void setRoute(const ShapeRoute *route);
    const ShapeRoute *route() const { return armed; }

    void press(const QPointF &p) override;
    void move(const QPointF &p) override;
    void rightPress(const QPointF &p) override;
    void cancel() override;
    // Backspace: the item in progress loses its last click and follows the mouse at `mouse`
    // again; with one click made it is abandoned.
    void removeLastClick(const QPointF &mouse);

    // Clicks made on the item in progress (0: none begun).
    int clickCount() const { return int(clicks.size()); }
    // The item in progress, or else the one this tool finished last (until it leaves the list).
    Shape *item() const { return current; }
    // The item is gone: the tool lets go of it.
    void forget(const Shape *shape);
    quint16 serialCounter(int counter) const;
    // Items numbered up to `serial` by `counter` exist (opened from a file): the next item it
    // numbers comes after them.
    void continueAfter(int counter, quint16 serial);

signals:
    // A right click with no item begun after an item was drawn: the tool is to be disarmed.
    void disarmRequested();
    void itemFinished(Shape *item);
    // The clicked points gave no value: the item was not kept.
    void valueless();
    // The picture showed no edge for the tool's search (EdgeSearch::Failure): nothing was kept.
    void edgesNotFound(int failure);

protected:
    // The first click: a new item.
    virtual void begin(const QPointF &p);
    void finish(const QPointF &p);
    // The item made again of the edge points its clicks find in the picture; false, and the
    // item abandoned, where there are none.
    bool takeFoundEdges();

private:
    // One click at `p`.
    void place(const QPointF &p);
    // A finished item under `p` that offers its straight line as a base line.
    bool baseLineAt(const QPointF &p, QLineF *line) const;

    QGraphicsScene *scene;
    MeasurementDocument *document;
    const ShapeRoute *armed = nullptr;
    Shape *current = nullptr;
    // The clicks of the item in progress, as they were placed.
    QVector<QPointF> clicks;
    quint16 counters[ShapeRoute::CounterCount] = {};
};

#endif // CLICKTOOL_H
