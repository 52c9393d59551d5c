#ifndef QTCOMPAT_H
#define QTCOMPAT_H

// The few places where Qt 5.15 and Qt 6 spell the same thing differently.

#include <QMouseEvent>
#include <QTableWidgetItem>
#include <QtGlobal>

namespace QtCompat {

inline QPointF eventPosition(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position();
#else
    return event->localPos();
#endif
}

inline QPoint globalPosition(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

inline void setTextAlignment(QTableWidgetItem *item, Qt::Alignment alignment)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0)
    item->setTextAlignment(alignment);
#else
    item->setTextAlignment(int(alignment));
#endif
}

} // namespace QtCompat

#endif // QTCOMPAT_H
