#ifndef FRESHSETTINGS_H
#define FRESHSETTINGS_H

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

// INI settings as they are on the medium now.
//
// QSettings keeps one parsed copy of every INI file it has opened in this process and parses
// the file again only when its size or modification time has changed. A file replaced by one
// of the same size within one tick of the file system's clock (2 s on a FAT stick, a few
// milliseconds on a RAM disk), or a stick swapped for one holding a copied file of the same
// name, would read as before. So the bytes are copied to a temporary file under a name this
// process has not used before, and QSettings works on that copy.
class FreshSettings
{
public:
    // A missing file reads as empty. When no copy can be made the file itself is read.
    explicit FreshSettings(const QString &path);
    // Settings held in `bytes`, to be edited and taken back with `bytes()`; the copy is made in
    // the temporary folder, or else in the folder of `beside`.
    FreshSettings(const QByteArray &bytes, const QString &beside);
    ~FreshSettings();

    QSettings &settings() { return *reader; }

    // Writes what was changed and returns the settings as bytes; null when the copy could not
    // be written or read back.
    QByteArray bytes();
    // Why the copy could not be made or read back.
    QString errorString() const { return problem; }

private:
    void open(const QByteArray &bytes, const QStringList &folders);

    std::unique_ptr<QTemporaryFile> copy;
    std::unique_ptr<QSettings> reader;
    QString problem;
};

#endif // FRESHSETTINGS_H
