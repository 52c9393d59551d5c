#ifndef CUSTOMLINE_H
#define CUSTOMLINE_H

#include <QGraphicsItem>
#include <QObject>
#include <QPen>

class QGraphicsSimpleTextItem;

// A full-width horizontal or full-height vertical reference line laid over the picture: the
// cross hair's two lines and the custom lines. It is dragged along its one free axis, shows
// its position in a tag while hovered, and is edited in a property dialog from its context
// menu. Reference lines are guides, not measurements.
class CustomLine : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    enum { Type = UserType + 100 };

    explicit CustomLine(QObject *parent = nullptr);
    ~CustomLine() override;

    int type() const override { return Type; }

    // Takes width and colour from `pen` and moves the item to `position`.
    void initialLine();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    // What the user changes: where the line lies, its width and its colour.
    struct Look
    {
        QPointF position;
        int width = 0;
        QColor color;
        bool operator==(const Look &other) const
        {
            return position == other.position && width == other.width && color == other.color;
        }
        bool operator!=(const Look &other) const { return !(*this == other); }
    };
    Look look() const;
    // Puts the line where `look` says, in its width and colour, and asks for it to be saved.
    void setLook(const Look &look);

    bool isHorizontal() const { return name == QLatin1String("horizontal"); }
    bool isVertical() const { return name == QLatin1String("vertical"); }

    // "horizontal" or "vertical".
    QString name;
    // (0, y) for a horizontal line, (x, 0) for a vertical one.
    QPointF position;
    QPen pen;
    bool bHover = false;
    int lineWidth = 0;
    QColor lineColor;
    // Where the pointer entered the line: the tag stays there while the pointer is over it.
    QPointF hoverPos;
    QString coordText;
    // The coordinate tag. A child item, so it goes with the line whoever deletes the line.
    QGraphicsSimpleTextItem *coordItem = nullptr;

signals:
    // The line's position, width or colour changed and is to be saved.
    void signal_saveLinesProperty();
    // The user dragged the line or changed it in its dialog; it looked like `before`.
    void signal_edited(const CustomLine::Look &before);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;

private:
    void setPenStyle(Qt::PenStyle style);
    void refreshTag();

    Look pressedLook;
};

#endif // CUSTOMLINE_H
