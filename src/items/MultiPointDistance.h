#ifndef MULTIPOINTDISTANCE_H
#define MULTIPOINTDISTANCE_H

#include <QLineF>
#include <QStringList>

#include "Shape.h"

// Distances of several clicked points from a horizontal base line, one "L<n>=" text per point,
// and on finishing the spread between the nearest and the farthest point. Clicks 1 and 2 fix
// the base line (the second at the first's height); every further click fixes a measured point
// and the finishing click adds the last one. The items are not edited after drawing.
//
// The classes differ in how many points they take and in the mark drawn at each point.
class MultiPointDistance : public Shape
{
public:
    MultiPointDistance();

    void setPoint(const QPointF &point, unsigned char index, unsigned short serial) override;
    void drawing(const QPointF &point) override;
    void endDraw(const QPointF &point) override;
    bool isComplete() const override { return bFinished; }
    // The base line's two points, then the measured points.
    QVector<QPointF> clickedPoints() const override { return QVector<QPointF>{basePoint1, basePoint2} + measurePoints; }

    QRectF boundingRect() const override;
    // Its texts stand where the lines they name are.
    QRectF shownLabelRect() const override { return QRectF(); }
    bool refreshLabel() override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    // The distances L1, L2 ... and the spread C.
    QVector<MeasuredValue> values() const override;

    // The spread ("C<serial>=..."), or an empty text for an item finished without any distance.
    QString spreadText() const { return summaryText; }

    QPointF basePoint1 = unsetPoint();
    QPointF basePoint2 = unsetPoint();
    QLineF baseLine;
    // The measured points in click order, the finishing point last.
    QVector<QPointF> measurePoints;
    // Two per measured point (mark line, distance line), then the point under the mouse while
    // drawing; after finishing with a spread, its three summary lines at the end.
    QVector<QLineF> measureLines;
    bool bFinished = false;
    // One "L<n>=<distance>" text per entry of measureLines' pairs.
    QStringList distanceTexts;
    QVector<QPolygonF> baseHandles;
    QVector<QPolygonF> pointHandles;
    QVector<QPolygonF> lineBands;
    // The spread as its text shows it.
    double spreadNumber = 0.0;

    // Summary lines end at these x positions, right of the measuring area.
    static constexpr qreal summaryEndX = 1450.0;
    static constexpr qreal summaryBarX = 1400.0;

protected:
    // How many points the item measures, the finishing point included.
    virtual int maxMeasurePoints() const = 0;
    // The line that marks a measured point.
    virtual QLineF markLine(const QPointF &point) const = 0;
    // Whether the spread is the distance between the marks of the nearest and the farthest
    // point also when the base line lies between them (the sum of their distances), rather than
    // the difference of their distances.
    virtual bool spreadSpansMarks() const { return false; }

    int pointCount() const override { return 2; }
    QPointF *definingPoint(int index) override;
    bool place(const QPointF &point) override;
    QString labelPrefix() const override { return QStringLiteral("L"); }
    QString displayText() const override;
    QVector<QPolygonF> makeHandles() const override;
    QVector<QPolygonF> makeBands() const override;
    QPointF labelAnchor() const override { return baseLine.center(); }
    void paintGeometry(QPainter *painter) const override;
    QVector<QPointF> crossPoints() const override;
    bool isEditable() const override { return false; }

    QPainterPath buildShape() const override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    // The spread and its summary lines, for a finished item.
    void summarize();

    struct PlacedText
    {
        QPointF anchor;
        QString text;
    };

    // Lines, handles, bands and texts for these points, in this order.
    void measure(const QVector<QPointF> &points);
    void rebuildBaseHandles();
    int measuredLineCount() const;
    // The texts as painted: whole, or only their names.
    QVector<PlacedText> placedTexts(bool whole) const;

    QString summaryText;
};

#endif // MULTIPOINTDISTANCE_H
