#include "FileRepairs.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "FreshSettings.h"

namespace {
QStringList repairedFiles;
QStringList keptAside;   // files kept aside or left unread, in the order found

bool readableAsSettings(const QString &path, const QStringList &groups)
{
    QFile file(path);
    if (file.size() > FileRepairs::largestSettingsFile || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.contains('\0'))
        return false;
    const QStringList keys = FreshSettings(bytes, path).settings().allKeys();
    for (const QString &key : keys) {
        for (const QString &group : groups) {
            if (key.startsWith(group + QLatin1Char('/')))
                return true;
        }
    }
    if (!keys.isEmpty())
        return false;
    // No key at all: readable when it holds nothing but group headers and comments.
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('[') && !trimmed.startsWith(';') && !trimmed.startsWith('#'))
            return false;
    }
    return true;
}
} // namespace

QString FileRepairs::asideName(const QString &path)
{
    QString name = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged-%1").arg(n);
    return name;
}

bool FileRepairs::readable(const QString &path, const QStringList &groups)
{
    const QFileInfo info(path);
    return !info.exists() || info.size() == 0 || readableAsSettings(path, groups);
}

bool FileRepairs::keepAsideIfUnreadable(const QString &path, const QStringList &groups)
{
    if (readable(path, groups))
        return false;
    const QString aside = asideName(path);
    if (!QFile::rename(path, aside)) {
        // Not even renamed (a read-only medium): left in place and not read.
        keptAside << tr("\"%1\" can't be read and can't be moved aside; defaults are used.").arg(path);
        return true;
    }
    keptAside << tr("\"%1\" can't be read; it was kept as \"%2\" and defaults are used.").arg(path, aside);
    return true;
}

void FileRepairs::noteRepaired(const QString &path)
{
    if (!repairedFiles.contains(path))
        repairedFiles << path;
}

void FileRepairs::note(const QString &text)
{
    keptAside << text;
}

QString FileRepairs::takeReport()
{
    QStringList lines = keptAside;
    for (const QString &path : repairedFiles)
        lines << tr("Some settings in \"%1\" could not be used and were set back to their defaults.").arg(path);
    keptAside.clear();
    repairedFiles.clear();
    return lines.join(QLatin1Char('\n'));
}
