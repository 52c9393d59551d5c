#ifndef MEASURECIRCLEFIND_H
#define MEASURECIRCLEFIND_H

#include "MeasureCircleFit.h"

// A circle found from one click inside a round feature: the main window searches the picture
// for its rim and gives the edge points found as the item's points. The circle is fitted to
// them with outliers dropped; it shows the values of a fitted circle, and the points used as
// small ticks across the rim. The points are the item's own, so it is rebuilt from them alone.
class MeasureCircleFind : public MeasureCircleFit
{
public:
    enum { Type = UserType + toolCode(ToolId::CircleFind) };
    int property() const override { return toolCode(ToolId::CircleFind); }

    // Each click (index 1 and up) adds one rim point, up to maxEdges.
    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;

    static constexpr int maxEdges = 256;

    // The points the circle rests on.
    QVector<QPointF> usedPoints() const;

protected:
    CircleFit::Result fitRim(const QVector<QPointF> &points) override;
    QVector<QPointF> crossPoints() const override;
    QVector<QPolygonF> makeHandles() const override { return {}; }
    bool isEditable() const override { return false; }
    void paintGeometry(QPainter *painter) const override;

private:
    QVector<QPointF> fitted;
    QVector<bool> used;
};

#endif // MEASURECIRCLEFIND_H
