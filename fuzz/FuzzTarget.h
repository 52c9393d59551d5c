#ifndef FUZZTARGET_H
#define FUZZTARGET_H

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "SystemPaths.h"

// A fuzz target is one function given the bytes of one input. Built for libFuzzer it is the
// fuzzer's entry point; built into the replay test it takes a name of its own, so that one test
// runs every target on its seed corpus and on the inputs that once failed.
#ifdef KORVELIN_FUZZ_REPLAY
#define KORVELIN_FUZZ_TARGET(name) int fuzz_##name(const uint8_t *data, size_t size)
#else
#define KORVELIN_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
#endif

namespace Fuzz {

// A widget application on the offscreen platform in simulator mode, with a sandbox and a
// working folder of its own; made at the first input unless the program has one already.
inline void environment()
{
    if (QCoreApplication::instance())
        return;
    static QTemporaryDir folder;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KORVELIN_CAMERA", "sim");
    qputenv("KORVELIN_ROOT", QFile::encodeName(folder.filePath(QStringLiteral("root"))));
    QDir().mkpath(folder.filePath(QStringLiteral("work")));
    QDir::setCurrent(folder.filePath(QStringLiteral("work")));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    new QApplication(argc, argv);
    SystemPaths::reset();
    SystemPaths::prepareSandbox();
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// The input as the file `path`.
inline void writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes(data, size));
}

} // namespace Fuzz

#endif // FUZZTARGET_H
