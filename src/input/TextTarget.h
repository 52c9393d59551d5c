#ifndef TEXTTARGET_H
#define TEXTTARGET_H

#include <QPointer>
#include <QString>
#include <QWidget>

// The text field the on-screen keyboard types into, and how it takes text: line and text edits
// get it inserted at their cursor, spin boxes and date or time edits receive it as key events.
class TextTarget
{
public:
    // The field behind `widget` (the editor of an editable combo box, the spin box around its
    // editor) and its kind: "QLineEdit", "QTextEdit", "QPlainTextEdit", "QTextBrowser" or
    // "QWidget". Null, with the kind untouched, for a widget that takes no text.
    static QWidget *classify(QWidget *widget, QString *kindOut);

    void set(QWidget *field, const QString &fieldKind);
    void clear();

    QWidget *widget() const { return field; }
    // The kind, or empty when there is no field (also once it has been deleted).
    QString kind() const { return field ? fieldKind : QString(); }
    bool takesKeysOnly() const { return kind() == QLatin1String("QWidget"); }

    // Whether `object` is the field or a part of it: presses land on a text edit's viewport or a
    // combo box's editor, not on the field itself.
    bool contains(const QObject *object) const;
    bool readOnly() const;

    // Edits of the field; none reaches a read-only one.
    void insert(const QString &text);
    void backspace();
    // The key reaches the field as if typed; `sending()` is true meanwhile, so a filter that
    // watches the application's keys can let it pass.
    void sendKey(int key, const QString &text);
    bool sending() const { return sendingKey; }

private:
    QPointer<QWidget> field;
    QString fieldKind;
    bool sendingKey = false;
};

#endif // TEXTTARGET_H
