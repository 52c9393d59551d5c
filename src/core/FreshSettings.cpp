#include "FreshSettings.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

FreshSettings::FreshSettings(const QString &path)
{
    open(contents(path), {QDir::tempPath()});
    // Without a copy the file itself is read, as QSettings would.
    reader.reset(new QSettings(copy ? copy->fileName() : path, QSettings::IniFormat));
}

FreshSettings::FreshSettings(const QByteArray &bytes, const QString &beside)
{
    // A full or missing temporary folder should not stop a save: the target's folder serves too.
    open(bytes, {QDir::tempPath(), QFileInfo(beside).absolutePath()});
    if (copy)
        reader.reset(new QSettings(copy->fileName(), QSettings::IniFormat));
    else
        reader.reset(new QSettings(QString(), QSettings::IniFormat));
}

FreshSettings::~FreshSettings()
{
    reader.reset(); // before the copy it reads goes
}

void FreshSettings::open(const QByteArray &bytes, const QStringList &folders)
{
    // Every copy gets a number of its own, so no name comes twice within the process, even
    // after its file is gone.
    static QAtomicInt counter;
    for (const QString &folder : folders) {
        std::unique_ptr<QTemporaryFile> file(new QTemporaryFile(
            folder + QStringLiteral("/korvelin-settings-%1-XXXXXX").arg(counter.fetchAndAddRelaxed(1))));
        const bool written = file->open() && file->write(bytes) == bytes.size() && file->flush();
        file->close();
        if (written) {
            copy = std::move(file);
            return;
        }
        problem = file->errorString();
    }
}

QByteArray FreshSettings::bytes()
{
    reader->sync();
    if (!copy || reader->status() == QSettings::AccessError)
        return QByteArray();
    QFile file(copy->fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return QByteArray();
    }
    const QByteArray all = file.readAll();
    return all.isNull() ? QByteArray("") : all;
}
