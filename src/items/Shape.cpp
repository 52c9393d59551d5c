#include "Shape.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "GlobalVar.h"
#include "HitArea.h"
#include "LabelPlacement.h"
#include "LabelText.h"
#include "ValueFormat.h"

namespace {
// Every change of any item's values takes the next number.
quint64 latestRevision = 0;
} // namespace

Shape::Shape()
{
    setAcceptHoverEvents(true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsMovable, true);
}

Shape::~Shape() = default;

void Shape::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    if (QPointF *p = definingPoint(index)) {
        prepareGeometryChange();
        *p = point;
        shapeChanged();
    }
    this->serial = serial;
    update();
}

void Shape::drawing(const QPointF &point)
{
    prepareGeometryChange();
    placeAccepted = place(point);
    if (placeAccepted) {
        valuesChanged();
        label = makeLabel();
        handles = makeHandles();
        bands = makeBands();
    }
    shapeChanged();
    update();
}

void Shape::endDraw(const QPointF &point)
{
    drawing(point);
}

int Shape::property() const
{
    return 0;
}

bool Shape::isComplete() const
{
    for (int i = 1; i <= pointCount(); ++i) {
        if (!isSet(pointAt(i)))
            return false;
    }
    return true;
}

QString Shape::labelName() const
{
    return label.section(QLatin1Char('='), 0, 0);
}

QString Shape::labelValues() const
{
    const int split = label.indexOf(QLatin1Char('='));
    return split < 0 ? QString() : label.mid(split + 1);
}

QString Shape::shownLabel() const
{
    const QString text = GlobalVar::bTextON ? labelValues() : labelName();
    // The failure is told by more than its colour.
    if (!text.isEmpty() && verdict() == Tolerance::Outside)
        return failureMarker() + QLatin1Char(' ') + text;
    return text;
}

QString Shape::makeLabel() const
{
    return name() + QLatin1Char('=') + displayText();
}

bool Shape::refreshLabel()
{
    // An item whose first point is not placed yet has nothing to show.
    if (label.isEmpty())
        return false;
    valuesChanged();
    const QString written = makeLabel();
    if (written == label)
        return false;
    prepareGeometryChange();
    label = written;
    shapeChanged();
    update();
    return true;
}

void Shape::refreshLook()
{
    prepareGeometryChange();
    shapeChanged();
    update();
}

void Shape::setLabelOffset(const QPointF &offset)
{
    if (offset == labelShift)
        return;
    prepareGeometryChange();
    labelShift = offset;
    shapeChanged();
    update();
}

QRectF Shape::shownLabelRect() const
{
    if (label.isEmpty())
        return QRectF();
    const qreal reach = LabelText::reach;
    return GlobalVar::getMultiLineTextRect(labelCorner(), shownLabel()).adjusted(-reach, -reach, reach, reach);
}

void Shape::setTolerance(const Tolerance &tolerance)
{
    if (tolerance == limits)
        return;
    // The marker before the label widens it.
    prepareGeometryChange();
    limits = tolerance;
    judged.digits = -1;
    shapeChanged();
    update();
}

Tolerance::Verdict Shape::verdict() const
{
    if (limits.isEmpty())
        return Tolerance::NotJudged;
    // Judged again only when the label, the unit, the calibration or the decimals changed.
    if (judged.digits != GlobalVar::textDigiLength || judged.label != label || judged.unit != GlobalVar::currentUnit
        || judged.ruler != GlobalVar::currentRealRuler) {
        judged.label = label;
        judged.unit = GlobalVar::currentUnit;
        judged.ruler = GlobalVar::currentRealRuler;
        judged.digits = GlobalVar::textDigiLength;
        judged.verdict = limits.judge(values(), judged.unit, judged.ruler);
    }
    return judged.verdict;
}

QColor Shape::failureColor()
{
    return QColor(230, 0, 0);
}

QString Shape::failureMarker()
{
    return QCoreApplication::translate("Shape", "NG");
}

QString Shape::formatLength(qreal pixels)
{
    return ValueFormat::number(lengthInUnit(pixels)) + GlobalVar::currentUnit;
}

qreal Shape::lengthInUnit(qreal pixels)
{
    if (GlobalVar::currentUnit.contains(QLatin1String("pixels")))
        return pixels;
    // The calibration factor is single precision, and so is its product.
    return qreal(float(pixels) * GlobalVar::currentRealRuler);
}

QVector<QPointF> Shape::crossPoints() const
{
    QVector<QPointF> points;
    for (int i = 1; i <= pointCount(); ++i) {
        const QPointF p = pointAt(i);
        if (isSet(p))
            points << p;
    }
    return points;
}

QPainterPath Shape::outline() const
{
    return QPainterPath();
}

QPainterPath Shape::partialShape() const
{
    QPainterPath path;
    if (!isSet(pointAt(1))) {
        // A scene without a rectangle of its own measures its items for one, this one too:
        // asked again meanwhile, the item covers nothing.
        if (scene() && !askingSceneRect) {
            askingSceneRect = true;
            path.addRect(scene()->sceneRect());
            askingSceneRect = false;
        }
        return path;
    }
    HitArea area;
    for (const QPointF &p : crossPoints())
        area.addPolygon(GlobalVar::getMoveBox(p, 0.0f, handleSize));
    for (const QPolygonF &band : bands)
        area.addPolygon(band);
    return area.path();
}

void Shape::dragHandle(int handle, const QPointF &pos)
{
    const int last = drawingPointIndex();
    if (handle == last) {
        drawing(pos);
        return;
    }
    QPointF *p = definingPoint(handle);
    // An item finished before its moving point was ever placed has nothing to recompute with:
    // a recompute would take the unset point for a click in the picture's corner.
    if (!p || !isSet(pointAt(last)))
        return;
    const QPointF before = *p;
    *p = pos;
    drawing(pointAt(last));
    if (!placeAccepted)
        *p = before;
}

void Shape::recompute()
{
    // An item finished before its moving point was placed keeps its points as they were drawn.
    const QPointF last = pointAt(drawingPointIndex());
    if (isSet(last))
        drawing(last);
}

Shape::State Shape::state() const
{
    State state;
    state.position = pos();
    state.points.reserve(pointCount());
    for (int i = 1; i <= pointCount(); ++i)
        state.points << pointAt(i);
    state.labelOffset = labelShift;
    return state;
}

QVector<QPointF> Shape::clickedPoints() const
{
    return state().points;
}

void Shape::restore(const State &state)
{
    setPos(state.position);
    bool moved = false;
    for (int i = 1; i <= state.points.size(); ++i) {
        QPointF *p = definingPoint(i);
        if (p && *p != state.points.at(i - 1)) {
            *p = state.points.at(i - 1);
            moved = true;
        }
    }
    if (moved) {
        prepareGeometryChange();
        recompute();
        shapeChanged();
    }
    setLabelOffset(state.labelOffset);
}

bool Shape::bodyContains(const QPointF &pos) const
{
    for (const QPolygonF &band : bands) {
        if (band.containsPoint(pos, Qt::OddEvenFill))
            return true;
    }
    return false;
}

QPointF Shape::pointAt(int index) const
{
    const QPointF *p = const_cast<Shape *>(this)->definingPoint(index);
    return p ? *p : unsetPoint();
}

QString Shape::name() const
{
    return labelPrefix() + QString::number(serial);
}

QString Shape::lengthText(const QString &name, qreal pixels)
{
    return name + QLatin1Char('=') + formatLength(pixels);
}

MeasuredValue Shape::lengthValue(const QString &key, qreal pixels, const QString &suffix) const
{
    return {key + suffix, key + QString::number(serial) + suffix, lengthInUnit(pixels), GlobalVar::currentUnit,
            MeasuredValue::Length};
}

MeasuredValue Shape::preciseLengthValue(const QString &key, double pixels, const QString &suffix) const
{
    const double k = ValueFormat::inPixels() ? 1.0 : double(GlobalVar::currentRealRuler);
    return {key + suffix, key + QString::number(serial) + suffix, pixels * k, GlobalVar::currentUnit,
            MeasuredValue::Length};
}

MeasuredValue Shape::areaValue(const QString &key, double squarePixels, const QString &suffix) const
{
    const double k = ValueFormat::inPixels() ? 1.0 : double(GlobalVar::currentRealRuler);
    return {key + suffix, key + QString::number(serial) + suffix, squarePixels * k * k,
            GlobalVar::currentUnit + QChar(0x00B2), MeasuredValue::Area};
}

MeasuredValue Shape::angleValue(const QString &key, double degrees, const QString &suffix) const
{
    return {key + suffix, key + QString::number(serial) + suffix, degrees, QString(QChar(0x00B0)), MeasuredValue::Angle};
}

void Shape::valuesChanged()
{
    revision = ++latestRevision;
}

void Shape::paintCircle(QPainter *painter, const QRectF &circle)
{
    if (circle.width() <= 0.0)
        return;
    drawCross(painter, circle.center());
    painter->drawEllipse(circle);
}

QPainterPath Shape::circleOutline(const QRectF &circle)
{
    QPainterPath path;
    if (circle.width() > 0.0)
        path.addEllipse(circle);
    return path;
}

void Shape::drawCross(QPainter *painter, const QPointF &p)
{
    const QPolygonF cross = GlobalVar::getCrossLine(p);
    painter->drawLine(cross[0], cross[1]);
    painter->drawLine(cross[2], cross[3]);
}

void Shape::drawLabel(QPainter *painter, const QPointF &corner, const QString &text)
{
    LabelText::draw(painter, corner, text);
}

void Shape::shapeChanged()
{
    cachedShapeValid = false;
    cachedBoundsValid = false;
}

QRectF Shape::boundingRect() const
{
    if (!cachedBoundsValid) {
        // A complete or selected item gathers only the extent of its parts; the hit shape
        // itself is built when something hit tests the item.
        if (!isSelected() && !isComplete()) {
            cachedBounds = shape().boundingRect();
        } else {
            HitArea area(HitArea::BoundsOnly);
            gatherHitArea(&area);
            cachedBounds = area.bounds();
        }
        cachedBoundsValid = true;
    }
    return cachedBounds;
}

QPainterPath Shape::shape() const
{
    if (!cachedShapeValid) {
        cachedShape = buildShape();
        cachedShapeValid = true;
    }
    return cachedShape;
}

QPainterPath Shape::buildShape() const
{
    if (!isSelected() && !isComplete())
        return partialShape();
    HitArea area;
    gatherHitArea(&area);
    return area.path();
}

void Shape::gatherHitArea(HitArea *area) const
{
    for (const QPolygonF &handle : handles)
        area->addPolygon(handle);
    if (isSelected() || !label.isEmpty()) {
        // The label's outline reaches a little beyond its text.
        const qreal reach = LabelText::reach;
        area->addRect(labelRect().adjusted(-reach, -reach, reach, reach));
    }
    for (const QPolygonF &band : bands)
        area->addPolygon(band);
    area->addPath(outline());
}

QPointF Shape::labelCorner() const
{
    return labelAnchor() + QPointF(8, 8) + labelShift;
}

QRectF Shape::labelRect() const
{
    if (verdict() == Tolerance::Outside)
        return GlobalVar::getMultiLineTextRect(labelCorner(), failureMarker() + QLatin1Char(' ') + label);
    return GlobalVar::getMultiLineTextRect(labelCorner(), label);
}

void Shape::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    QPen pen = GlobalVar::shapeGraphPen;
    const bool failed = verdict() == Tolerance::Outside;
    if (failed)
        pen.setColor(failureColor());
    const bool selected = isSelected();
    if (!selected) {
        painter->setPen(pen);
        for (const QPointF &p : crossPoints())
            drawCross(painter, p);
    } else {
        pen.setStyle(Qt::DashLine);
        painter->setPen(pen);
        if (GlobalVar::bEditable) {
            for (const QPolygonF &handle : handles)
                painter->drawPolygon(handle);
        } else {
            for (const QPointF &p : crossPoints())
                drawCross(painter, p);
        }
        pen.setStyle(GlobalVar::bMovable ? Qt::DashLine : Qt::SolidLine);
        painter->setPen(pen);
    }

    paintGeometry(painter);

    if (label.isEmpty())
        return;
    if (!selected)
        pen.setColor(failed ? failureColor() : GlobalVar::shapeTextColor);
    painter->setPen(pen);
    painter->setFont(GlobalVar::shapeTextFont);
    if (!labelShift.isNull())
        drawLeader(painter);
    drawLabel(painter, labelCorner(), shownLabel());
}

void Shape::drawLeader(QPainter *painter) const
{
    // From the label point to the nearest point of the moved label's rectangle, thin, in the
    // label's colour.
    const QPointF from = labelAnchor();
    const QRectF rect = shownLabelRect();
    const QPointF to(qBound(rect.left(), from.x(), rect.right()), qBound(rect.top(), from.y(), rect.bottom()));
    QPen pen = painter->pen();
    const QPen kept = pen;
    pen.setWidth(1);
    pen.setStyle(Qt::SolidLine);
    painter->setPen(pen);
    painter->drawLine(from, to);
    painter->setPen(kept);
}

int Shape::handleAt(const QPointF &pos) const
{
    for (int i = 0; i < handles.size(); ++i) {
        if (handles.at(i).containsPoint(pos, Qt::OddEvenFill))
            return i + 1;
    }
    return 0;
}

void Shape::hoverEnterEvent(QGraphicsSceneHoverEvent *)
{
}

void Shape::hoverLeaveEvent(QGraphicsSceneHoverEvent *)
{
}

void Shape::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    Qt::CursorShape cursor = Qt::ArrowCursor;
    if (isSelected()) {
        if (handleAt(event->pos()) > 0) {
            if (GlobalVar::bEditable && isEditable())
                cursor = Qt::CrossCursor;
        } else if (GlobalVar::bMovable && bodyContains(event->pos())) {
            cursor = Qt::SizeAllCursor;
        }
    }
    setCursor(cursor);
    QGraphicsItem::hoverMoveEvent(event);
}

void Shape::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    pressedLabelRect = mapRectToScene(shownLabelRect());
    pressedPosition = pos();
    // Only a press on a selected item can catch a handle; any other press forgets the last one.
    activeHandle = isSelected() ? (unsigned char)handleAt(event->pos()) : 0;
    // A press on a handle reshapes the item; it must not move it as a whole.
    if (activeHandle > 0)
        setFlag(ItemIsMovable, false);
    QGraphicsItem::mousePressEvent(event);
}

void Shape::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!isSelected())
        return;
    if (GlobalVar::bEditable && isEditable() && activeHandle > 0)
        dragHandle(activeHandle, event->pos());
    if (GlobalVar::bMovable)
        QGraphicsItem::mouseMoveEvent(event);
}

void Shape::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    setFlag(ItemIsMovable, GlobalVar::bMovable);
    QGraphicsItem::mouseReleaseEvent(event);
    // A drag that moved or reshaped the item places its label again, and the labels that gave
    // way to it where it was.
    if (pos() != pressedPosition || mapRectToScene(shownLabelRect()) != pressedLabelRect)
        LabelPlacement::placeAfterMove(this, pressedLabelRect);
}

QVariant Shape::itemChange(GraphicsItemChange change, const QVariant &value)
{
    // A selected item is hit by its label even when the label is empty.
    if (change == ItemSelectedChange)
        prepareGeometryChange();
    if (change == ItemSelectedChange || change == ItemSelectedHasChanged)
        shapeChanged();
    return QGraphicsItem::itemChange(change, value);
}
