#ifndef TESTUTILS_H
#define TESTUTILS_H

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "GlobalVar.h"
#include "SystemPaths.h"

// The icons are compiled into the library; a program registers them once, as main() does.
inline void initTestResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace TestUtils {

// A private sandbox root and working folder for one test executable, in simulator mode.
class Sandbox
{
public:
    Sandbox()
        : Sandbox(QString())
    {
    }
    // In `folder`, which outlives the sandbox, when one is given: a later process finds what
    // an earlier one left there.
    explicit Sandbox(const QString &folder)
        : base(folder.isEmpty() ? dir.path() : folder)
    {
        initTestResources();
        qputenv("KORVELIN_CAMERA", "sim");
        qputenv("KORVELIN_ROOT", QFile::encodeName(path(QStringLiteral("root"))));
        QDir().mkpath(path(QStringLiteral("work")));
        QDir::setCurrent(path(QStringLiteral("work")));
        SystemPaths::reset();
        SystemPaths::prepareSandbox();
        GlobalVar::resetToDefaults();
    }
    QString path(const QString &name) const { return QDir(base).filePath(name); }
    QString root() const { return path(QStringLiteral("root")); }

private:
    QTemporaryDir dir;
    QString base;
};

// Writes a whole file, replacing what was there; false when it cannot.
inline bool writeFile(const QString &path, const QByteArray &bytes = QByteArray())
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A real mouse event delivered to a widget, as the window system would deliver it.
inline void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &pos,
                      Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos.toPoint()), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget *w, const QPointF &pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}

inline void release(QWidget *w, const QPointF &pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

inline void move(QWidget *w, const QPointF &pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, buttons);
}

// A press and release with the left button.
inline void click(QWidget *w, const QPointF &pos, Qt::MouseButton button = Qt::LeftButton)
{
    press(w, pos, button);
    release(w, pos, button);
}

// A press, a few moves with the button held, and the release.
inline void drag(QWidget *w, const QPointF &from, const QPointF &to)
{
    press(w, from);
    for (int step = 1; step <= 4; ++step)
        move(w, from + (to - from) * step / 4.0, Qt::LeftButton);
    release(w, to);
}

} // namespace TestUtils

#endif // TESTUTILS_H
