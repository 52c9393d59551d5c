#include "FreshSettings.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every copy gets a number of its own, so no name comes twice within the process even after
// its file is gone.
QString copyTemplate()
{
    static QAtomicInt counter;
    return QDir::tempPath() + QStringLiteral("/korvelin-settings-%1-XXXXXX").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

FreshSettings::FreshSettings(const QString &path)
{
    open(contents(path), path);
}

FreshSettings::FreshSettings(const QByteArray &bytes)
{
    open(bytes, QString());
}

FreshSettings::~FreshSettings()
{
    reader.reset(); // before the copy it reads goes
}

void FreshSettings::open(const QByteArray &bytes, const QString &fallback)
{
    copy.setFileTemplate(copyTemplate());
    copied = copy.open() && copy.write(bytes) == bytes.size() && copy.flush();
    copy.close();
    reader.reset(new QSettings(copied || fallback.isEmpty() ? copy.fileName() : fallback, QSettings::IniFormat));
}

QByteArray FreshSettings::bytes()
{
    reader->sync();
    if (!copied || reader->status() == QSettings::AccessError)
        return QByteArray();
    QFile file(copy.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray all = file.readAll();
    return all.isNull() ? QByteArray("") : all;
}
