#include "CustomComboBoxItem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

CustomComboBoxItem::CustomComboBoxItem(QWidget *parent)
    : QWidget(parent)
    , label(new QLabel(this))
    , button(new QPushButton(this))
    , layout(new QHBoxLayout(this))
{
    const QPixmap close(QStringLiteral(":/assist/Icon/assist/close.png"));
    button->setIcon(close);
    button->setIconSize(close.isNull() ? QSize(16, 16) : close.size().boundedTo(QSize(24, 24)));
    button->setStyleSheet(QStringLiteral("background: transparent;"));
    layout->addWidget(label);
    layout->addStretch();
    layout->addWidget(button);
    layout->setContentsMargins(5, 2, 5, 2);
    layout->setSpacing(5);
    connect(button, &QPushButton::clicked, this, &CustomComboBoxItem::deleteItem);
}

CustomComboBoxItem::~CustomComboBoxItem() = default;

void CustomComboBoxItem::setItemString(const QString &text)
{
    label->setText(text);
}

QString CustomComboBoxItem::getItemString() const
{
    return label->text();
}

void CustomComboBoxItem::deleteItem()
{
    emit signal_deleteItem(label->text());
}

void CustomComboBoxItem::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton)
        pressed = true;
}

void CustomComboBoxItem::mouseReleaseEvent(QMouseEvent *)
{
    if (pressed) {
        pressed = false;
        emit signal_showItem(label->text());
    }
}
