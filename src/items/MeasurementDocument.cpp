#include "MeasurementDocument.h"

#include <QGraphicsScene>
#include <QPointer>

#include <algorithm>

#include "GlobalVar.h"

// A step of the history, its text naming its kind. It counts the items it names, so that none of them is deleted behind
// its back.
class DocumentStep : public QUndoCommand
{
public:
    DocumentStep(MeasurementDocument *document, QVector<Shape *> named)
        : document(document)
        , named(std::move(named))
    {
        for (const Shape *item : qAsConst(this->named))
            ++document->references[item];
    }
    ~DocumentStep() override
    {
        for (const Shape *item : qAsConst(named)) {
            if (--document->references[item] <= 0)
                document->references.remove(item);
        }
    }

protected:
    void insertItem(Shape *item, int index) { document->insertItem(item, index); }
    void takeItem(Shape *item) { document->takeItem(item); }
    void changed() { emit document->itemsChanged(); }

    MeasurementDocument *document;
    const QVector<Shape *> named;
};

namespace {

// Items joining the list (an item finished) or leaving it (deleted). Items out of the list belong
// to the step.
class ListStep : public DocumentStep
{
public:
    // `indices`: where each item stands in the list while it is in it, in ascending order.
    ListStep(MeasurementDocument *document, const QVector<Shape *> &items, QVector<int> indices, bool adding)
        : DocumentStep(document, items)
        , indices(std::move(indices))
        , adding(adding)
        , inList(!adding)
    {
        setText(QLatin1String(adding ? "add" : "remove"));
    }
    ~ListStep() override
    {
        if (!inList)
            qDeleteAll(named);
    }
    void redo() override { adding ? putIn() : takeOut(); }
    void undo() override { adding ? takeOut() : putIn(); }

private:
    void putIn()
    {
        for (int k = 0; k < named.size(); ++k)
            insertItem(named.at(k), indices.at(k));
        inList = true;
        changed();
    }
    void takeOut()
    {
        for (int k = named.size() - 1; k >= 0; --k)
            takeItem(named.at(k));
        inList = false;
        changed();
    }

    const QVector<int> indices;
    const bool adding;
    bool inList;
};

class HideStep : public DocumentStep
{
public:
    HideStep(MeasurementDocument *document, const QVector<Shape *> &items)
        : DocumentStep(document, items)
    {
        setText(QStringLiteral("hide"));
    }
    void redo() override { show(false); }
    void undo() override { show(true); }

private:
    void show(bool shown)
    {
        for (Shape *item : named)
            item->setVisible(shown);
        changed();
    }
};

// An item's tolerance set, changed or removed.
class ToleranceStep : public DocumentStep
{
public:
    ToleranceStep(MeasurementDocument *document, Shape *item, const Tolerance &after)
        : DocumentStep(document, {item})
        , before(item->tolerance())
        , after(after)
    {
        setText(QStringLiteral("tolerance"));
    }
    void redo() override { put(after); }
    void undo() override { put(before); }

private:
    void put(const Tolerance &tolerance)
    {
        named.first()->setTolerance(tolerance);
        changed();
    }

    const Tolerance before;
    const Tolerance after;
};

// Items moved, reshaped or their labels moved, by one drag.
class EditStep : public DocumentStep
{
public:
    EditStep(MeasurementDocument *document, const QVector<Shape *> &items, QVector<Shape::State> before,
             QVector<Shape::State> after)
        : DocumentStep(document, items)
        , before(std::move(before))
        , after(std::move(after))
    {
        setText(QStringLiteral("edit"));
    }
    void redo() override
    {
        // The first time, the drag has done it already.
        if (done)
            put(after);
        done = true;
    }
    void undo() override { put(before); }

private:
    void put(const QVector<Shape::State> &states)
    {
        for (int k = 0; k < named.size(); ++k)
            named.at(k)->restore(states.at(k));
        changed();
    }

    const QVector<Shape::State> before;
    const QVector<Shape::State> after;
    bool done = false;
};

class LineStep : public DocumentStep
{
public:
    LineStep(MeasurementDocument *document, CustomLine *line, const CustomLine::Look &before)
        : DocumentStep(document, {})
        , line(line)
        , before(before)
        , after(line->look())
    {
        setText(QStringLiteral("line"));
    }
    void redo() override
    {
        if (done && line)
            line->setLook(after);
        done = true;
    }
    void undo() override
    {
        if (line)
            line->setLook(before);
    }

private:
    // Lines are deleted when their count is set anew; a step for a deleted line does nothing.
    QPointer<CustomLine> line;
    const CustomLine::Look before;
    const CustomLine::Look after;
    bool done = false;
};

// A new look writes every label anew and finds each a place again, which depends on where the
// others stood: the step keeps where the labels stood with each look and puts them back there.
class LookStep : public DocumentStep
{
public:
    LookStep(MeasurementDocument *document, const ItemLook &before, QVector<QPointF> placesBefore,
             std::function<void()> apply)
        : DocumentStep(document, {})
        , before(before)
        , after(ItemLook::current())
        , placesBefore(std::move(placesBefore))
        , apply(std::move(apply))
    {
        setText(QStringLiteral("look"));
    }
    void redo() override
    {
        if (done)
            put(after, placesAfter);
        done = true;
    }
    void undo() override
    {
        // The labels stand as the new look placed them, once every one is written.
        emit document->labelsToSettle();
        placesAfter = MeasurementDocument::labelOffsets();
        put(before, placesBefore);
    }

private:
    void put(const ItemLook &look, const QVector<QPointF> &places)
    {
        look.makeCurrent();
        apply();
        emit document->labelsToSettle();
        for (int i = 0; i < qMin(places.size(), GlobalVar::shapeList.size()); ++i)
            GlobalVar::shapeList.at(i)->setLabelOffset(places.at(i));
    }

    const ItemLook before;
    const ItemLook after;
    const QVector<QPointF> placesBefore;
    QVector<QPointF> placesAfter;
    const std::function<void()> apply;
    bool done = false;
};

} // namespace

MeasurementDocument::MeasurementDocument(QGraphicsScene *scene, QObject *parent)
    : QObject(parent)
    , scene(scene)
{
    stack.setUndoLimit(undoLimit);
}

MeasurementDocument::~MeasurementDocument()
{
    stack.clear();
}

void MeasurementDocument::add(Shape *item, bool undoable)
{
    if (!undoable) {
        insertItem(item, GlobalVar::shapeList.size());
        return;
    }
    // Taken back and done again, the item keeps the tolerance it was finished with.
    const auto it = newItemTolerances.constFind(item->property());
    if (it != newItemTolerances.cend() && item->tolerance().isEmpty())
        item->setTolerance(*it);
    stack.push(new ListStep(this, {item}, {int(GlobalVar::shapeList.size())}, true));
}

void MeasurementDocument::remove(const QVector<Shape *> &items)
{
    QVector<QPair<int, Shape *>> listed;
    for (Shape *item : items) {
        const int index = GlobalVar::shapeList.indexOf(item);
        if (index >= 0)
            listed.append({index, item});
    }
    if (listed.isEmpty())
        return;
    std::sort(listed.begin(), listed.end());
    QVector<Shape *> taken;
    QVector<int> indices;
    for (const auto &entry : qAsConst(listed)) {
        indices << entry.first;
        taken << entry.second;
    }
    stack.push(new ListStep(this, taken, indices, false));
}

void MeasurementDocument::hideAll()
{
    QVector<Shape *> shown;
    for (Shape *item : qAsConst(GlobalVar::shapeList)) {
        if (item->isVisible())
            shown << item;
    }
    if (!shown.isEmpty())
        stack.push(new HideStep(this, shown));
}

void MeasurementDocument::setTolerance(Shape *item, const Tolerance &tolerance)
{
    if (item && GlobalVar::shapeList.contains(item) && item->tolerance() != tolerance)
        stack.push(new ToleranceStep(this, item, tolerance));
}

void MeasurementDocument::setNewItemTolerance(int tool, const Tolerance &tolerance)
{
    if (tolerance.isEmpty())
        newItemTolerances.remove(tool);
    else
        newItemTolerances.insert(tool, tolerance);
}

void MeasurementDocument::beginEdit(const QList<QGraphicsItem *> &items)
{
    pressedStates.clear();
    for (QGraphicsItem *item : items) {
        auto *shape = dynamic_cast<Shape *>(item);
        // Only listed items are compared at the release; a press reads no more than that.
        if (shape)
            pressedStates.insert(shape, shape->state());
    }
    // Labels that give way to a dragged one move too; a press reads only where they stand.
    pressedLabelOffsets = labelOffsets();
    editing = true;
}

void MeasurementDocument::endEdit()
{
    if (!editing)
        return;
    editing = false;
    QVector<Shape *> items;
    QVector<Shape::State> before;
    QVector<Shape::State> after;
    const int count = qMin(GlobalVar::shapeList.size(), pressedLabelOffsets.size());
    for (int i = 0; i < count; ++i) {
        Shape *item = GlobalVar::shapeList.at(i);
        Shape::State now = item->state();
        Shape::State then = pressedStates.value(item, now);
        if (!pressedStates.contains(item))
            then.labelOffset = pressedLabelOffsets.at(i);
        if (then != now) {
            items << item;
            before << then;
            after << now;
        }
    }
    pressedStates.clear();
    pressedLabelOffsets.clear();
    if (!items.isEmpty())
        stack.push(new EditStep(this, items, before, after));
}

void MeasurementDocument::lineEdited(CustomLine *line, const CustomLine::Look &before)
{
    if (line && line->look() != before)
        stack.push(new LineStep(this, line, before));
}

void MeasurementDocument::lookChanged(const ItemLook &before, const QVector<QPointF> &placesBefore,
                                      const std::function<void()> &apply)
{
    if (ItemLook::current() != before)
        stack.push(new LookStep(this, before, placesBefore, apply));
}

QVector<QPointF> MeasurementDocument::labelOffsets()
{
    QVector<QPointF> offsets;
    offsets.reserve(GlobalVar::shapeList.size());
    for (const Shape *item : qAsConst(GlobalVar::shapeList))
        offsets << item->labelOffset();
    return offsets;
}

void MeasurementDocument::discard(Shape *item)
{
    if (references.contains(item))
        stack.clear();
    takeItem(item);
}

void MeasurementDocument::clearHistory()
{
    stack.clear();
}

void MeasurementDocument::insertItem(Shape *item, int index)
{
    if (scene && item->scene() != scene)
        scene->addItem(item);
    GlobalVar::shapeList.insert(qBound(0, index, int(GlobalVar::shapeList.size())), item);
}

void MeasurementDocument::takeItem(Shape *item)
{
    const int index = GlobalVar::shapeList.indexOf(item);
    if (index < 0)
        return;
    GlobalVar::shapeList.removeAt(index);
    emit itemRemoved(item);
    if (item->scene())
        item->scene()->removeItem(item);
}
