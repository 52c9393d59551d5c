#ifndef FILEREPAIRS_H
#define FILEREPAIRS_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the program found wrong with the settings files it read, for one message to the user.
// A file with some unusable values is repaired in place; a file that can't be read as settings
// at all is kept aside under a new name, never overwritten, and the defaults take its place.
class FileRepairs
{
    Q_DECLARE_TR_FUNCTIONS(FileRepairs)

public:
    FileRepairs() = delete;

    // Larger settings files are not read: no file the program writes comes near this.
    static constexpr qint64 largestSettingsFile = 4 * 1024 * 1024;

    // Keeps `path` aside when it is too large, binary, or holds no key of `groups`; true when
    // it did. An empty or missing file is left as it is.
    static bool keepAsideIfUnreadable(const QString &path, const QStringList &groups);
    // The name a damaged file is kept under: the first free "<path>.damaged", "<path>.damaged-2", ...
    static QString asideName(const QString &path);

    static void noteRepaired(const QString &path);
    // The text telling the user what was repaired since the last call, empty when nothing was.
    static QString takeReport();
};

#endif // FILEREPAIRS_H
