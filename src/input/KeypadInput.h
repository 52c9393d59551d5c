#ifndef KEYPADINPUT_H
#define KEYPADINPUT_H

#include <QString>

// How the numeric keypad's codes edit a short text field: "0" ... "9" digits, "10" the decimal
// point, "11" the letter X, "12" delete the last character, "13" clear, "14" enter.
//
// Once the text is full, or ends in X, only delete, clear and enter act. The point is refused
// as the first character and a second time; X is taken only where allowed.
class KeypadInput
{
public:
    KeypadInput() = delete;

    // Applies `code` to `text`; true when the code was Enter.
    static bool apply(QString &text, const QString &code, int maxLength, bool allowX);
};

#endif // KEYPADINPUT_H
