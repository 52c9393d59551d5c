#include "MeasureAngle.h"

#include <QPainter>

#include <cmath>

#include "CircleGeometry.h"
#include "GlobalVar.h"
#include "SystemPaths.h"
#include "ValueFormat.h"

namespace {
QLineF lowerFirst(const QLineF &line)
{
    return line.p2().y() >= line.p1().y() ? QLineF(line.p2(), line.p1()) : line;
}

// Whether x, a point of the line's infinite extension, lies on the segment itself.
bool onSegment(const QPointF &x, const QLineF &segment)
{
    const float along = float(QLineF(x, segment.p1()).length() + QLineF(x, segment.p2()).length());
    return qFuzzyCompare(along, float(segment.length()));
}

// The segment from x to the farther of the line's two clicked points.
QLineF fromCrossing(const QPointF &x, const QLineF &segment)
{
    return QLineF(x, segment.p1()).length() < QLineF(x, segment.p2()).length()
        ? QLineF(x, segment.p2())
        : QLineF(x, segment.p1());
}
QRectF picture()
{
    return QRectF(QPointF(0, 0), SystemPaths::displaySize());
}
} // namespace

QPointF *MeasureAngle::definingPoint(int index)
{
    switch (index) {
    case 1: return &firstLineStart;
    case 2: return &firstLineEnd;
    case 3: return &secondLineStart;
    case 4: return &secondLineEnd;
    default: return nullptr;
    }
}

void MeasureAngle::setPoint(const QPointF &point, unsigned char index, unsigned short serial)
{
    Shape::setPoint(point, index, serial);
    if (index == 1) {
        firstLineEnd = point;
        firstLine = QLineF(point, point);
    } else if (index == 2) {
        firstLine = lowerFirst(QLineF(firstLineStart, firstLineEnd));
    } else if (index == 3) {
        secondLine = QLineF(point, point);
    }
    shapeChanged();
}

void MeasureAngle::drawing(const QPointF &point)
{
    Shape::drawing(point);
    if (!measured && !label.isEmpty()) {
        // The first line alone has no angle yet.
        label.clear();
        shapeChanged();
    }
}

bool MeasureAngle::place(const QPointF &point)
{
    if (!isSet(secondLineStart)) {
        if (!isSet(firstLineEnd))
            return false;
        firstLineEnd = point;
        firstLine = lowerFirst(QLineF(firstLineStart, firstLineEnd));
        return true;
    }

    // Lines in click order. A line of no length has no direction and so no angle: the item
    // keeps what it showed last.
    const QLineF first(firstLineStart, firstLineEnd);
    const QLineF second(secondLineStart, point);
    if (first.isNull() || second.isNull())
        return false;
    QPointF x;
    const bool meet = CircleGeometry::intersect(first, second, &x);
    const bool onFirst = meet && onSegment(x, first);
    const bool onSecond = meet && onSegment(x, second);
    QLineF drawnFirst = first;
    QLineF drawnSecond = second;
    double angle;
    double partner;
    if (!meet) {
        // Parallel, or so nearly that they would cross far outside the picture: as for lines
        // meeting beyond both segments, the angle is the small one between their directions
        // (0 for parallel lines) and its partner the rest of the full turn. The lines stay as
        // clicked and the label is written between them.
        angle = first.angleTo(second);
        if (angle >= 180.0)
            angle -= 180.0;
        angle = qMin(angle, 180.0 - angle);
        partner = 360.0 - angle;
        x = (first.center() + second.center()) / 2;
    } else if (onFirst || onSecond) {
        // The counter-clockwise turn from the first line to the second, modulo 180 degrees.
        angle = first.angleTo(second);
        if (angle > 180.0)
            angle -= 180.0;
        partner = 180.0 - angle;
        if (!onFirst)
            drawnFirst = fromCrossing(x, first);
        if (!onSecond)
            drawnSecond = fromCrossing(x, second);
    } else {
        // The lines meet beyond both segments: the angle of the V they open towards.
        const double dA = QLineF(x, firstLineStart).length();
        const double dB = QLineF(x, secondLineStart).length();
        const double dAB = QLineF(firstLineStart, secondLineStart).length();
        const double cosine = qBound(-1.0, (dA * dA + dB * dB - dAB * dAB) / (2.0 * dA * dB), 1.0);
        angle = std::acos(cosine) * 57.29577951308232;
        partner = 360.0 - angle;
        if (picture().contains(x)) {
            drawnFirst = fromCrossing(x, first);
            drawnSecond = fromCrossing(x, second);
        } else {
            // Lines that meet off the picture stay as clicked, the label between them.
            x = (first.center() + second.center()) / 2;
        }
    }
    if (!std::isfinite(angle))
        return false;

    secondLineEnd = point;
    firstLine = lowerFirst(drawnFirst);
    secondLine = lowerFirst(drawnSecond);
    mainAngle = float(angle);
    otherAngle = float(partner);
    crossing = x;
    measured = true;
    return true;
}

QVector<MeasuredValue> MeasureAngle::values() const
{
    if (!measured)
        return {};
    return {angleValue(labelPrefix(), mainAngle), angleValue(labelPrefix(), otherAngle, QStringLiteral("'"))};
}

QVector<QPolygonF> MeasureAngle::makeHandles() const
{
    const float firstAngle = float(firstLine.angle());
    if (!measured)
        return {GlobalVar::getMoveBox(firstLine.p1(), firstAngle, handleSize),
                GlobalVar::getMoveBox(firstLine.p2(), firstAngle, handleSize)};
    const float secondAngle = float(secondLine.angle());
    return {GlobalVar::getMoveBox(firstLineStart, firstAngle, handleSize),
            GlobalVar::getMoveBox(firstLineEnd, firstAngle, handleSize),
            GlobalVar::getMoveBox(secondLineStart, secondAngle, handleSize),
            GlobalVar::getMoveBox(secondLineEnd, secondAngle, handleSize)};
}

QVector<QPolygonF> MeasureAngle::makeBands() const
{
    if (!measured)
        return {GlobalVar::getOuterShape(firstLine, handleSize)};
    return {GlobalVar::getOuterShape(firstLine, handleSize),
            GlobalVar::getOuterShape(secondLine, handleSize)};
}

void MeasureAngle::paintGeometry(QPainter *painter) const
{
    if (isSet(firstLineEnd))
        painter->drawLine(firstLine);
    if (measured)
        painter->drawLine(secondLine);
}

