#ifndef MEASUREEDGELINE_H
#define MEASUREEDGELINE_H

#include "LineFit.h"
#include "Shape.h"

// A straight edge fitted to the edge points the main window found between two clicks placed
// roughly along it, outliers dropped: drawn as the segment the points used span, with its
// length, its angle to the horizontal (counter-clockwise on screen positive, -90 to 90
// degrees) and its straightness, the largest distance of a used point from the line. While it
// is drawn, its first click and the mouse stand for its points. The points are the item's own,
// so it is rebuilt from them alone.
class MeasureEdgeLine : public Shape
{
public:
    enum { Type = UserType + toolCode(ToolId::EdgeLine) };
    int property() const override { return toolCode(ToolId::EdgeLine); }

    // Each click (index 1 and up) adds one edge point, up to maxEdges.
    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void endDraw(const QPointF &point) override;
    bool isComplete() const override { return finished; }

    static constexpr int maxEdges = 4096;

    QVector<QPointF> edgePoints;
    LineFit::Result line;
    bool finished = false;

    // The angle of the fitted line to the horizontal, in degrees.
    qreal angleToHorizontal() const;
    QVector<MeasuredValue> values() const override;
    bool offeredBaseLine(QLineF *offered) const override;

protected:
    int pointCount() const override { return int(edgePoints.size()); }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QVector<QPolygonF> makeHandles() const override { return {}; }
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return line.segment.center(); }
    void paintGeometry(QPainter *painter) const override;
    QVector<QPointF> crossPoints() const override;
    bool isEditable() const override { return false; }
    void recompute() override;

private:
    // Place from the stored points only, not with the mouse as an extra one.
    bool storedOnly = false;
};

#endif // MEASUREEDGELINE_H
