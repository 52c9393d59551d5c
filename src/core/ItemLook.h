#ifndef ITEMLOOK_H
#define ITEMLOOK_H

#include <QColor>
#include <QFont>
#include <QPen>

// How the items are drawn and handled, as the line and text dialog sets it: the pen, the label's
// font, colour, values switch, outline and digits, whether items may be edited and moved, and
// the cross hair.
struct ItemLook
{
    QPen pen;
    QFont font;
    QColor textColor;
    qint8 digits = 3;
    bool textOn = true;
    bool textOutline = false;
    bool editable = true;
    bool movable = true;
    bool crossShown = true;

    // The look in use now, and making this one the look in use.
    static ItemLook current();
    void makeCurrent() const;

    bool operator==(const ItemLook &other) const;
    bool operator!=(const ItemLook &other) const { return !(*this == other); }
};

#endif // ITEMLOOK_H
