#include "Keyboard.h"
#include "ui_Keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMutex>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "KeyboardKeys.h"
#include "KeyboardPlacement.h"
#include "QtCompat.h"
#include "SystemPaths.h"

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
{
    ui->setupUi(this);
    buttonPropertyInit();
    keys.reset(new KeyboardKeys(this, ui.get(), &target, SystemPaths::pinyinDatabase(), [this]() { hideNow(); }));
    keyboardFormInit();
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

    repeatTimer = new QTimer(this);
    repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
    connect(repeatTimer, &QTimer::timeout, this, &Keyboard::slot_button_reclicked);

    // The database is opened by the first lookup, so start-up does not wait for it; leaving the
    // program closes it before Qt's SQL drivers go away.
    if (QCoreApplication::instance())
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this]() { keys->closeDatabase(); });
}

void Keyboard::buttonPropertyInit()
{
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *key : buttons) {
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
    keys->setDatabase(path);
}

QString Keyboard::inputLanguage() const
{
    return keys->language();
}

// --- Showing and hiding --------------------------------------------------------------------------

void Keyboard::keyboardShowed()
{
    if (!target.widget())
        return;
    shown = true;
    lastFocused = target.widget();
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
    keys->clearComposition();
    hide();
}

void Keyboard::place()
{
    const QWidget *widget = target.widget();
    if (!widget)
        return;
    const QRect field(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    const QScreen *screen = QGuiApplication::screenAt(field.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), SystemPaths::displaySize());
    const QRect rect = KeyboardPlacement::place(position, field, formSize, area);
    setFixedSize(rect.size());
    move(rect.topLeft());
}

// --- Targets -------------------------------------------------------------------------------------

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
                if (!target.widget() || QApplication::focusWidget() != target.widget())
                    hideNow();
            });
        }
        return;
    }

    QString newKind;
    QWidget *field = TextTarget::classify(now, &newKind);
    if (!field) {
        target.clear();
        showOnPress = false;
        keys->setLanguage(QLatin1String(KeyboardKeys::english));
        hideNow();
        return;
    }
    if (field != target.widget()) {
        keys->clearComposition();
        connect(field, &QObject::destroyed, this, &Keyboard::targetDestroyed, Qt::UniqueConnection);
    }
    target.set(field, newKind);
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
    if (target.widget() && target.widget() != gone)
        return;
    target.clear();
    hideNow();
}

bool Keyboard::insideKeyboard(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && (widget == this || isAncestorOf(widget));
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
            if (KeyboardKeys::hasKind(watched, "select")) {
                const QString name = watched->objectName();
                keys->select(name.right(1).toInt());
                return true;
            }
            pressed = watched;
            if (KeyboardKeys::repeats(watched)) {
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
        if (KeyboardKeys::hasKind(watched, "dialogfullkeyboard"))
            dialogShow = true;
        if (target.contains(watched) && !inhibits(target.widget()))
            keyboardShowed();
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            repeatTimer->stop();
        break;
    case QEvent::KeyPress:
        if (!target.sending() && watched->isWidgetType() && isVisible() && target.widget())
            return keys->physicalKey(static_cast<QKeyEvent *>(event));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void Keyboard::slot_button_reclicked()
{
    auto *key = qobject_cast<QPushButton *>(pressed.data());
    if (!key || !key->isDown() || !isVisible()) {
        repeatTimer->stop();
        return;
    }
    repeatTimer->setInterval(repeatInterval);
    keys->press(key);
}

// --- Keys ----------------------------------------------------------------------------------------

void Keyboard::slot_button_clicked()
{
    if (auto *key = qobject_cast<QPushButton *>(sender()))
        keys->press(key);
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
        keys->retranslate();
    }
    QDialog::changeEvent(event);
}
