#ifndef KEYBOARDKEYS_H
#define KEYBOARDKEYS_H

#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "PinyinPager.h"

class PinyinDictionary;
class QKeyEvent;
class QObject;
class QPushButton;
class QWidget;
class TextTarget;

namespace Ui {
class Keyboard;
}

// What the keys of the on-screen keyboard do, and the keys of a real keyboard while it shows:
// characters, Shift, Caps Lock, Backspace and the rest go into the field, and in "汉" mode typed
// letters collect as pinyin whose candidates are shown nine at a time.
class KeyboardKeys
{
public:
    static constexpr const char *english = "EN";
    static constexpr const char *chinese = "zh_CN";

    // `form` holds the keys of `ui`, whose kinds ("letter", "number", "symbol", "control") are
    // set as properties; `target` is the field they type into; `hide` takes the keyboard away
    // (a Return of a real keyboard).
    KeyboardKeys(QWidget *form, Ui::Keyboard *ui, TextTarget *target, const QString &pinyinDatabase,
                 std::function<void()> hide);
    ~KeyboardKeys();

    static bool hasKind(const QObject *object, const char *kind);
    // Letters, numbers, symbols, the arrows, page keys and Space repeat while held.
    static bool repeats(const QObject *key);

    void press(QPushButton *key);
    // A key of a real keyboard does what the matching key on the screen does; false when it is
    // left to the field.
    bool physicalKey(QKeyEvent *event);
    // The candidate at position 1 ... 9 goes into the field.
    void select(int position);

    QString language() const { return inputLanguage; }
    void setLanguage(const QString &language);
    void clearComposition();
    // The texts of the language key, the pinyin line and the candidates, after the form was
    // translated anew.
    void retranslate();

    // Another pinyin database file, opened on the next lookup; `closeDatabase` closes the
    // current one (leaving the program, before Qt's SQL drivers go away).
    void setDatabase(const QString &path);
    void closeDatabase();

private:
    void characterKeyPressed(QPushButton *key);
    void releaseShift();
    bool composing() const;
    void updateLanguageKey();
    void lookUp();
    void showCandidates();

    Ui::Keyboard *ui;
    TextTarget *target;
    std::function<void()> hide;
    std::unique_ptr<PinyinDictionary> dictionary;
    PinyinPager pager;
    QString pinyin;
    QString inputLanguage = QLatin1String(english);
    QList<QPushButton *> characterKeys; // letters, numbers and symbols in the order they are searched
};

#endif // KEYBOARDKEYS_H
