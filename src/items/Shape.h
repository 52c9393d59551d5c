#ifndef SHAPE_H
#define SHAPE_H

#include <QColor>
#include <QGraphicsItem>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QVector>

#include "MeasuredValue.h"
#include "Tolerance.h"
#include "ToolId.h"

// The base of every measurement and calibration item.
//
// The main window feeds an item through setPoint() (a click fixed a defining point), drawing()
// (the mouse moved, or a handle was dragged) and endDraw() (the finishing click). Everything the
// items have in common lives here: the label and its split at the first "=", number formatting,
// handle squares and bands, the recompute tail, the hit shape, painting,
// hover cursors, handle dragging and moving. An item class states its defining points, its
// geometry, its label text and its handles.
//
// Every recompute announces the geometry change first, so the scene repaints the old and the
// new area and hit tests always use the handles and bands as they are drawn.
//
// Points are kept in item coordinates; an item is created at (0, 0), so they start out equal to
// scene coordinates (picture pixels).
class HitArea;

class Shape : public QGraphicsItem
{
public:
    enum { Type = UserType };

    Shape();
    ~Shape() override;

    // A click fixed defining point `index` (1-based). Indices the class does not have only store
    // the serial.
    virtual void setPoint(const QPointF &point, unsigned char index, unsigned short serial);
    // The moving point is at `point`: place it, recompute geometry, label, handles and bands.
    virtual void drawing(const QPointF &point);
    // The finishing click.
    virtual void endDraw(const QPointF &point);
    // The item's type code: the code of the tool that draws it (ToolId).
    virtual int property() const;

    int type() const override { return UserType + property(); }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    // All defining points set. Items finished early by a right click say so themselves.
    virtual bool isComplete() const;

    // The label's name (before the first "="), its values (after it), and the part shown on
    // screen, which follows GlobalVar::bTextON.
    QString labelName() const;
    QString labelValues() const;
    virtual QString shownLabel() const;

    // Writes the label again from the item's geometry, after the unit or the calibration
    // changed. True when it changed, and with it the item's area and picture; an unchanged
    // label leaves the item alone.
    virtual bool refreshLabel();

    // Re-reads the global look (font, flags) after it changed: the hit area may have grown.
    void refreshLook();

    // The values the label shows, as numbers in the unit shown; empty while nothing is measured.
    virtual QVector<MeasuredValue> values() const { return {}; }
    // Changes whenever the item's values may have changed; no two changes of any items share a
    // number.
    quint64 valuesRevision() const { return revision; }

    // The limits the values are judged against; none by default. An item outside them is drawn
    // in the failure colour, its label marked.
    const Tolerance &tolerance() const { return limits; }
    void setTolerance(const Tolerance &tolerance);
    // Judged in the unit and with the calibration in use.
    Tolerance::Verdict verdict() const;
    static QColor failureColor();
    // The marker an item outside its tolerance shows before its label.
    static QString failureMarker();

    // Where the label stands: its own place (below right of the label point) moved by an
    // offset, which LabelPlacement sets so that labels do not cover each other. A moved label is
    // joined to its point by a thin leader line.
    QPointF labelOffset() const { return labelShift; }
    void setLabelOffset(const QPointF &offset);
    // The point a label belongs to, in item coordinates.
    QPointF labelPoint() const { return labelAnchor(); }
    // The shown label's rectangle at its place, with its outline, in item coordinates; empty
    // for an item without a label. Items that write several texts of their own have none.
    virtual QRectF shownLabelRect() const;

    // What a drag, a reshape or a label move changes: enough to put the item back as it was.
    struct State
    {
        QPointF position;
        QVector<QPointF> points;
        QPointF labelOffset;
        bool operator==(const State &other) const
        {
            return position == other.position && points == other.points && labelOffset == other.labelOffset;
        }
        bool operator!=(const State &other) const { return !(*this == other); }
    };
    State state() const;
    // The points as they were clicked, in order, that draw the item again through its tool (in
    // item coordinates, unset ones included): its defining points, unless the item keeps more.
    virtual QVector<QPointF> clickedPoints() const;
    // The straight line, in scene coordinates, that this finished item offers the tools that
    // take a base line; false where it offers none.
    virtual bool offeredBaseLine(QLineF *line) const
    {
        Q_UNUSED(line)
        return false;
    }
    // Puts the item back into `state`: the points are placed and the geometry, the label and the
    // handles computed from them, as a reshape would.
    void restore(const State &state);

    // A defining point whose x is exactly this value has not been placed yet.
    static constexpr qreal unsetCoordinate = -5.0;
    static QPointF unsetPoint() { return QPointF(unsetCoordinate, unsetCoordinate); }
    static bool isSet(const QPointF &p) { return p.x() != unsetCoordinate; }

    // A length in pixels as shown: in the current unit, with the configured decimals and the
    // unit text appended ("12.500mm", "347.214pixels").
    static QString formatLength(qreal pixels);
    // The same length as a number in the current unit, before rounding to the decimals.
    static qreal lengthInUnit(qreal pixels);

    unsigned short serial = 0;
    QString label;
    float handleSize = 2.0f;
    unsigned char activeHandle = 0;

protected:
    // --- What an item class states -----------------------------------------------------------

    // Number of defining points, and point `index` (1-based; nullptr outside the range).
    virtual int pointCount() const = 0;
    virtual QPointF *definingPoint(int index) = 0;
    // Store the moving point and compute the derived geometry. Returning false keeps the
    // item's previous state (label, handles, bands), for a construction that has no answer.
    virtual bool place(const QPointF &point) = 0;
    // The label a recompute writes: the name (letter and serial), "=", the display text.
    virtual QString makeLabel() const;
    // The name's letter ("L") and the display text after "name=": by default the values, one
    // line each.
    virtual QString labelPrefix() const { return QString(); }
    virtual QString displayText() const { return MeasuredValue::join(values()); }
    virtual QVector<QPolygonF> makeHandles() const = 0;
    virtual QVector<QPolygonF> makeBands() const = 0;
    // The label's top left corner lies at this point plus (8, 8).
    virtual QPointF labelAnchor() const = 0;
    virtual void paintGeometry(QPainter *painter) const = 0;

    // --- Optional ----------------------------------------------------------------------------

    // Where crosses are drawn: the defining points set so far (circle items add centres).
    virtual QVector<QPointF> crossPoints() const;
    // Outlines that belong to the hit shape besides handles and bands (circles).
    virtual QPainterPath outline() const;
    // Hit shape while the item is being drawn: the whole scene before the first point, then
    // the handle squares (at angle 0) of the points set so far and the current bands.
    virtual QPainterPath partialShape() const;
    // The item's body, where a selected item shows the move cursor: its bands, and the outlines
    // a class adds.
    virtual bool bodyContains(const QPointF &pos) const;
    // Items whose handles cannot be dragged say false.
    virtual bool isEditable() const { return true; }
    // The defining point that drawing() places itself; by default the last one.
    virtual int drawingPointIndex() const { return pointCount(); }
    // Handle `handle` (1-based) was dragged to `pos`. By default handle k is defining point k:
    // store the position and recompute through drawing(). Where the construction has no answer
    // there, or the moving point was never placed, the item stays as it was, the dragged point
    // included.
    virtual void dragHandle(int handle, const QPointF &pos);

    // Computes geometry, label, handles and bands again from the stored points, after they
    // were set from outside (a restore). By default as a handle drag does, through drawing().
    virtual void recompute();

    // --- Helpers for item classes ------------------------------------------------------------

    QPointF pointAt(int index) const;
    QString name() const;
    // One "name=value" text for a length in pixels.
    static QString lengthText(const QString &name, qreal pixels);
    // Values named `key` plus the serial plus `suffix` ("R3", "A3'"): a length converted as
    // formatLength() does, one converted in double precision, an area, an angle in degrees.
    MeasuredValue lengthValue(const QString &key, qreal pixels, const QString &suffix = QString()) const;
    MeasuredValue preciseLengthValue(const QString &key, double pixels, const QString &suffix = QString()) const;
    MeasuredValue areaValue(const QString &key, double squarePixels, const QString &suffix = QString()) const;
    MeasuredValue angleValue(const QString &key, double degrees, const QString &suffix = QString()) const;
    // The values were computed anew outside drawing() and refreshLabel().
    void valuesChanged();
    // Draws the small plus sign of a defining point.
    static void drawCross(QPainter *painter, const QPointF &p);
    // Writes `text` in the painter's font with its top left corner at `corner`.
    static void drawLabel(QPainter *painter, const QPointF &corner, const QString &text);
    // A circle with a cross at its centre, and its outline for the hit shape; nothing while the
    // circle has no size yet.
    static void paintCircle(QPainter *painter, const QRectF &circle);
    static QPainterPath circleOutline(const QRectF &circle);
    // Marks the hit shape as changed (call after a class changes points outside drawing()).
    void shapeChanged();

    // An item looks the same under the pointer: entering or leaving it repaints nothing.
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

    QVector<QPolygonF> handles;
    QVector<QPolygonF> bands;

    // The hit and repaint area as it is now; shape() keeps it until shapeChanged(). A class
    // that builds its own also states its own boundingRect().
    virtual QPainterPath buildShape() const;

private:
    int handleAt(const QPointF &pos) const;
    void drawLeader(QPainter *painter) const;
    // The parts of a complete or selected item's hit area.
    void gatherHitArea(HitArea *area) const;
    // Where the label starts: the anchor plus (8, 8).
    QPointF labelCorner() const;
    // The whole label's rectangle, from that corner.
    QRectF labelRect() const;

    // The hit shape, built once per change, not per hit test or paint.
    mutable QPainterPath cachedShape;
    mutable bool cachedShapeValid = false;
    // Its bounding rectangle, kept the same way.
    mutable QRectF cachedBounds;
    mutable bool cachedBoundsValid = false;
    mutable bool askingSceneRect = false;
    // Whether the latest place() was taken.
    bool placeAccepted = true;
    QPointF labelShift;
    quint64 revision = 0;
    Tolerance limits;
    // The latest verdict and what it was judged with.
    struct Judged
    {
        QString label;
        QString unit;
        float ruler = 0.0f;
        int digits = -1;
        Tolerance::Verdict verdict = Tolerance::NotJudged;
    };
    mutable Judged judged;
    // The label's rectangle in the scene when the latest press came, to know what a drag left.
    QRectF pressedLabelRect;
    QPointF pressedPosition;
};

#endif // SHAPE_H
