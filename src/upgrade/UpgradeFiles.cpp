#include "UpgradeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

#include "SystemPaths.h"

namespace {
// Copies a file under its staged name and flushes it, so that only a rename remains to put it
// in place.
bool stage(const QString &source, const QString &target, const QString &staged)
{
    QFile::remove(staged);
    if (!QFile::copy(source, staged) || QFileInfo(staged).size() != QFileInfo(source).size())
        return false;
    QFile file(staged);
    if (!file.open(QIODevice::ReadWrite) || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    file.close();
    if (QFileInfo::exists(target))
        return file.setPermissions(QFileInfo(target).permissions());
    return true;
}
} // namespace

bool UpgradeFiles::replace(const QString &source, const QString &target)
{
    const QString staged = target + stagedSuffix;
    // rename() replaces the target in one step; QFile::rename refuses an existing target.
    if (stage(source, target, staged)
        && std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    QFile::remove(staged);
    return false;
}

void UpgradeFiles::removeLeftovers()
{
    QStringList files{previousDump, readBack, bootImage, deviceTreeImage, bootDumpForSystem, bootDumpForScreen,
                      resourceImage + stagedSuffix};
    for (QString &file : files)
        file = SystemPaths::resolve(file);
    const QString app = QCoreApplication::applicationName();
    if (!app.isEmpty()) {
        const QDir install(SystemPaths::resolve(QStringLiteral("/mnt/") + app));
        files.append(install.filePath(app + stagedSuffix));
        const QStringList translations = install.entryList({QStringLiteral("*.qm")}, QDir::Files);
        for (const QString &qm : translations)
            files.append(install.filePath(qm + stagedSuffix));
    }
    for (const QString &file : qAsConst(files)) {
        // Only files: a folder of that name is none of the upgrade's.
        if (QFileInfo(file).isFile())
            QFile::remove(file);
    }
}
