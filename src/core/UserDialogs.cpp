#include "UserDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {
struct Handlers
{
    UserDialogs::ColorHandler color;
    UserDialogs::MessageHandler warning;
    UserDialogs::MessageHandler question;
    UserDialogs::OpenFileHandler openFile;
};

Handlers &handlers()
{
    static Handlers h;
    return h;
}
} // namespace

QColor UserDialogs::getColor(const QColor &initial, QWidget *parent, const QString &title)
{
    if (handlers().color)
        return handlers().color(initial, parent, title);
    return QColorDialog::getColor(initial, parent, title);
}

void UserDialogs::warning(QWidget *parent, const QString &title, const QString &text,
                          const QPoint &position)
{
    if (handlers().warning) {
        handlers().warning(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    if (!position.isNull())
        box.move(position);
    box.exec();
}

bool UserDialogs::question(QWidget *parent, const QString &title, const QString &text,
                           const QPoint &position)
{
    if (handlers().question)
        return handlers().question(title, text);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    if (!position.isNull())
        box.move(position);
    return box.exec() == QMessageBox::Yes;
}

QString UserDialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                     const QString &filter)
{
    if (handlers().openFile)
        return handlers().openFile(caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void UserDialogs::setOpenFileHandler(OpenFileHandler handler)
{
    handlers().openFile = std::move(handler);
}

void UserDialogs::setColorHandler(ColorHandler handler)
{
    handlers().color = std::move(handler);
}

void UserDialogs::setWarningHandler(MessageHandler handler)
{
    handlers().warning = std::move(handler);
}

void UserDialogs::setQuestionHandler(MessageHandler handler)
{
    handlers().question = std::move(handler);
}
