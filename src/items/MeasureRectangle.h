#ifndef MEASURERECTANGLE_H
#define MEASURERECTANGLE_H

#include <QRectF>

#include "Shape.h"

// An axis-parallel rectangle spanned by two clicked corners: its width, height, perimeter and
// area.
class MeasureRectangle : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::Rectangle) };
    int property() const override { return toolCode(ToolId::Rectangle); }

    QPointF cornerPoint1 = unsetPoint();
    QPointF cornerPoint2 = unsetPoint();
    // The rectangle spanned by the two corners, whichever was clicked first.
    QRectF measuredRect{unsetCoordinate, unsetCoordinate, 0, 0};
    // measuredRect grown by the handle size on every side: the item's body.
    QRectF bodyRect;

protected:
    int pointCount() const override { return 2; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("R"); }
    QVector<MeasuredValue> values() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return measuredRect.topLeft(); }
    void paintGeometry(QPainter *painter) const override;
};

#endif // MEASURERECTANGLE_H
