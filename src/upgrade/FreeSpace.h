#ifndef FREESPACE_H
#define FREESPACE_H

#include <QString>

#include <functional>

// Free space of a mounted folder in MB, read from the storage report of the global state.
// Tests replace the answer, since the space of a real disk cannot be chosen.
class FreeSpace
{
public:
    using Handler = std::function<double(const QString &path)>;

    FreeSpace() = delete;

    // The available MB of an already resolved path; 0 when the folder is not mounted.
    static double availableMB(const QString &path);
    // The available MB in a report "Total space:…MB; Available space:…MB"; 0 when unreadable.
    static double parseAvailableMB(const QString &report);

    // Replaces the measurement; an empty handler restores it.
    static void setHandler(Handler handler);
};

#endif // FREESPACE_H
