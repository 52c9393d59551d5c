#ifndef KEYBOARD_H
#define KEYBOARD_H

#include <QDialog>
#include <QList>
#include <QPointer>

#include <memory>

#include "TextTarget.h"

class KeyboardKeys;
class QPushButton;
class QTimer;

namespace Ui {
class Keyboard;
}

// The process-wide on-screen keyboard. It appears beside the text field the user clicks
// (line and text edits, editable combo boxes; spin boxes and date or time edits receive the
// typed text as key events), types into it, and offers Chinese input by pinyin: letters typed
// in "汉" mode collect in the pinyin line, the matching characters and words are looked up in
// the pinyin database and shown nine at a time, and choosing one inserts it.
//
// A press on a widget with the property "nodialogfullkeyboard" never brings it up; a press on
// one with "dialogfullkeyboard" (the buttons that open file dialogs) keeps it ready for the
// fields of the dialog that follows.
class Keyboard : public QDialog
{
    Q_OBJECT

public:
    // The single instance, created on first use.
    static Keyboard *Instance();
    ~Keyboard() override;

    // Position mode "follow" (below the field), "center" or "bottom", and a style name that is
    // kept for later use.
    void Init(const QString &position, const QString &style);
    QString positionMode() const { return position; }
    QString styleName() const { return style; }

    // Makes the keyboard watch the whole application on behalf of `owner`: focus changes and
    // every press and key. It stops when the last owner is removed or destroyed.
    void installKeyboard(QObject *owner);
    void removeKeyboard(QObject *owner);

    // Shows the keyboard for the current field.
    void keyboardShowed();
    // Hides it and forgets why it was shown, as the Close key does.
    void hideKeyboard();

    // Another pinyin database file; it is opened on the next lookup.
    void setPinyinDatabase(const QString &path);

    // "EN" or "zh_CN".
    QString inputLanguage() const;
    // "QLineEdit", "QTextEdit", "QPlainTextEdit", "QTextBrowser", "QWidget" or empty.
    QString targetKind() const { return target.kind(); }
    QWidget *targetWidget() const { return target.widget(); }

    static constexpr int repeatDelay = 500;
    static constexpr int repeatInterval = 30;

public slots:
    void slot_button_clicked();
    void slot_button_reclicked();
    void focusChanged(QWidget *old, QWidget *now);
    void on_pb_Close_clicked();

private slots:
    void targetDestroyed(QObject *gone);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    explicit Keyboard(QWidget *parent = nullptr);

    void keyboardFormInit();
    void buttonPropertyInit();
    void keyboardStyleChanged();

    bool insideKeyboard(const QObject *object) const;
    static bool inhibits(const QObject *object);
    void place();
    void hideNow();

    std::unique_ptr<Ui::Keyboard> ui;
    TextTarget target;
    std::unique_ptr<KeyboardKeys> keys;

    QString position;
    QString style;
    QPointer<QWidget> lastFocused;
    QPointer<QObject> pressed;

    bool shown = false;
    bool showOnPress = false;
    bool dialogShow = false;
    bool installed = false;
    QList<const QObject *> owners;

    QTimer *repeatTimer = nullptr;
    bool dragging = false;
    QPoint dragOffset;
    QSize formSize;
};

#endif // KEYBOARD_H
