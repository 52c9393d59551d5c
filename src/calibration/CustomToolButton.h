#ifndef CUSTOMTOOLBUTTON_H
#define CUSTOMTOOLBUTTON_H

#include <QToolButton>

// A tool button with a menu whose last chosen action becomes the button's face.
class CustomToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit CustomToolButton(QWidget *parent = nullptr);
};

#endif // CUSTOMTOOLBUTTON_H
