#include "CustomLine.h"

#include <QCursor>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPainter>

#include "LinePropertyDialog.h"

CustomLine::CustomLine(QObject *parent)
    : QObject(parent)
    , coordItem(new QGraphicsSimpleTextItem(this))
{
    setFlags(ItemIsSelectable | ItemIsFocusable | ItemIsMovable);
    setAcceptHoverEvents(true);
    coordItem->hide();
}

CustomLine::~CustomLine() = default;

void CustomLine::initialLine()
{
    lineWidth = pen.width();
    lineColor = pen.color();
    setPos(position);
    refreshTag();
}

CustomLine::Look CustomLine::look() const
{
    return {position, pen.width(), pen.color()};
}

void CustomLine::setLook(const Look &look)
{
    position = look.position;
    pen.setWidth(look.width);
    pen.setColor(look.color);
    lineWidth = look.width;
    lineColor = look.color;
    setPos(position);
    refreshTag();
    update();
    emit signal_saveLinesProperty();
}

QRectF CustomLine::boundingRect() const
{
    if (isHorizontal())
        return QRectF(-5, -5, 1920, 10);
    if (isVertical())
        return QRectF(-5, -5, 10, 1080);
    return QRectF();
}

void CustomLine::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setPen(pen);
    if (isHorizontal())
        painter->drawLine(QPoint(0, 0), QPoint(1920, 0));
    else if (isVertical())
        painter->drawLine(QPoint(0, 0), QPoint(0, 1080));
}

void CustomLine::refreshTag()
{
    coordText = QStringLiteral("(%1, %2)").arg(QString::number(position.x(), 'g', 6),
                                               QString::number(position.y(), 'g', 6));
    if (!bHover) {
        coordItem->hide();
        return;
    }
    coordItem->setBrush(QBrush(pen.color(), Qt::SolidPattern));
    coordItem->setText(coordText);
    coordItem->setPos(mapFromScene(isHorizontal() ? QPointF(hoverPos.x(), position.y() + 8)
                                                   : QPointF(position.x(), hoverPos.y() + 8)));
    coordItem->show();
}

void CustomLine::setPenStyle(Qt::PenStyle style)
{
    pen = QPen(QBrush(lineColor, Qt::SolidPattern), lineWidth, style, Qt::FlatCap, Qt::MiterJoin);
}

void CustomLine::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // The press neither selects nor moves the line; the moves that follow do.
    setCursor(Qt::ClosedHandCursor);
    pressedLook = look();
    event->accept();
}

void CustomLine::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // Dragged off the picture, the line stays on its edge: beyond it the line could not be grabbed
    // again, and the settings keep no position outside the picture.
    position = isHorizontal() ? QPointF(0, qBound(0.0, event->scenePos().y(), 1080.0))
                              : QPointF(qBound(0.0, event->scenePos().x(), 1920.0), 0);
    setPos(position);
    refreshTag();
}

void CustomLine::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    if (look() != pressedLook)
        emit signal_edited(pressedLook);
    emit signal_saveLinesProperty();
}

void CustomLine::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    bHover = true;
    hoverPos = event->scenePos();
    setCursor(Qt::OpenHandCursor);
    lineWidth = pen.width();
    lineColor = pen.color();
    setPenStyle(Qt::DashLine);
    refreshTag();
    update();
}

void CustomLine::hoverLeaveEvent(QGraphicsSceneHoverEvent *)
{
    bHover = false;
    setCursor(Qt::ArrowCursor);
    setPenStyle(Qt::SolidLine);
    refreshTag();
    update();
}

void CustomLine::contextMenuEvent(QGraphicsSceneContextMenuEvent *event)
{
    const Look before = look();
    LinePropertyDialog dialog(nullptr, this);
    dialog.setWindowTitle(tr("Line property"));
    dialog.move(event->screenPos());
    dialog.exec();

    // The dialog moved the item directly; the position catches up now.
    position = isHorizontal() ? QPointF(0, y()) : QPointF(x(), 0);
    lineWidth = pen.width();
    lineColor = pen.color();
    refreshTag();
    if (look() != before)
        emit signal_edited(before);
    emit signal_saveLinesProperty();
}
