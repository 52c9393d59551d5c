#include "Firmware.h"

#include <QFile>

#include <atomic>

#include "SystemPaths.h"

namespace {
// Set from the GUI thread by tests, read by the worker.
std::atomic<Firmware::Target> target{Firmware::Target::Detected};
} // namespace

QByteArray Firmware::payload(const QString &name)
{
    // The resource file expands compressed payloads itself.
    QFile file(QStringLiteral(":/7010/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Firmware::isStandIn()
{
    return QFile::exists(QStringLiteral(":/7010/stand-in"));
}

bool Firmware::mayBeFlashed()
{
    const Target now = target;
    const bool camera = now == Target::Detected ? SystemPaths::isCamera() : now == Target::Camera;
    return !camera || !isStandIn();
}

void Firmware::setTarget(Target target_)
{
    target = target_;
}
