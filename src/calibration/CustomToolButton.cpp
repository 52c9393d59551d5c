#include "CustomToolButton.h"

#include <QAction>

CustomToolButton::CustomToolButton(QWidget *parent)
    : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    connect(this, &QToolButton::triggered, this, &QToolButton::setDefaultAction);
}
