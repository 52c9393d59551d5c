#include "TextTarget.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>

namespace {
// The key code a typed character would arrive with; Qt's codes of the printable ASCII keys are
// their upper-case characters.
int keyFor(const QString &text)
{
    if (text.size() != 1)
        return Qt::Key_unknown;
    const ushort code = text.at(0).toUpper().unicode();
    return code >= 0x20 && code < 0x7f ? int(code) : int(Qt::Key_unknown);
}
} // namespace

QWidget *TextTarget::classify(QWidget *widget, QString *kindOut)
{
    if (!widget)
        return nullptr;
    // The editor inside a spin box stands for the spin box.
    if (qobject_cast<QLineEdit *>(widget) && qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
        widget = widget->parentWidget();
    if (qobject_cast<QTextBrowser *>(widget)) {
        *kindOut = QStringLiteral("QTextBrowser");
    } else if (qobject_cast<QTextEdit *>(widget)) {
        *kindOut = QStringLiteral("QTextEdit");
    } else if (qobject_cast<QPlainTextEdit *>(widget)) {
        *kindOut = QStringLiteral("QPlainTextEdit");
    } else if (qobject_cast<QLineEdit *>(widget)) {
        *kindOut = QStringLiteral("QLineEdit");
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (!combo->isEditable() || !combo->lineEdit())
            return nullptr;
        *kindOut = QStringLiteral("QLineEdit");
        return combo->lineEdit();
    } else if (qobject_cast<QSpinBox *>(widget) || qobject_cast<QDoubleSpinBox *>(widget)
               || qobject_cast<QDateTimeEdit *>(widget)) {
        *kindOut = QStringLiteral("QWidget");
    } else {
        return nullptr;
    }
    return widget;
}

void TextTarget::set(QWidget *newField, const QString &newKind)
{
    field = newField;
    fieldKind = newKind;
}

void TextTarget::clear()
{
    field = nullptr;
    fieldKind.clear();
}

bool TextTarget::contains(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget || !field)
        return false;
    QWidget *owner = field;
    if (qobject_cast<QComboBox *>(field->parentWidget()))
        owner = field->parentWidget();
    return widget == owner || owner->isAncestorOf(widget);
}

bool TextTarget::readOnly() const
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->isReadOnly();
    if (auto *text = qobject_cast<QTextEdit *>(field))
        return text->isReadOnly();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        return plain->isReadOnly();
    return false;
}

void TextTarget::insert(const QString &text)
{
    if (!field || text.isEmpty() || readOnly())
        return;
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->insert(text);
    else if (auto *edit = qobject_cast<QTextEdit *>(field))
        edit->insertPlainText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        plain->insertPlainText(text);
    else
        sendKey(keyFor(text), text);
}

void TextTarget::backspace()
{
    if (!field || readOnly())
        return;
    if (auto *line = qobject_cast<QLineEdit *>(field)) {
        line->backspace();
        return;
    }
    QTextCursor cursor;
    auto *edit = qobject_cast<QTextEdit *>(field);
    auto *plain = qobject_cast<QPlainTextEdit *>(field);
    if (edit)
        cursor = edit->textCursor();
    else if (plain)
        cursor = plain->textCursor();
    else {
        sendKey(Qt::Key_Backspace, QString());
        return;
    }
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    else
        cursor.deletePreviousChar();
    if (edit)
        edit->setTextCursor(cursor);
    else
        plain->setTextCursor(cursor);
}

void TextTarget::sendKey(int key, const QString &text)
{
    if (!field)
        return;
    const QPointer<QWidget> receiver = field;
    sendingKey = true;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(receiver, &press);
    if (receiver) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(receiver, &release);
    }
    sendingKey = false;
}
