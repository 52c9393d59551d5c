#include "UserDialogs.h"

#include <QColorDialog>

namespace {
UserDialogs::ColorHandler &colorHandler()
{
    static UserDialogs::ColorHandler handler;
    return handler;
}
} // namespace

QColor UserDialogs::getColor(const QColor &initial, QWidget *parent, const QString &title)
{
    if (colorHandler())
        return colorHandler()(initial, parent, title);
    return QColorDialog::getColor(initial, parent, title);
}

void UserDialogs::setColorHandler(ColorHandler handler)
{
    colorHandler() = std::move(handler);
}
