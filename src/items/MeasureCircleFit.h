#ifndef MEASURECIRCLEFIT_H
#define MEASURECIRCLEFIT_H

#include "CircleFit.h"
#include "Shape.h"

// A circle fitted to 3 to 20 clicked rim points: its radius, diameter, circumference, area and
// the fit's RMS residual. While it is drawn the mouse stands for a further rim point. The
// twentieth click finishes it with that point; a right click finishes it with the points
// clicked so far (the main window passes an unset point then).
class MeasureCircleFit : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::CircleFit) };
    int property() const override { return toolCode(ToolId::CircleFit); }

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void endDraw(const QPointF &point) override;
    bool isComplete() const override { return finished; }

    static constexpr int minPoints = 3;
    static constexpr int maxPoints = 20;

    QVector<QPointF> rimPoints;
    // The circle as last fitted: to the rim points, and the mouse while drawing.
    CircleFit::Result circle;
    QRectF circleRect = QRectF(unsetCoordinate, unsetCoordinate, 0, 0);
    bool finished = false;

protected:
    int pointCount() const override { return int(rimPoints.size()); }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("F"); }
    QVector<MeasuredValue> values() const override;
    QString displayText() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override { return {}; }
    QPointF labelAnchor() const override { return circleRect.center(); }
    void paintGeometry(QPainter *painter) const override;
    QPainterPath outline() const override;
    bool bodyContains(const QPointF &pos) const override;
    void dragHandle(int handle, const QPointF &pos) override;
    void recompute() override;

private:
    // Recompute from the stored rim points only, not with the mouse as an extra one. False
    // when they give no circle.
    bool recomputeStored();

    QVector<QPointF> fittedPoints;
    bool storedOnly = false;
    bool lastFitValid = false;
};

#endif // MEASURECIRCLEFIT_H
