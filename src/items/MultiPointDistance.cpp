#include "MultiPointDistance.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <utility>

#include "GlobalVar.h"
#include "LabelText.h"
#include "LineGeometry.h"

namespace {
// A length as its displayed number: in the current unit, rounded exactly as the text shows it,
// so that a spread formed from such numbers agrees with the texts to the last digit.
qreal shownLength(qreal pixels)
{
    return QString::number(Shape::lengthInUnit(pixels), 'f', GlobalVar::textDigiLength).toDouble();
}
} // namespace

MultiPointDistance::MultiPointDistance()
{
    // Not edited, not moved: no hover cursors and no flags of their own.
    setAcceptHoverEvents(false);
    setFlag(ItemIsSelectable, false);
    setFlag(ItemIsMovable, false);
    baseLine = QLineF(basePoint1, basePoint2);
}

QPointF *MultiPointDistance::definingPoint(int index)
{
    return index == 1 ? &basePoint1 : index == 2 ? &basePoint2 : nullptr;
}

void MultiPointDistance::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    prepareGeometryChange();
    if (index == 1) {
        basePoint1 = point;
    } else if (index == 2 && isSet(basePoint1)) {
        // The base line is horizontal, at the first point's height.
        basePoint2 = QPointF(point.x(), basePoint1.y());
        baseLine = QLineF(basePoint2, basePoint1);
        rebuildBaseHandles();
    } else if (index >= 3 && measurePoints.size() < maxMeasurePoints() - 1 && isSet(basePoint2)
               && !bFinished) {
        // The finishing click adds the last point.
        // A committed point is measured where it was fixed, which may differ from the last
        // mouse position when points snap to edges.
        measurePoints << point;
        measure(measurePoints);
        valuesChanged();
        label = name() + QLatin1Char('=') + displayText();
    }
    Shape::setPoint(point, 0, serial);
}

void MultiPointDistance::drawing(const QPointF &point)
{
    Shape::drawing(point);
    if (distanceTexts.isEmpty())
        label.clear();
}

bool MultiPointDistance::place(const QPointF &point)
{
    if (bFinished || !isSet(basePoint1))
        return false;
    if (!isSet(basePoint2)) {
        baseLine = QLineF(QPointF(point.x(), basePoint1.y()), basePoint1);
        rebuildBaseHandles();
        return true;
    }
    // At the base line's own height there is no distance to show.
    if (point.y() == basePoint1.y())
        return false;
    measure(QVector<QPointF>(measurePoints) << point);
    return true;
}

void MultiPointDistance::rebuildBaseHandles()
{
    const float angle = float(baseLine.angle());
    baseHandles = {GlobalVar::getMoveBox(baseLine.p1(), angle, handleSize),
                   GlobalVar::getMoveBox(baseLine.p2(), angle, handleSize)};
}

void MultiPointDistance::measure(const QVector<QPointF> &points)
{
    measureLines.clear();
    pointHandles.clear();
    lineBands.clear();
    distanceTexts.clear();
    const float angle = float(baseLine.angle());
    int number = 0;
    for (const QPointF &p : points) {
        const QLineF distance(p, QPointF(p.x(), basePoint1.y()));
        measureLines << markLine(p) << distance;
        pointHandles << GlobalVar::getMoveBox(p, angle, handleSize);
        distanceTexts << lengthText(QStringLiteral("L%1").arg(++number), distance.length());
    }
    for (const QLineF &line : std::as_const(measureLines))
        lineBands << GlobalVar::getOuterShape(line, handleSize);
}

void MultiPointDistance::endDraw(const QPointF &point)
{
    if (bFinished)
        return;
    prepareGeometryChange();
    // The base line needs both its points before anything can be measured from it.
    if (isSet(basePoint2)) {
        if (measurePoints.size() < maxMeasurePoints())
            measurePoints << point;
        measure(measurePoints);
    }
    bFinished = true;
    summarize();
    valuesChanged();
    label = name() + QLatin1Char('=') + displayText();
    shapeChanged();
    update();
}

bool MultiPointDistance::refreshLabel()
{
    // The distance texts are written when a point is measured: measure again in the new unit.
    if (label.isEmpty() || !isSet(basePoint2))
        return false;
    prepareGeometryChange();
    measure(measurePoints);
    if (bFinished)
        summarize();
    valuesChanged();
    label = name() + QLatin1Char('=') + displayText();
    shapeChanged();
    update();
    return true;
}

void MultiPointDistance::summarize()
{
    QVector<qreal> distances;
    for (int i = 1; i < measureLines.size(); i += 2)
        distances << shownLength(measureLines.at(i).length());
    const LineGeometry::Spread spread = LineGeometry::spread(distances);
    summaryText.clear();
    spreadNumber = 0.0;
    // An item finished without any distance has no spread to report.
    if (spread.valid()) {
        const QPointF nearest = measurePoints.at(spread.minIndex);
        const QPointF farthest = measurePoints.at(spread.maxIndex);
        qreal value = spread.value();
        const qreal baseY = basePoint1.y();
        if (spreadSpansMarks() && (nearest.y() - baseY) * (farthest.y() - baseY) < 0)
            value = spread.min + spread.max;
        measureLines << QLineF(nearest, QPointF(summaryEndX, nearest.y()))
                     << QLineF(farthest, QPointF(summaryEndX, farthest.y()))
                     << QLineF(summaryBarX, nearest.y(), summaryBarX, farthest.y());
        spreadNumber = double(float(value));
        summaryText = QStringLiteral("C%1=").arg(serial)
            + QString::number(float(value), 'f', GlobalVar::textDigiLength)
            + GlobalVar::currentUnit;
    }
}

QString MultiPointDistance::displayText() const
{
    QStringList lines = distanceTexts;
    if (!summaryText.isEmpty())
        lines << summaryText;
    return lines.join(QLatin1Char('\n'));
}

QVector<MeasuredValue> MultiPointDistance::values() const
{
    QVector<MeasuredValue> numbers;
    const int pairs = qMin(measuredLineCount() / 2, int(distanceTexts.size()));
    for (int i = 0; i < pairs; ++i) {
        const QString name = QStringLiteral("L%1").arg(i + 1);
        numbers.append({name, name, lengthInUnit(measureLines.at(2 * i + 1).length()), GlobalVar::currentUnit,
                        MeasuredValue::Length});
    }
    if (!summaryText.isEmpty())
        numbers.append({QStringLiteral("C"), summaryText.section(QLatin1Char('='), 0, 0), spreadNumber,
                        GlobalVar::currentUnit, MeasuredValue::Length});
    return numbers;
}

QVector<QPolygonF> MultiPointDistance::makeHandles() const
{
    return baseHandles + pointHandles;
}

QVector<QPolygonF> MultiPointDistance::makeBands() const
{
    return lineBands;
}

QVector<QPointF> MultiPointDistance::crossPoints() const
{
    QVector<QPointF> points;
    if (isSet(basePoint1))
        points << basePoint1;
    if (isSet(basePoint2))
        points << basePoint2;
    return points + measurePoints;
}

int MultiPointDistance::measuredLineCount() const
{
    return bFinished && !summaryText.isEmpty() ? measureLines.size() - 3 : measureLines.size();
}

QVector<MultiPointDistance::PlacedText> MultiPointDistance::placedTexts(bool whole) const
{
    QVector<PlacedText> texts;
    const int pairs = measuredLineCount() / 2;
    for (int i = 0; i < pairs && i < distanceTexts.size(); ++i) {
        const QString &text = distanceTexts.at(i);
        texts.append({measureLines.at(2 * i + 1).center(),
                      whole ? text : text.section(QLatin1Char('='), 0, 0)});
    }
    if (!bFinished)
        return texts;
    // Finished: the spread beside its bar and the item's name on the base line, or only the
    // spread's name on the base line.
    // An item outside its tolerance has its name marked.
    const QString marker = verdict() == Tolerance::Outside ? failureMarker() + QLatin1Char(' ') : QString();
    if (whole) {
        if (!summaryText.isEmpty())
            texts.append({measureLines.last().center(), summaryText});
        texts.append({baseLine.center(), marker + name()});
    } else if (!summaryText.isEmpty()) {
        texts.append({baseLine.center(), marker + summaryText.section(QLatin1Char('='), 0, 0)});
    }
    return texts;
}

QPainterPath MultiPointDistance::buildShape() const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (pointHandles.isEmpty()) {
        if (baseHandles.isEmpty()) {
            path.addRect(scene() ? scene()->sceneRect() : QRectF());
            return path;
        }
        for (const QPolygonF &square : baseHandles)
            path.addPolygon(square);
        return path;
    }
    // Overlapping parts add up under the winding rule: no union needed for a hit test.
    for (const QVector<QPolygonF> *polygons : {&baseHandles, &lineBands, &pointHandles}) {
        for (const QPolygonF &polygon : *polygons)
            path.addPolygon(polygon);
    }
    // Text rectangles run the same way round as the squares and bands, so that where they
    // overlap the winding numbers add up instead of cancelling.
    for (const PlacedText &text : placedTexts(true)) {
        const qreal reach = LabelText::reach;
        const QRectF r = GlobalVar::getMultiLineTextRect(text.anchor, text.text).adjusted(-reach, -reach, reach, reach);
        path.addPolygon(QPolygonF({r.topRight(), r.topLeft(), r.bottomLeft(), r.bottomRight(), r.topRight()}));
    }
    return path;
}

QRectF MultiPointDistance::boundingRect() const
{
    QRectF rect = shape().boundingRect();
    // The summary lines reach out to the right of the hit area; they are repainted with it.
    if (bFinished && !summaryText.isEmpty()) {
        const qreal margin = qMax<qreal>(GlobalVar::shapeGraphPen.widthF(), 1.0);
        for (int i = measureLines.size() - 3; i < measureLines.size(); ++i) {
            const QLineF &line = measureLines.at(i);
            rect |= QRectF(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
        }
    }
    return rect;
}

void MultiPointDistance::paintGeometry(QPainter *painter) const
{
    if (!baseHandles.isEmpty())
        painter->drawLine(baseLine);
    const int measured = measuredLineCount();
    painter->drawLines(measureLines.mid(0, measured));
    if (measured < measureLines.size()) {
        QPen pen = painter->pen();
        pen.setStyle(Qt::DashLine);
        painter->setPen(pen);
        painter->drawLines(measureLines.mid(measured));
    }
}

void MultiPointDistance::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    // Drawn the same way whether selected or not.
    QPen pen = GlobalVar::shapeGraphPen;
    const bool failed = verdict() == Tolerance::Outside;
    if (failed)
        pen.setColor(failureColor());
    painter->setPen(pen);
    for (const QPointF &p : crossPoints())
        drawCross(painter, p);
    paintGeometry(painter);

    if (distanceTexts.isEmpty())
        return;
    pen.setColor(failed ? failureColor() : GlobalVar::shapeTextColor);
    painter->setPen(pen);
    painter->setFont(GlobalVar::shapeTextFont);
    for (const PlacedText &text : placedTexts(GlobalVar::bTextON))
        drawLabel(painter, text.anchor, text.text);
}

// Nothing to edit: presses and releases only select, moves do nothing.
void MultiPointDistance::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    QGraphicsItem::hoverMoveEvent(event);
}

void MultiPointDistance::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem::mousePressEvent(event);
}

void MultiPointDistance::mouseMoveEvent(QGraphicsSceneMouseEvent *)
{
}

void MultiPointDistance::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem::mouseReleaseEvent(event);
}
