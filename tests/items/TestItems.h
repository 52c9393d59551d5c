#ifndef TESTITEMS_H
#define TESTITEMS_H

#include <QPainter>

#include "GlobalVar.h"
#include "Shape.h"

// Small item classes that exist only in the tests: they state points, geometry, label and
// handles the way every measurement item does, and count how often they are recomputed.

// A two-point segment labelled with its length, "L<serial>=L<serial>=<length><unit>".
class TestSegment : public Shape
{
public:
    enum { Type = UserType + 3 };
    int property() const override { return 3; }

    QPointF startPoint = unsetPoint();
    QPointF endPoint = unsetPoint();
    QLineF measuredLine;
    int drawingCalls = 0;

protected:
    int pointCount() const override { return 2; }
    QPointF *definingPoint(int index) override
    {
        return index == 1 ? &startPoint : index == 2 ? &endPoint : nullptr;
    }
    bool place(const QPointF &point) override
    {
        ++drawingCalls;
        endPoint = point;
        measuredLine = startPoint.y() > endPoint.y() ? QLineF(startPoint, endPoint)
                                                     : QLineF(endPoint, startPoint);
        return true;
    }
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QString displayText() const override { return lengthText(name(), measuredLine.length()); }
    QVector<QPolygonF> makeHandles() const override
    {
        const float angle = float(measuredLine.angle());
        return {GlobalVar::getMoveBox(startPoint, angle, handleSize),
                GlobalVar::getMoveBox(endPoint, angle, handleSize)};
    }
    QVector<QPolygonF> makeBands() const override
    {
        return {GlobalVar::getOuterShape(measuredLine, handleSize)};
    }
    QPointF labelAnchor() const override { return measuredLine.center(); }
    void paintGeometry(QPainter *painter) const override
    {
        if (isSet(endPoint))
            painter->drawLine(measuredLine);
    }
};

// An open path of up to N clicked points labelled with its total length. The moving point is
// the first point not fixed by a click.
template<int N, int Code = 12>
class TestPath : public Shape
{
public:
    enum { Type = UserType + Code };
    TestPath()
    {
        for (QPointF &p : points)
            p = unsetPoint();
    }
    int property() const override { return Code; }
    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override
    {
        fixed = qMax<int>(fixed, index);
        Shape::setPoint(point, index, serial);
    }
    void endDraw(const QPointF &point) override
    {
        drawing(point);
        finished = true;
    }
    bool isComplete() const override { return finished || Shape::isComplete(); }

    QPointF points[N];
    int fixed = 0;
    bool finished = false;
    int drawingCalls = 0;

protected:
    int pointCount() const override { return N; }
    QPointF *definingPoint(int index) override
    {
        return index >= 1 && index <= N ? &points[index - 1] : nullptr;
    }
    bool place(const QPointF &point) override
    {
        ++drawingCalls;
        if (fixed < N)
            points[fixed] = point;
        return true;
    }
    QString labelPrefix() const override { return QStringLiteral("P"); }
    QString displayText() const override
    {
        qreal total = 0;
        for (int i = 1; i < N && isSet(points[i]); ++i)
            total += QLineF(points[i - 1], points[i]).length();
        return lengthText(name(), total);
    }
    QVector<QPolygonF> makeHandles() const override
    {
        QVector<QPolygonF> squares;
        for (const QPointF &p : crossPoints())
            squares << GlobalVar::getMoveBox(p, 0.0f, handleSize);
        return squares;
    }
    QVector<QPolygonF> makeBands() const override
    {
        QVector<QPolygonF> strips;
        for (int i = 1; i < N && isSet(points[i]); ++i)
            strips << GlobalVar::getInnerShape(QLineF(points[i - 1], points[i]), handleSize);
        return strips;
    }
    QPointF labelAnchor() const override { return points[0]; }
    void paintGeometry(QPainter *painter) const override
    {
        for (int i = 1; i < N && isSet(points[i]); ++i)
            painter->drawLine(points[i - 1], points[i]);
    }
};

#endif // TESTITEMS_H
