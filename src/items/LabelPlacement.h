#ifndef LABELPLACEMENT_H
#define LABELPLACEMENT_H

#include <QPointF>
#include <QRectF>
#include <QVector>

class Shape;

// Keeps labels from covering each other. A label that would cover another one moves to the
// nearest free one of a few places around its label point (its corners, and a line further
// below or above), and stays where it is when none is free. Only the labels concerned are
// looked at, found through the scene's own index, when an item is finished, moved or reshaped,
// or restyled; never on a mouse move.
class LabelPlacement
{
public:
    LabelPlacement() = delete;

    // More labels than this around one make its neighbourhood full: it stays, unlooked for.
    static constexpr int crowdLimit = 24;

    // Places the label of `shape`: at its own place when that is free, else at the nearest free
    // one. True when it was moved.
    static bool place(Shape *shape);
    // Places the labels of `shapes` as place() does, against the labels of `all` near them: for
    // many items at once (a restyle, a change of unit), one look at each label instead of a
    // query of the scene per item.
    static void placeAll(const QVector<Shape *> &shapes, const QVector<Shape *> &all);
    // After `shape` was dragged: its own label, then the moved labels that gave way to it at
    // `formerLabel` (scene coordinates), which may now go back.
    static void placeAfterMove(Shape *shape, const QRectF &formerLabel);

    // The offsets from a label's own place to try, nearest first, for a label of `size`.
    static QVector<QPointF> candidates(const QSizeF &size);
};

#endif // LABELPLACEMENT_H
