#ifndef USERDIALOGS_H
#define USERDIALOGS_H

#include <QColor>
#include <QString>

#include <functional>

class QWidget;

// The one way to the standard dialogs that ask the user something (colour chooser, and later
// message boxes and file dialogs). Tests answer them by installing a handler instead of
// waiting for a person.
class UserDialogs
{
public:
    using ColorHandler = std::function<QColor(const QColor &initial, QWidget *parent, const QString &title)>;

    UserDialogs() = delete;

    // The chosen colour, or an invalid colour when the user cancelled.
    static QColor getColor(const QColor &initial, QWidget *parent, const QString &title);

    // Replaces the colour chooser; an empty handler restores the real dialog.
    static void setColorHandler(ColorHandler handler);
};

#endif // USERDIALOGS_H
