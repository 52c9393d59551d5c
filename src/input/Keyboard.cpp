#include "Keyboard.h"
#include "ui_Keyboard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMutex>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include "KeyboardPlacement.h"
#include "PinyinDictionary.h"
#include "QtCompat.h"
#include "SystemPaths.h"

namespace {
const char *const kLanguageEnglish = "EN";
const char *const kLanguageChinese = "zh_CN";

QString chineseKeyText()
{
    return QStringLiteral("汉");
}

bool hasKind(const QObject *object, const char *kind)
{
    return object->property(kind).toBool();
}

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

Keyboard *Keyboard::Instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static Keyboard *instance = nullptr;
    if (!instance)
        instance = new Keyboard;
    return instance;
}

Keyboard::Keyboard(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Keyboard)
    , dictionary(new PinyinDictionary(SystemPaths::pinyinDatabase()))
{
    ui->setupUi(this);
    keyboardFormInit();
    buttonPropertyInit();
    keyboardStyleChanged();
}

Keyboard::~Keyboard() = default;

void Keyboard::keyboardFormInit()
{
    setObjectName(QStringLiteral("Keyboard"));
    // The keyboard never takes the focus from the field it types into: a tool window, which the
    // frame-buffer platform does not activate when it appears, and which refuses the focus.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    formSize = size();
    setFixedSize(formSize);
    language = QLatin1String(kLanguageEnglish);
    updateLanguageKey();
    clearComposition();

    repeatTimer = new QTimer(this);
    repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
    connect(repeatTimer, &QTimer::timeout, this, &Keyboard::slot_button_reclicked);

    // The database is opened by the first lookup, so start-up does not wait for it; leaving the
    // program closes it before Qt's SQL drivers go away.
    if (QCoreApplication::instance())
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this]() { dictionary->close(); });
}

void Keyboard::buttonPropertyInit()
{
    const QList<QPushButton *> keys = findChildren<QPushButton *>();
    for (QPushButton *key : keys) {
        const QString name = key->objectName();
        for (const char *kind : {"letter", "number", "symbol", "control"}) {
            if (name.startsWith(QLatin1String(kind) + QLatin1Char('_')))
                key->setProperty(kind, true);
        }
        if (name == QLatin1String("pb_Close"))
            key->setProperty("control", true);
        key->setFocusPolicy(Qt::NoFocus);
        connect(key, &QPushButton::clicked, this, &Keyboard::slot_button_clicked);
    }
    for (const char *kind : {"letter", "number", "symbol"}) {
        for (QPushButton *key : keys) {
            if (hasKind(key, kind))
                characterKeys.append(key);
        }
    }
    for (QPushButton *toggle : {ui->control_CapsLock, ui->control_LeftShift, ui->control_LeftCtrl, ui->control_LeftAlt})
        toggle->setCheckable(true);
}

void Keyboard::keyboardStyleChanged()
{
    const QString top = QStringLiteral("#DEF0FE");
    const QString bottom = QStringLiteral("#C0DEF6");
    const QString gradient =
        QStringLiteral("background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 %1,stop:1 %2);").arg(top, bottom);
    setStyleSheet(QStringLiteral("QPushButton{border: 1px solid gray; border-radius: 3px;}")
                  + QStringLiteral("QPushButton:hover{%1}").arg(gradient)
                  + QStringLiteral("QPushButton:checked{%1}").arg(gradient)
                  + QStringLiteral("QLabel{border: 1px solid blue;}"));
}

void Keyboard::Init(const QString &positionMode, const QString &styleName)
{
    position = positionMode;
    style = styleName;
}

void Keyboard::installKeyboard(QObject *owner)
{
    if (!owners.contains(owner)) {
        owners.append(owner);
        if (owner)
            connect(owner, &QObject::destroyed, this, [this](QObject *gone) { removeKeyboard(gone); });
    }
    if (installed)
        return;
    installed = true;
    connect(qApp, &QApplication::focusChanged, this, &Keyboard::focusChanged, Qt::UniqueConnection);
    qApp->installEventFilter(this);
}

void Keyboard::removeKeyboard(QObject *owner)
{
    owners.removeAll(owner);
    if (!owners.isEmpty() || !installed)
        return;
    installed = false;
    disconnect(qApp, &QApplication::focusChanged, this, &Keyboard::focusChanged);
    qApp->removeEventFilter(this);
    hideKeyboard();
}

void Keyboard::setPinyinDatabase(const QString &path)
{
    clearComposition();
    dictionary.reset();
    dictionary.reset(new PinyinDictionary(path));
}

QString Keyboard::targetKind() const
{
    return target ? kind : QString();
}

// --- Showing and hiding --------------------------------------------------------------------------

void Keyboard::keyboardShowed()
{
    if (!target)
        return;
    shown = true;
    lastFocused = target;
    place();
    show();
}

void Keyboard::hideKeyboard()
{
    shown = showOnPress = dialogShow = false;
    hideNow();
}

void Keyboard::on_pb_Close_clicked()
{
    hideKeyboard();
}

void Keyboard::hideNow()
{
    repeatTimer->stop();
    dragging = false;
    clearComposition();
    hide();
}

void Keyboard::place()
{
    if (!target)
        return;
    const QRect field(target->mapToGlobal(QPoint(0, 0)), target->size());
    const QScreen *screen = QGuiApplication::screenAt(field.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), SystemPaths::displaySize());
    const QRect rect = KeyboardPlacement::place(position, field, formSize, area);
    setFixedSize(rect.size());
    move(rect.topLeft());
}

// --- Targets -------------------------------------------------------------------------------------

QWidget *Keyboard::classify(QWidget *widget, QString *kindOut)
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

void Keyboard::focusChanged(QWidget *old, QWidget *now)
{
    if (insideKeyboard(now))
        return;
    if (!now) {
        // Focus gone to no widget at all (another program, a window closing): the field is kept,
        // and the keyboard goes unless a press or a dialog field asked for it.
        const bool fileNameField = old && old->objectName() == QLatin1String("fileNameEdit");
        if (!showOnPress && !dialogShow && !fileNameField) {
            QTimer::singleShot(0, this, [this]() {
                if (!target || QApplication::focusWidget() != target)
                    hideNow();
            });
        }
        return;
    }

    QString newKind;
    QWidget *field = classify(now, &newKind);
    if (!field) {
        target = nullptr;
        kind.clear();
        showOnPress = false;
        setLanguage(QLatin1String(kLanguageEnglish));
        hideNow();
        return;
    }
    if (field != target) {
        clearComposition();
        connect(field, &QObject::destroyed, this, &Keyboard::targetDestroyed, Qt::UniqueConnection);
    }
    target = field;
    kind = newKind;
    lastFocused = field;
    if (inhibits(now) || inhibits(field)) {
        hideNow();
        return;
    }
    if (isVisible())
        place();
    else if (showOnPress || dialogShow)
        keyboardShowed();
}

// A field deleted under the keyboard (its dialog closed) takes the keyboard with it.
void Keyboard::targetDestroyed(QObject *gone)
{
    if (target && target.data() != gone)
        return;
    target = nullptr;
    kind.clear();
    hideNow();
}

bool Keyboard::insideKeyboard(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && (widget == this || isAncestorOf(widget));
}

bool Keyboard::insideTarget(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget || !target)
        return false;
    // Presses land on a text edit's viewport or a combo box's editor, not on the field itself.
    QWidget *owner = target;
    if (qobject_cast<QComboBox *>(target->parentWidget()))
        owner = target->parentWidget();
    return widget == owner || owner->isAncestorOf(widget);
}

bool Keyboard::inhibits(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o->property("nodialogfullkeyboard").toBool())
            return true;
        if (o->isWidgetType() && static_cast<const QWidget *>(o)->isWindow())
            break;
    }
    return false;
}

bool Keyboard::targetReadOnly() const
{
    if (auto *line = qobject_cast<QLineEdit *>(target))
        return line->isReadOnly();
    if (auto *text = qobject_cast<QTextEdit *>(target))
        return text->isReadOnly();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
        return plain->isReadOnly();
    return false;
}

// --- Application-wide events ---------------------------------------------------------------------

bool Keyboard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Only widgets: the same press reaches the window first.
        if (!watched->isWidgetType() || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            break;
        if (insideKeyboard(watched)) {
            if (hasKind(watched, "select")) {
                const QString name = watched->objectName();
                chineseSelected(name.right(1).toInt());
                return true;
            }
            pressed = watched;
            if (repeats(watched)) {
                repeatTimer->setInterval(repeatDelay);
                repeatTimer->start();
            }
            break;
        }
        pressed = watched;
        if (inhibits(watched)) {
            showOnPress = false;
            break;
        }
        showOnPress = true;
        if (hasKind(watched, "dialogfullkeyboard"))
            dialogShow = true;
        if (insideTarget(watched) && !inhibits(target))
            keyboardShowed();
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            repeatTimer->stop();
        break;
    case QEvent::KeyPress:
        if (!sendingKey && watched->isWidgetType() && isVisible() && target)
            return physicalKeyPressed(static_cast<QKeyEvent *>(event));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool Keyboard::repeats(const QObject *object) const
{
    if (hasKind(object, "letter") || hasKind(object, "number") || hasKind(object, "symbol"))
        return true;
    if (!hasKind(object, "control"))
        return false;
    const QString name = object->objectName();
    for (const char *part : {"Arrow", "Page", "Space"}) {
        if (name.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void Keyboard::slot_button_reclicked()
{
    auto *key = qobject_cast<QPushButton *>(pressed.data());
    if (!key || !key->isDown() || !isVisible()) {
        repeatTimer->stop();
        return;
    }
    repeatTimer->setInterval(repeatInterval);
    keyPressed(key);
}

// A key of a real keyboard does what the matching key on the screen does. Keys that mean
// nothing to the keyboard at the moment (Tab, the arrows and page keys outside the candidate
// list, function keys) are left to the field.
bool Keyboard::physicalKeyPressed(QKeyEvent *event)
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
            widgetValueInserted(typed);
        hideNow();
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
    if (kind == QLatin1String("QWidget"))
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
            if (hasKind(candidate, "letter") ? language == QLatin1String(kLanguageChinese) : composing()) {
                candidate->click();
            } else {
                widgetValueInserted(typed);
                releaseShift();
            }
            return true;
        }
    }
    return false;
}

// --- Keys ----------------------------------------------------------------------------------------

void Keyboard::slot_button_clicked()
{
    if (auto *key = qobject_cast<QPushButton *>(sender()))
        keyPressed(key);
}

bool Keyboard::composing() const
{
    return language == QLatin1String(kLanguageChinese) && !pinyin.isEmpty();
}

void Keyboard::keyPressed(QPushButton *key)
{
    if (!target)
        return;
    const bool chinese = language == QLatin1String(kLanguageChinese);
    if (hasKind(key, "letter") || hasKind(key, "number") || hasKind(key, "symbol")) {
        characterKeyPressed(key);
    } else if (key == ui->control_Backspace) {
        if (composing()) {
            pinyin.chop(1);
            chineseQueried();
        } else {
            targetBackspace();
        }
    } else if (key == ui->control_Enter) {
        sendKey(Qt::Key_Enter, QStringLiteral("\r"));
    } else if (key == ui->control_Space) {
        if (composing())
            chineseSelected(1);
        else
            widgetValueInserted(QStringLiteral(" "));
    } else if (key == ui->control_PageUp || key == ui->control_ArrowRight) {
        if (chinese && pager.nextPage())
            chineseShowed();
    } else if (key == ui->control_PageDown || key == ui->control_ArrowLeft) {
        if (chinese && pager.previousPage())
            chineseShowed();
    } else if (key == ui->control_Language) {
        setLanguage(chinese ? QLatin1String(kLanguageEnglish) : QLatin1String(kLanguageChinese));
    }
    // Tab, the up and down arrows and Close do nothing here; Caps Lock, Shift, Ctrl and Alt
    // keep their state in their checked look.
}

void Keyboard::characterKeyPressed(QPushButton *key)
{
    const QString text = key->text();
    if (text.isEmpty())
        return;
    const bool shift = ui->control_LeftShift->isChecked();
    if (hasKind(key, "letter")) {
        if (language == QLatin1String(kLanguageChinese)) {
            pinyin += text.toLower();
            chineseQueried();
            return;
        }
        const bool upper = ui->control_CapsLock->isChecked() || shift;
        widgetValueInserted(upper ? text.toUpper() : text.toLower());
        if (shift)
            releaseShift();
        return;
    }
    if (composing()) {
        if (hasKind(key, "number")) {
            const int position = text.right(1).toInt();
            if (position >= 1)
                chineseSelected(position);
        } else if (text.contains(QLatin1Char('-')) || text.contains(QLatin1Char(','))) {
            if (pager.previousPage())
                chineseShowed();
        } else if (text.contains(QLatin1Char('=')) || text.contains(QLatin1Char('.'))) {
            if (pager.nextPage())
                chineseShowed();
        }
        return;
    }
    widgetValueInserted(shift ? text.left(1) : text.right(1));
    if (shift)
        releaseShift();
}

void Keyboard::releaseShift()
{
    if (ui->control_LeftShift->isChecked())
        ui->control_LeftShift->click();
}

void Keyboard::setLanguage(const QString &newLanguage)
{
    if (newLanguage == language)
        return;
    language = newLanguage;
    clearComposition();
    updateLanguageKey();
    if (language == QLatin1String(kLanguageChinese))
        dictionary->open();
}

void Keyboard::updateLanguageKey()
{
    ui->control_Language->setText(language == QLatin1String(kLanguageChinese) ? chineseKeyText()
                                                                             : QLatin1String(kLanguageEnglish));
}

// --- Pinyin --------------------------------------------------------------------------------------

void Keyboard::chineseQueried()
{
    ui->language_Pinyin->setText(pinyin);
    pager.setWords(dictionary->lookup(pinyin));
    chineseShowed();
}

void Keyboard::chineseShowed()
{
    QLabel *const labels[] = {ui->language_CH1, ui->language_CH2, ui->language_CH3,
                              ui->language_CH4, ui->language_CH5, ui->language_CH6,
                              ui->language_CH7, ui->language_CH8, ui->language_CH9};
    for (int i = 0; i < PinyinPager::pageSize; ++i) {
        const QString word = pager.wordAt(i + 1);
        labels[i]->setText(word.isEmpty() ? QString() : QStringLiteral("%1.%2").arg(i + 1).arg(word));
    }
}

void Keyboard::chineseSelected(int position)
{
    const QString word = pager.wordAt(position);
    if (word.isEmpty())
        return;
    clearComposition();
    widgetValueInserted(word);
}

void Keyboard::clearComposition()
{
    pinyin.clear();
    pager.clear();
    ui->language_Pinyin->clear();
    chineseShowed();
}

// --- Editing the field ---------------------------------------------------------------------------

void Keyboard::widgetValueInserted(const QString &text)
{
    if (!target || text.isEmpty() || targetReadOnly())
        return;
    if (auto *line = qobject_cast<QLineEdit *>(target))
        line->insert(text);
    else if (auto *edit = qobject_cast<QTextEdit *>(target))
        edit->insertPlainText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
        plain->insertPlainText(text);
    else
        sendKey(keyFor(text), text);
}

void Keyboard::targetBackspace()
{
    if (!target || targetReadOnly())
        return;
    if (auto *line = qobject_cast<QLineEdit *>(target)) {
        line->backspace();
        return;
    }
    QTextCursor cursor;
    auto *edit = qobject_cast<QTextEdit *>(target);
    auto *plain = qobject_cast<QPlainTextEdit *>(target);
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

// The key reaches the field as if typed; the keyboard's own filter lets it pass.
void Keyboard::sendKey(int key, const QString &text)
{
    if (!target)
        return;
    const QPointer<QWidget> receiver = target;
    sendingKey = true;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(receiver, &press);
    if (receiver) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(receiver, &release);
    }
    sendingKey = false;
}

// --- Dragging by the background ------------------------------------------------------------------

void Keyboard::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        dragOffset = QtCompat::globalPosition(event) - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void Keyboard::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging && (event->buttons() & Qt::LeftButton)) {
        setCursor(Qt::SizeAllCursor);
        move(QtCompat::globalPosition(event) - dragOffset);
    }
    QDialog::mouseMoveEvent(event);
}

void Keyboard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && dragging) {
        dragging = false;
        setCursor(Qt::ArrowCursor);
    }
    QDialog::mouseReleaseEvent(event);
}

void Keyboard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateLanguageKey();
        ui->language_Pinyin->setText(pinyin);
        chineseShowed();
    }
    QDialog::changeEvent(event);
}
