#ifndef MTDTOOLS_H
#define MTDTOOLS_H

#include <QString>
#include <QStringList>

// The system's NAND tools "flash_eraseall", "nandwrite" and "nanddump" in "/usr/sbin/". They are
// started directly with argument lists, never through a shell, so a file name can never become
// a command; a step counts as done only when its tool exits normally with status 0.
class MtdTools
{
public:
    MtdTools() = delete;

    static QString toolPath(const QString &name);
    static bool writeToolsAvailable();
    static bool dumpToolAvailable();

    // Device and file paths are passed as they are to be opened here.
    static bool erase(const QString &device);
    static bool write(const QString &device, const QString &file);
    // The whole partition, or `length` bytes from `start` when a length is given. The tool may
    // round the length up to whole pages.
    static bool dump(const QString &device, const QString &file, qint64 start = 0, qint64 length = -1);

    // Runs one tool; false when it is missing, cannot start, crashes, hangs or fails.
    static bool run(const QString &name, const QStringList &arguments);
};

#endif // MTDTOOLS_H
