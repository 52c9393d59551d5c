#include "SafeFile.h"

#include "FreshSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
SafeFile::Step failingStep = SafeFile::NoStep;

QString translated(const char *text)
{
    return QCoreApplication::translate("SafeFile", text);
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// Makes the rename itself durable: the folder's entry is flushed too.
void syncFolder(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

void SafeFile::setFailingStep(Step step)
{
    failingStep = step;
}

bool SafeFile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    // The temporary file is made new, under a name no file beside the target has: a file of
    // the user's that happens to be called so is never written over, nor removed.
    QFile file;
    bool opened = false;
    for (int attempt = 0; failingStep != Open && attempt < 100 && !opened; ++attempt) {
        file.setFileName(attempt == 0 ? path + QStringLiteral(".part")
                                      : QStringLiteral("%1.%2.part").arg(path).arg(attempt));
        opened = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        if (!opened && !file.exists())
            break;
    }
    if (!opened)
        return fail(error, translated("The file can't be created: %1").arg(file.errorString()));
    const QString temporary = file.fileName();

    bool ok = failingStep != Write && file.write(bytes) == bytes.size();
    QString problem = ok ? QString() : translated("The file can't be written completely: %1").arg(file.errorString());
    if (ok) {
        ok = failingStep != Flush && file.flush() && ::fsync(file.handle()) == 0;
        if (!ok)
            problem = translated("The file can't be flushed to the medium: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    file.close();
    if (ok) {
        const QByteArray from = QFile::encodeName(temporary);
        const QByteArray to = QFile::encodeName(path);
        // rename() replaces the target in one step; QFile::rename refuses an existing target.
        ok = failingStep != Rename && std::rename(from.constData(), to.constData()) == 0;
        if (!ok)
            problem = translated("The file can't be put in place: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!ok) {
        QFile::remove(temporary);
        return fail(error, problem);
    }
    syncFolder(path);
    return true;
}

bool SafeFile::editSettings(const QString &path, const std::function<void(QSettings &)> &edit, QString *error)
{
    // QSettings edits a copy; its bytes then take the one safe way.
    QByteArray old;
    QFile original(path);
    if (original.exists()) {
        if (!original.open(QIODevice::ReadOnly))
            return fail(error, translated("The file can't be read: %1").arg(original.errorString()));
        old = original.readAll();
        original.close();
    }
    FreshSettings copy(old, path);
    edit(copy.settings());
    const QByteArray bytes = copy.bytes();
    if (bytes.isNull())
        return fail(error, translated("The file can't be created: %1").arg(copy.errorString()));
    return write(path, bytes, error);
}
