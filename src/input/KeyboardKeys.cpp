#include "KeyboardKeys.h"
#include "ui_Keyboard.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "PinyinDictionary.h"
#include "QtCompat.h"
#include "TextTarget.h"

KeyboardKeys::KeyboardKeys(QWidget *form, Ui::Keyboard *ui, TextTarget *target, const QString &pinyinDatabase,
                           std::function<void()> hide)
    : ui(ui)
    , target(target)
    , hide(std::move(hide))
    , dictionary(new PinyinDictionary(pinyinDatabase))
{
    const QList<QPushButton *> keys = form->findChildren<QPushButton *>();
    for (const char *kind : {"letter", "number", "symbol"}) {
        for (QPushButton *key : keys) {
            if (hasKind(key, kind))
                characterKeys.append(key);
        }
    }
    updateLanguageKey();
    clearComposition();
}

KeyboardKeys::~KeyboardKeys() = default;

bool KeyboardKeys::hasKind(const QObject *object, const char *kind)
{
    return object->property(kind).toBool();
}

bool KeyboardKeys::repeats(const QObject *key)
{
    if (hasKind(key, "letter") || hasKind(key, "number") || hasKind(key, "symbol"))
        return true;
    if (!hasKind(key, "control"))
        return false;
    const QString name = key->objectName();
    for (const char *part : {"Arrow", "Page", "Space"}) {
        if (name.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void KeyboardKeys::setDatabase(const QString &path)
{
    clearComposition();
    dictionary.reset();
    dictionary.reset(new PinyinDictionary(path));
}

void KeyboardKeys::closeDatabase()
{
    dictionary->close();
}

// --- On-screen keys ------------------------------------------------------------------------------

bool KeyboardKeys::composing() const
{
    return inputLanguage == QLatin1String(chinese) && !pinyin.isEmpty();
}

void KeyboardKeys::press(QPushButton *key)
{
    if (!target->widget())
        return;
    const bool inChinese = inputLanguage == QLatin1String(chinese);
    if (hasKind(key, "letter") || hasKind(key, "number") || hasKind(key, "symbol")) {
        characterKeyPressed(key);
    } else if (key == ui->control_Backspace) {
        if (composing()) {
            pinyin.chop(1);
            lookUp();
        } else {
            target->backspace();
        }
    } else if (key == ui->control_Enter) {
        target->sendKey(Qt::Key_Enter, QStringLiteral("\r"));
    } else if (key == ui->control_Space) {
        if (composing())
            select(1);
        else
            target->insert(QStringLiteral(" "));
    } else if (key == ui->control_PageUp || key == ui->control_ArrowRight) {
        if (inChinese && pager.nextPage())
            showCandidates();
    } else if (key == ui->control_PageDown || key == ui->control_ArrowLeft) {
        if (inChinese && pager.previousPage())
            showCandidates();
    } else if (key == ui->control_Language) {
        setLanguage(inChinese ? QLatin1String(english) : QLatin1String(chinese));
    }
    // Tab, the up and down arrows and Close do nothing here; Caps Lock, Shift, Ctrl and Alt
    // keep their state in their checked look.
}

void KeyboardKeys::characterKeyPressed(QPushButton *key)
{
    const QString text = key->text();
    if (text.isEmpty())
        return;
    const bool shift = ui->control_LeftShift->isChecked();
    if (hasKind(key, "letter")) {
        if (inputLanguage == QLatin1String(chinese)) {
            pinyin += text.toLower();
            lookUp();
            return;
        }
        const bool upper = ui->control_CapsLock->isChecked() || shift;
        target->insert(upper ? text.toUpper() : text.toLower());
        if (shift)
            releaseShift();
        return;
    }
    if (composing()) {
        if (hasKind(key, "number")) {
            const int position = text.right(1).toInt();
            if (position >= 1)
                select(position);
        } else if (text.contains(QLatin1Char('-')) || text.contains(QLatin1Char(','))) {
            if (pager.previousPage())
                showCandidates();
        } else if (text.contains(QLatin1Char('=')) || text.contains(QLatin1Char('.'))) {
            if (pager.nextPage())
                showCandidates();
        }
        return;
    }
    target->insert(shift ? text.left(1) : text.right(1));
    if (shift)
        releaseShift();
}

void KeyboardKeys::releaseShift()
{
    if (ui->control_LeftShift->isChecked())
        ui->control_LeftShift->click();
}

// --- Keys of a real keyboard ---------------------------------------------------------------------

// Keys that mean nothing to the keyboard at the moment (Tab, the arrows and page keys outside
// the candidate list, function keys) are left to the field.
bool KeyboardKeys::physicalKey(QKeyEvent *event)
{
    QPushButton *key = nullptr;
    switch (event->key()) {
    case Qt::Key_Escape:
        ui->pb_Close->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The pinyin typed so far goes in as it stands; with none waiting the field gets its
        // Return as well (a dialog's default button, a spin box's value).
        const QString typed = pinyin;
        clearComposition();
        if (!typed.isEmpty())
            target->insert(typed);
        hide();
        return !typed.isEmpty();
    }
    case Qt::Key_CapsLock:
        key = ui->control_CapsLock;
        break;
    case Qt::Key_Shift:
        key = ui->control_LeftShift;
        break;
    case Qt::Key_Control:
        key = ui->control_LeftCtrl;
        break;
    case Qt::Key_Alt:
        key = ui->control_LeftAlt;
        break;
    case Qt::Key_Backspace:
        ui->control_Backspace->click();
        return true;
    case Qt::Key_Space:
        ui->control_Space->click();
        return true;
    case Qt::Key_PageUp:
        key = ui->control_PageUp;
        break;
    case Qt::Key_PageDown:
        key = ui->control_PageDown;
        break;
    case Qt::Key_Left:
        key = ui->control_ArrowLeft;
        break;
    case Qt::Key_Right:
        key = ui->control_ArrowRight;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return false;
    default:
        break;
    }
    if (key) {
        if (key->isCheckable()) {
            if (!event->isAutoRepeat())
                key->click();
            return true;
        }
        // Arrow and page keys page through the candidates while pinyin is typed.
        if (!composing())
            return false;
        key->click();
        return true;
    }
    if (target->takesKeysOnly())
        return false;
    const QString typed = event->text();
    const QString text = typed.toUpper();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (QPushButton *candidate : qAsConst(characterKeys)) {
        if (candidate->text().toUpper().contains(text)) {
            // Letters typed in Chinese make pinyin, and digits and symbols choose or page while
            // pinyin waits: there the key does what it does on the screen. Anything else goes in
            // as the real keyboard typed it, so a Shift held over several keys shifts them all.
            if (hasKind(candidate, "letter") ? inputLanguage == QLatin1String(chinese) : composing()) {
                candidate->click();
            } else {
                target->insert(typed);
                releaseShift();
            }
            return true;
        }
    }
    return false;
}

// --- Language and pinyin -------------------------------------------------------------------------

void KeyboardKeys::setLanguage(const QString &language)
{
    if (language == inputLanguage)
        return;
    inputLanguage = language;
    clearComposition();
    updateLanguageKey();
    if (inputLanguage == QLatin1String(chinese))
        dictionary->open();
}

void KeyboardKeys::updateLanguageKey()
{
    ui->control_Language->setText(inputLanguage == QLatin1String(chinese) ? QStringLiteral("汉")
                                                                          : QLatin1String(english));
}

void KeyboardKeys::retranslate()
{
    updateLanguageKey();
    ui->language_Pinyin->setText(pinyin);
    showCandidates();
}

void KeyboardKeys::lookUp()
{
    ui->language_Pinyin->setText(pinyin);
    pager.setWords(dictionary->lookup(pinyin));
    showCandidates();
}

void KeyboardKeys::showCandidates()
{
    QLabel *const labels[] = {ui->language_CH1, ui->language_CH2, ui->language_CH3,
                              ui->language_CH4, ui->language_CH5, ui->language_CH6,
                              ui->language_CH7, ui->language_CH8, ui->language_CH9};
    for (int i = 0; i < PinyinPager::pageSize; ++i) {
        const QString word = pager.wordAt(i + 1);
        labels[i]->setText(word.isEmpty() ? QString() : QStringLiteral("%1.%2").arg(i + 1).arg(word));
    }
}

void KeyboardKeys::select(int position)
{
    const QString word = pager.wordAt(position);
    if (word.isEmpty())
        return;
    clearComposition();
    target->insert(word);
}

void KeyboardKeys::clearComposition()
{
    pinyin.clear();
    pager.clear();
    ui->language_Pinyin->clear();
    showCandidates();
}
