#include "SystemPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>

namespace {
const char *const sensorDevice = "/dev/imx185_ss";

struct State
{
    bool chosen = false;
    SystemPaths::Mode mode = SystemPaths::Mode::Simulator;
    QString root;
};

State &state()
{
    static State s;
    return s;
}

void choose()
{
    State &s = state();
    if (s.chosen)
        return;
    const QByteArray forced = qgetenv("KORVELIN_CAMERA").trimmed().toLower();
    if (forced == "device")
        s.mode = SystemPaths::Mode::Camera;
    else if (forced == "sim")
        s.mode = SystemPaths::Mode::Simulator;
    else
        s.mode = QFileInfo::exists(QString::fromLatin1(sensorDevice)) ? SystemPaths::Mode::Camera
                                                                         : SystemPaths::Mode::Simulator;

    if (s.mode == SystemPaths::Mode::Camera) {
        s.root = QStringLiteral("/");
    } else {
        QString root = QString::fromLocal8Bit(qgetenv("KORVELIN_ROOT"));
        if (root.isEmpty())
            root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                   + QStringLiteral("/Korvelin/sandbox");
        s.root = QDir::cleanPath(QDir(root).absolutePath());
    }
    s.chosen = true;
}
} // namespace

SystemPaths::Mode SystemPaths::mode()
{
    choose();
    return state().mode;
}

QString SystemPaths::root()
{
    choose();
    return state().root;
}

QString SystemPaths::resolve(const QString &path)
{
    const QString base = root();
    if (!path.startsWith(QLatin1Char('/')) || base == QLatin1String("/"))
        return path;
    if (path == base || path.startsWith(base + QLatin1Char('/')))
        return path;
    return base + path;
}

bool SystemPaths::prepareSandbox()
{
    if (isCamera())
        return true;
    QDir dir;
    return dir.mkpath(resolve(QStringLiteral("/media/usb"))) && dir.mkpath(resolve(QStringLiteral("/mnt")));
}

QString SystemPaths::qtTranslationsPath()
{
    if (isCamera())
        return QStringLiteral("/opt/Zynq/Qt-4.8.6/translations");
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

QString SystemPaths::pinyinDatabase()
{
    const QString camera = QStringLiteral("/opt/Zynq/Qt-4.8.6/translations/py.db");
    if (isCamera())
        return camera;
    QStringList candidates{resolve(camera), QDir::current().absoluteFilePath(QStringLiteral("py.db"))};
    if (QCoreApplication::instance())
        candidates.append(QCoreApplication::applicationDirPath() + QStringLiteral("/py.db"));
    for (const QString &candidate : qAsConst(candidates)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return candidates.first();
}

QSize SystemPaths::displaySize()
{
    const QSize camera(1920, 1080);
    if (!isCamera())
        return camera;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : camera;
}

void SystemPaths::reset()
{
    state() = State();
}
