#include "ClickTool.h"

#include <QGraphicsScene>

#include "EdgeSearch.h"
#include "GlobalVar.h"
#include "LabelPlacement.h"
#include "MeasurementDocument.h"
#include "PictureCapture.h"
#include "Shape.h"

ClickTool::ClickTool(QGraphicsScene *scene, MeasurementDocument *document, QObject *parent)
    : QObject(parent)
    , scene(scene)
    , document(document)
{
}

void ClickTool::setRoute(const ShapeRoute *route)
{
    cancel();
    armed = route;
}

void ClickTool::press(const QPointF &p)
{
    if (!armed)
        return;
    QLineF base;
    if (armed->baseLineClick > 0 && clickCount() + 1 == armed->baseLineClick
        && baseLineAt(p, &base)) {
        place(base.p1());
        place(base.p2());
    } else {
        place(p);
    }
}

bool ClickTool::baseLineAt(const QPointF &p, QLineF *line) const
{
    // The item in progress is no base line; the one finished last is.
    const Shape *drawn = clicks.isEmpty() ? nullptr : current;
    for (QGraphicsItem *item : scene->items(p)) {
        const Shape *shape = dynamic_cast<const Shape *>(item);
        if (shape && shape != drawn && shape->isComplete() && shape->offeredBaseLine(line))
            return true;
    }
    return false;
}

void ClickTool::place(const QPointF &p)
{
    if (clicks.isEmpty() || !current) {
        begin(p);
        if (armed->finishClick <= 1)
            finish(p);
    } else if (clicks.size() + 1 < armed->finishClick) {
        clicks << p;
        current->setPoint(p, quint8(clicks.size()), current->serial);
    } else {
        finish(p);
    }
}

void ClickTool::begin(const QPointF &p)
{
    current = armed->create();
    scene->addItem(current);
    clicks = {p};
    quint16 serial = 0;
    if (armed->counter >= 0 && armed->counter < ShapeRoute::CounterCount)
        serial = ++counters[armed->counter];
    current->setPoint(p, 1, serial);
    current->setFlag(QGraphicsItem::ItemIsMovable, GlobalVar::bMovable);
    current->setFlag(QGraphicsItem::ItemIsSelectable, GlobalVar::bEditable || GlobalVar::bMovable);
}

void ClickTool::finish(const QPointF &p)
{
    QPointF last = p;
    if (armed->search != ShapeRoute::NoSearch) {
        if (armed->finishClick > 1)
            clicks << p;
        if (!takeFoundEdges())
            return;
        last = Shape::unsetPoint();
    }
    clicks.clear();
    current->endDraw(last);
    // Points that fix nothing (a line of no length, rim points in a line or on one spot) leave a
    // measurement without a value: it is not kept, whether its label is empty or holds its name
    // alone. A calibration gets its name, and so its label, afterwards.
    if (!armed->calibration && (current->labelValues().isEmpty() || current->values().isEmpty())) {
        delete current;
        current = nullptr;
        emit valueless();
        return;
    }
    LabelPlacement::place(current);
    // A calibration is kept or given up in its dialog, outside the history.
    document->add(current, !armed->calibration);
    emit itemFinished(current);
}

bool ClickTool::takeFoundEdges()
{
    // The picture is searched once, here; the item keeps only the points found.
    const QImage picture = PictureCapture::photo();
    const PictureResponse response = PictureCapture::response();
    const EdgeSearch::Result found = armed->search == ShapeRoute::RoundEdge
                                         ? EdgeSearch::circleAround(picture, clicks.first(), response)
                                         : EdgeSearch::lineBetween(picture, clicks.first(), clicks.last(), response);
    if (found.failure != EdgeSearch::Found) {
        cancel();
        emit edgesNotFound(found.failure);
        return false;
    }
    Shape *shape = armed->create();
    shape->setFlags(current->flags());
    scene->addItem(shape);
    for (int i = 0; i < found.points.size(); ++i)
        shape->setPoint(found.points.at(i), quint8(qMin(i + 1, 255)), current->serial);
    delete current;
    current = shape;
    return true;
}

void ClickTool::move(const QPointF &p)
{
    if (current && armed && armed->drawsAt(clickCount()))
        current->drawing(p);
}

void ClickTool::rightPress(const QPointF &p)
{
    if (!current || !armed)
        return;
    if (clicks.isEmpty()) {
        current = nullptr;
        emit disarmRequested();
    } else if (armed->rightClickFinishesFrom > 0 && clickCount() >= armed->rightClickFinishesFrom) {
        finish(armed->rightClickIsPoint ? p : Shape::unsetPoint());
    } else {
        cancel();
    }
}

void ClickTool::cancel()
{
    if (clicks.isEmpty())
        return;
    clicks.clear();
    delete current;
    current = nullptr;
}

void ClickTool::removeLastClick(const QPointF &mouse)
{
    if (clicks.size() <= 1 || !armed) {
        cancel();
        return;
    }
    // The item is drawn again from its first click up to the one before the last.
    clicks.removeLast();
    Shape *shape = armed->create();
    shape->setFlags(current->flags());
    scene->addItem(shape);
    for (int i = 0; i < clicks.size(); ++i)
        shape->setPoint(clicks.at(i), quint8(i + 1), current->serial);
    delete current;
    current = shape;
    move(mouse);
}

void ClickTool::forget(const Shape *shape)
{
    if (current == shape) {
        current = nullptr;
        clicks.clear();
    }
}

quint16 ClickTool::serialCounter(int counter) const
{
    return counter >= 0 && counter < ShapeRoute::CounterCount ? counters[counter] : 0;
}

void ClickTool::continueAfter(int counter, quint16 serial)
{
    if (counter >= 0 && counter < ShapeRoute::CounterCount)
        counters[counter] = qMax(counters[counter], serial);
}
