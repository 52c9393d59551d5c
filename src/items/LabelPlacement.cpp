#include "LabelPlacement.h"

#include <QGraphicsScene>

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

bool LabelPlacement::place(Shape *shape)
{
    if (!shape || !shape->scene())
        return false;
    const QRectF placed = shape->mapRectToScene(shape->shownLabelRect());
    if (placed.isEmpty())
        return false;
    const QRectF home = placed.translated(-shape->labelOffset());
    const QVector<QPointF> offsets = candidates(home.size());
    QRectF reach;
    for (const QPointF &offset : offsets)
        reach |= home.translated(offset);
    const QVector<QRectF> others = labelsNear(shape, reach, crowdLimit);
    if (others.size() > crowdLimit)
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
        const QRectF home = other->mapRectToScene(other->shownLabelRect()).translated(-other->labelOffset());
        if (home.intersects(formerLabel))
            place(other);
    }
}
