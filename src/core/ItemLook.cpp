#include "ItemLook.h"

#include "GlobalVar.h"

ItemLook ItemLook::current()
{
    ItemLook look;
    look.pen = GlobalVar::shapeGraphPen;
    look.font = GlobalVar::shapeTextFont;
    look.textColor = GlobalVar::shapeTextColor;
    look.digits = GlobalVar::textDigiLength;
    look.textOn = GlobalVar::bTextON;
    look.textOutline = GlobalVar::bTextOutline;
    look.editable = GlobalVar::bEditable;
    look.movable = GlobalVar::bMovable;
    look.crossShown = GlobalVar::bCrossShow;
    return look;
}

void ItemLook::makeCurrent() const
{
    GlobalVar::shapeGraphPen = pen;
    GlobalVar::shapeTextFont = font;
    GlobalVar::shapeTextColor = textColor;
    GlobalVar::textDigiLength = digits;
    GlobalVar::bTextON = textOn;
    GlobalVar::bTextOutline = textOutline;
    GlobalVar::bEditable = editable;
    GlobalVar::bMovable = movable;
    GlobalVar::bCrossShow = crossShown;
}

bool ItemLook::operator==(const ItemLook &other) const
{
    return pen == other.pen && font == other.font && textColor == other.textColor && digits == other.digits
        && textOn == other.textOn && textOutline == other.textOutline && editable == other.editable
        && movable == other.movable && crossShown == other.crossShown;
}
