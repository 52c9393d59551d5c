#include "LabelPlacement.h"

#include <QGraphicsScene>
#include <QHash>

#include <algorithm>
#include <cmath>

#include "Shape.h"

namespace {
// Room left between a label and its point.
const qreal gap = 8.0;

// The labels of other items that reach into `area` (scene coordinates), at most `limit` + 1.
QVector<QRectF> labelsNear(const Shape *shape, const QRectF &area, int limit)
{
    QVector<QRectF> found;
    const QList<QGraphicsItem *> near = shape->scene()->items(area, Qt::IntersectsItemBoundingRect);
    for (QGraphicsItem *item : near) {
        auto *other = dynamic_cast<Shape *>(item);
        if (!other || other == shape || !other->isVisible())
            continue;
        const QRectF rect = other->mapRectToScene(other->shownLabelRect());
        if (!rect.isEmpty() && rect.intersects(area)) {
            found << rect;
            if (found.size() > limit)
                break;
        }
    }
    return found;
}

bool isFree(const QRectF &rect, const QVector<QRectF> &others)
{
    return std::none_of(others.begin(), others.end(), [&rect](const QRectF &o) { return o.intersects(rect); });
}
} // namespace

QVector<QPointF> LabelPlacement::candidates(const QSizeF &size)
{
    // The own place has its top left corner `gap` below and right of the point; the others
    // put the rectangle at the point's other corners, then a line further below or above. None
    // sits level with the point, where it would cover the line it belongs to.
    const qreal left = -2 * gap - size.width();
    const qreal up = -2 * gap - size.height();
    QVector<QPointF> offsets{QPointF(0, 0), QPointF(0, up), QPointF(left, 0), QPointF(left, up),
                             QPointF(0, size.height() + gap), QPointF(0, up - size.height() - gap)};
    std::stable_sort(offsets.begin(), offsets.end(), [](const QPointF &a, const QPointF &b) {
        return std::hypot(a.x(), a.y()) < std::hypot(b.x(), b.y());
    });
    return offsets;
}

namespace {
// The label's own place, at no offset, in scene coordinates; empty without a label.
QRectF homeOf(const Shape *shape)
{
    const QRectF placed = shape->mapRectToScene(shape->shownLabelRect());
    return placed.isEmpty() ? placed : placed.translated(-shape->labelOffset());
}

// Everything the candidates of a label at `home` may cover.
QRectF reachOf(const QRectF &home, const QVector<QPointF> &offsets)
{
    QRectF reach;
    for (const QPointF &offset : offsets)
        reach |= home.translated(offset);
    return reach;
}

// Puts the label at the first free candidate; true when that moved it from its own place.
bool settle(Shape *shape, const QRectF &home, const QVector<QPointF> &offsets, const QVector<QRectF> &others)
{
    if (others.size() > LabelPlacement::crowdLimit)
        return false;
    for (const QPointF &offset : offsets) {
        if (isFree(home.translated(offset), others)) {
            shape->setLabelOffset(offset);
            return !offset.isNull();
        }
    }
    // No room anywhere: the label stays.
    return false;
}

// The labels of many items in square cells, so that the neighbours of one label are found
// among a few dozen rectangles instead of by a query of the scene.
class LabelGrid
{
public:
    static constexpr qreal cell = 128.0;

    void add(const Shape *shape, const QRectF &rect)
    {
        const int index = rects.size();
        rects << rect;
        owners << shape;
        forCells(rect, [&](qint64 key) { cells[key] << index; });
    }
    void move(const Shape *shape, const QRectF &rect)
    {
        const int index = owners.indexOf(shape);
        if (index < 0) {
            add(shape, rect);
            return;
        }
        forCells(rects.at(index), [&](qint64 key) { cells[key].removeOne(index); });
        rects[index] = rect;
        forCells(rect, [&](qint64 key) { cells[key] << index; });
    }
    // The labels of items other than `shape` that reach into `area`, at most `limit` + 1.
    QVector<QRectF> near(const Shape *shape, const QRectF &area, int limit) const
    {
        QVector<int> seen;
        QVector<QRectF> found;
        forCells(area, [&](qint64 key) {
            for (int index : cells.value(key)) {
                if (found.size() > limit || owners.at(index) == shape || seen.contains(index))
                    continue;
                seen << index;
                if (rects.at(index).intersects(area))
                    found << rects.at(index);
            }
        });
        return found;
    }

private:
    template<class F>
    static void forCells(const QRectF &rect, F f)
    {
        const int left = int(std::floor(rect.left() / cell));
        const int right = int(std::floor(rect.right() / cell));
        const int top = int(std::floor(rect.top() / cell));
        const int bottom = int(std::floor(rect.bottom() / cell));
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x)
                f(qint64((quint64(quint32(y)) << 32) | quint32(x)));
        }
    }

    QVector<QRectF> rects;
    QVector<const Shape *> owners;
    QHash<qint64, QVector<int>> cells;
};
} // namespace

bool LabelPlacement::place(Shape *shape)
{
    if (!shape || !shape->scene())
        return false;
    const QRectF home = homeOf(shape);
    if (home.isEmpty())
        return false;
    const QVector<QPointF> offsets = candidates(home.size());
    return settle(shape, home, offsets, labelsNear(shape, reachOf(home, offsets), crowdLimit));
}

void LabelPlacement::placeAll(const QVector<Shape *> &shapes, const QVector<Shape *> &all)
{
    // Only the labels that the candidates of `shapes` can reach take part.
    QRectF area;
    for (const Shape *shape : shapes) {
        const QRectF home = homeOf(shape);
        if (!home.isEmpty())
            area |= reachOf(home, candidates(home.size()));
    }
    if (area.isEmpty())
        return;
    LabelGrid grid;
    for (const Shape *shape : all) {
        // A label lies within its item's area.
        if (!shape->scene() || !shape->isVisible() || !shape->sceneBoundingRect().intersects(area))
            continue;
        const QRectF rect = shape->mapRectToScene(shape->shownLabelRect());
        if (!rect.isEmpty() && rect.intersects(area))
            grid.add(shape, rect);
    }
    for (Shape *shape : shapes) {
        const QRectF home = homeOf(shape);
        if (home.isEmpty())
            continue;
        const QVector<QPointF> offsets = candidates(home.size());
        const QPointF before = shape->labelOffset();
        settle(shape, home, offsets, grid.near(shape, reachOf(home, offsets), crowdLimit));
        if (shape->labelOffset() != before)
            grid.move(shape, home.translated(shape->labelOffset()));
    }
}

void LabelPlacement::placeAfterMove(Shape *shape, const QRectF &formerLabel)
{
    place(shape);
    if (!shape->scene() || formerLabel.isEmpty())
        return;
    // A moved label whose own place the dragged one covered before.
    const QRectF around = formerLabel.adjusted(-formerLabel.width() - 3 * gap, -formerLabel.height() - 3 * gap,
                                               formerLabel.width() + 3 * gap, formerLabel.height() + 3 * gap);
    for (QGraphicsItem *item : shape->scene()->items(around, Qt::IntersectsItemBoundingRect)) {
        auto *other = dynamic_cast<Shape *>(item);
        if (!other || other == shape || other->labelOffset().isNull())
            continue;
        if (homeOf(other).intersects(formerLabel))
            place(other);
    }
}
