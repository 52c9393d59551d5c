#include "KeypadInput.h"

bool KeypadInput::apply(QString &text, const QString &code, int maxLength, bool allowX)
{
    bool ok = false;
    const int key = code.toInt(&ok);
    if (!ok)
        return false;
    switch (key) {
    case 12:
        text.chop(1);
        return false;
    case 13:
        text.clear();
        return false;
    case 14:
        return true;
    default:
        break;
    }
    if (text.size() >= maxLength || text.contains(QLatin1Char('X')))
        return false;
    if (key >= 0 && key <= 9)
        text += QString::number(key);
    else if (key == 10 && !text.isEmpty() && !text.contains(QLatin1Char('.')))
        text += QLatin1Char('.');
    else if (key == 11 && allowX)
        text += QLatin1Char('X');
    return false;
}
