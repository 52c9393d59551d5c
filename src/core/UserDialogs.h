#ifndef USERDIALOGS_H
#define USERDIALOGS_H

#include <QColor>
#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

// The one way to the standard dialogs that ask or tell the user something: colour chooser,
// warnings, yes/no questions and the open-file dialog. Tests answer them by installing handlers instead of waiting
// for a person.
class UserDialogs
{
public:
    using ColorHandler = std::function<QColor(const QColor &initial, QWidget *parent, const QString &title)>;
    // Warnings return nothing; questions return true for Yes.
    using MessageHandler = std::function<bool(const QString &title, const QString &text)>;

    UserDialogs() = delete;

    // The chosen colour, or an invalid colour when the user cancelled.
    static QColor getColor(const QColor &initial, QWidget *parent, const QString &title);
    // A modal warning box with an OK button, shown at `position` when it is not null.
    static void warning(QWidget *parent, const QString &title, const QString &text,
                        const QPoint &position = QPoint());
    // A modal Yes/No question, Yes by default, shown at `position` when it is not null.
    static bool question(QWidget *parent, const QString &title, const QString &text,
                         const QPoint &position = QPoint());

    // A modal open-file dialog; an empty path when the user cancelled.
    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter);

    // Replace the real dialogs; an empty handler restores them.
    static void setColorHandler(ColorHandler handler);
    static void setWarningHandler(MessageHandler handler);
    static void setQuestionHandler(MessageHandler handler);
    using OpenFileHandler = std::function<QString(const QString &caption, const QString &folder, const QString &filter)>;
    static void setOpenFileHandler(OpenFileHandler handler);
};

#endif // USERDIALOGS_H
