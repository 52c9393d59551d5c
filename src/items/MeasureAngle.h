#ifndef MEASUREANGLE_H
#define MEASUREANGLE_H

#include "Shape.h"

// The angle between two lines, each through two clicked points, and its partner angle. The
// drawn lines reach to where the lines cross, when that is on the picture.
class MeasureAngle : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Angle) };
    int property() const override { return toolCode(ToolId::Angle); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;

    QPointF firstLineStart = unsetPoint();
    QPointF firstLineEnd = unsetPoint();
    QPointF secondLineStart = unsetPoint();
    QPointF secondLineEnd = unsetPoint();
    // The lines as drawn, each with its lower end on screen (greater y) first.
    QLineF firstLine = QLineF(unsetPoint(), unsetPoint());
    QLineF secondLine = QLineF(unsetPoint(), unsetPoint());
    // Degrees, 0 until measured.
    float mainAngle = 0.0f;
    float otherAngle = 0.0f;
    // Where the two lines cross, and the label is written; for lines that meet nowhere or off
    // the picture, the point halfway between the clicked segments' middles.
    QPointF crossing;

protected:
    int pointCount() const override { return 4; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("A"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return crossing; }
    void paintGeometry(QPainter *painter) const override;

private:
    bool measured = false;
};

#endif // MEASUREANGLE_H
