#include "KeyboardPlacement.h"

QRect KeyboardPlacement::place(const QString &mode, const QRect &field, const QSize &keyboard, const QRect &screen)
{
    if (mode == QLatin1String("center")) {
        QRect rect(QPoint(0, 0), keyboard);
        rect.moveCenter(screen.center());
        return rect;
    }
    if (mode == QLatin1String("bottom"))
        return QRect(screen.left(), screen.bottom() + 1 - keyboard.height(), screen.width(), keyboard.height());

    QRect rect(QPoint(field.left(), field.bottom() + 1), keyboard);
    if (rect.right() > screen.right())
        rect.moveRight(screen.right());
    if (rect.bottom() > screen.bottom()) {
        rect.moveBottom(field.top() - 1);
        // A field too close to the top for the keyboard above it: the keyboard stays below and
        // runs off the bottom rather than cover the field.
        if (rect.top() < screen.top())
            rect.moveTop(field.bottom() + 1);
    }
    return rect;
}
