#ifndef SYSTEMPATHS_H
#define SYSTEMPATHS_H

#include <QSize>
#include <QString>

// The one place that knows whether the program drives a real camera or the simulator, and
// where the camera's absolute paths ("/media/usb/", "/dev/fb1", "/usr/sbin/...") lie.
//
// On the camera every path is used as it stands. In the simulator every absolute path is moved
// under a sandbox root, so nothing outside the sandbox and the working folder is ever written.
class SystemPaths
{
public:
    enum class Mode { Camera, Simulator };

    SystemPaths() = delete;

    // Chosen once: KORVELIN_CAMERA=device|sim forces it, else the sensor's device node decides.
    static Mode mode();
    static bool isCamera() { return mode() == Mode::Camera; }

    // "/" on the camera; $KORVELIN_ROOT or a per-user sandbox folder in the simulator.
    static QString root();

    // An absolute camera path as it is to be opened here. Relative paths and paths already
    // under the root are returned unchanged.
    static QString resolve(const QString &path);

    // Creates the simulator's sandbox with its USB stick and internal storage. Does nothing on
    // the camera, whose mount points belong to the system.
    static bool prepareSandbox();

    // Where the toolkit's own translations ("qt_zh_CN.qm") are loaded from.
    static QString qtTranslationsPath();

    // The on-screen keyboard's pinyin database. On the camera it is the system's
    // "/opt/Zynq/Qt-4.8.6/translations/py.db"; the simulator takes that file under the sandbox
    // when there is one, else the py.db of the working folder or of the program's folder, where
    // the build puts it.
    static QString pinyinDatabase();

    // The camera display's size; scene coordinates are pixels of this picture.
    static QSize displaySize();

    // Forgets the cached choice so tests can switch environments.
    static void reset();
};

#endif // SYSTEMPATHS_H
