#ifndef KEYBOARDPLACEMENT_H
#define KEYBOARDPLACEMENT_H

#include <QRect>
#include <QString>

// Where the on-screen keyboard goes for a text field, by position mode:
// "center": centred on the screen; "bottom": the full screen width along the bottom edge;
// "follow" (and any other mode): its left edge at the field's left and its top just below the
// field, pushed left to end at the screen's right edge, and put above the field when it would
// run off the bottom.
class KeyboardPlacement
{
public:
    KeyboardPlacement() = delete;

    // `field` and `screen` (the available area) in global coordinates.
    static QRect place(const QString &mode, const QRect &field, const QSize &keyboard, const QRect &screen);
};

#endif // KEYBOARDPLACEMENT_H
