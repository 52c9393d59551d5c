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

    // False when `path` is too large, binary, or holds no key of `groups`; a missing or empty
    // file, or one of nothing but group headers and comments, is readable.
    static bool readable(const QString &path, const QStringList &groups);
    // Keeps `path` aside when it is not readable; true when it did. For the program's own files.
    static bool keepAsideIfUnreadable(const QString &path, const QStringList &groups);
    // The name a damaged file is kept under: the first free "<path>.damaged", "<path>.damaged-2", ...
    static QString asideName(const QString &path);

    static void noteRepaired(const QString &path);
    // A sentence of its own for the report.
    static void note(const QString &text);
    // The text telling the user what was repaired since the last call, empty when nothing was.
    static QString takeReport();
};

#endif // FILEREPAIRS_H
