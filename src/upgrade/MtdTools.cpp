#include "MtdTools.h"

#include <QFileInfo>
#include <QProcess>

#include "SystemPaths.h"

namespace {
// Erasing and writing 24 MiB of NAND takes well under a minute; a tool that is still busy
// after this long is stuck.
const int toolTimeoutMs = 5 * 60 * 1000;

QString hex(qint64 value)
{
    return QStringLiteral("0x") + QString::number(value, 16);
}
} // namespace

QString MtdTools::toolPath(const QString &name)
{
    return SystemPaths::resolve(QStringLiteral("/usr/sbin/") + name);
}

bool MtdTools::writeToolsAvailable()
{
    return QFileInfo(toolPath(QStringLiteral("flash_eraseall"))).isFile()
           && QFileInfo(toolPath(QStringLiteral("nandwrite"))).isFile();
}

bool MtdTools::dumpToolAvailable()
{
    return QFileInfo(toolPath(QStringLiteral("nanddump"))).isFile();
}

bool MtdTools::erase(const QString &device)
{
    return run(QStringLiteral("flash_eraseall"), {device});
}

bool MtdTools::write(const QString &device, const QString &file)
{
    return run(QStringLiteral("nandwrite"), {QStringLiteral("-p"), device, file});
}

bool MtdTools::dump(const QString &device, const QString &file, qint64 start, qint64 length)
{
    QStringList arguments;
    if (length >= 0)
        arguments << QStringLiteral("-s") << hex(start) << QStringLiteral("-l") << hex(length);
    arguments << QStringLiteral("-f") << file << device;
    return run(QStringLiteral("nanddump"), arguments);
}

bool MtdTools::run(const QString &name, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(toolPath(name), arguments);
    if (!process.waitForStarted()) {
        qWarning("%s could not be started", qPrintable(name));
        return false;
    }
    if (!process.waitForFinished(toolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        qWarning("%s did not finish", qPrintable(name));
        return false;
    }
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        qWarning("%s failed with status %d", qPrintable(name), process.exitCode());
    return ok;
}
