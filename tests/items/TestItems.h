#ifndef TESTITEMS_H
#define TESTITEMS_H

#include <QPainter>

#include "GlobalVar.h"
#include "Shape.h"

// An item class that exists only in the tests: it states points, geometry, label and handles
// the way every measurement item does, and counts how often it is recomputed.

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
    QVector<MeasuredValue> values() const override
    {
        qreal total = 0;
        for (int i = 1; i < N && isSet(points[i]); ++i)
            total += QLineF(points[i - 1], points[i]).length();
        return {lengthValue(labelPrefix(), total)};
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
