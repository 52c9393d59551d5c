#ifndef MEASUREMENTDOCUMENT_H
#define MEASUREMENTDOCUMENT_H

#include <QHash>
#include <QObject>
#include <QUndoStack>
#include <QVector>

#include <functional>

#include "CustomLine.h"
#include "ItemLook.h"
#include "Shape.h"

class QGraphicsItem;
class QGraphicsScene;

// The finished items on the scene (kept in GlobalVar::shapeList, in the order they were
// finished) and the history of what the user did to them: every change is a step on an undo
// stack, so a slip of the mouse can be taken back and a deleted result brought back, with its
// name.
//
// An item that leaves the list (deleted, or its addition undone) is kept by the step that took it
// out, off the scene, until that step is dropped from the history; only then is it deleted.
class MeasurementDocument : public QObject
{
    Q_OBJECT

public:
    static constexpr int undoLimit = 200;

    explicit MeasurementDocument(QGraphicsScene *scene, QObject *parent = nullptr);
    ~MeasurementDocument() override;

    QUndoStack *undoStack() { return &stack; }

    // A finished item joins the list, and the scene if it is not there yet. A calibration item
    // is added outside the history (its dialog decides whether it stays).
    void add(Shape *item, bool undoable = true);
    // The items leave the list and the scene, as one step.
    void remove(const QVector<Shape *> &items);
    // Every visible item is hidden, as one step.
    void hideAll();
    // The item's tolerance becomes `tolerance`, as one step.
    void setTolerance(Shape *item, const Tolerance &tolerance);
    // Items of tool `tool` finished from now on get `tolerance`; an empty one stops that. This is
    // a setting, not a step.
    void setNewItemTolerance(int tool, const Tolerance &tolerance);
    Tolerance newItemTolerance(int tool) const { return newItemTolerances.value(tool); }

    // Around a drag on the scene: `items` are those the drag may move or reshape. What they and
    // every label looked like at the press is kept, and the release makes one step of whatever
    // changed (the dragged items and the labels that gave way to them), however many moves it
    // took.
    void beginEdit(const QList<QGraphicsItem *> &items);
    void endEdit();
    // A reference line was dragged or changed in its dialog.
    void lineEdited(CustomLine *line, const CustomLine::Look &before);
    // The look in use was changed from `before`, the labels standing at `placesBefore` (as
    // labelOffsets() gave them then); `apply` brings the scene and the stored settings in line
    // with the look in use, now and after each undo or redo.
    void lookChanged(const ItemLook &before, const QVector<QPointF> &placesBefore,
                     const std::function<void()> &apply);
    // Where each listed item's label stands, in list order.
    static QVector<QPointF> labelOffsets();

    // An item of the list is deleted outside the history (a calibration given up): it leaves the
    // list, and if a step could bring it back the history is cleared.
    void discard(Shape *item);
    void clearHistory();

signals:
    // The list or the values of its items changed: the results table is to follow.
    void itemsChanged();
    // The item left the list and is about to leave the scene: whoever holds it lets go of it.
    void itemRemoved(Shape *item);
    // Labels still being written anew (after a change of look) are to be written now.
    void labelsToSettle();

private:
    friend class DocumentStep;

    void insertItem(Shape *item, int index);
    void takeItem(Shape *item);

    QGraphicsScene *scene;
    // How many steps name each item: only an item no step names may be deleted from outside.
    QHash<const Shape *, int> references;
    QHash<Shape *, Shape::State> pressedStates;
    QVector<QPointF> pressedLabelOffsets;
    bool editing = false;
    QHash<int, Tolerance> newItemTolerances;
    // Declared last: its steps are dropped first, while the counts still exist.
    QUndoStack stack;
};

#endif // MEASUREMENTDOCUMENT_H
