#ifndef LINESCONFIGFILE_H
#define LINESCONFIGFILE_H

#include <QColor>
#include <QString>
#include <QVector>

class CustomLine;

// A configuration file of custom reference lines ("CFG00001.ini"): for each direction the
// number of lines and, numbered from 1, each line's position, pen width and colour.
class LinesConfigFile
{
public:
    struct Line
    {
        qreal position = 0;     // y of a horizontal line, x of a vertical one
        int width = 1;
        QColor color;
    };
    struct Lines
    {
        QVector<Line> horizontal;
        QVector<Line> vertical;
    };

    LinesConfigFile() = delete;

    // As many lines of each direction as the panel's spin boxes offer.
    static constexpr int largestLineCount = 32;

    // Writes the lines; false, with the reason in `error`, when the file could not be written
    // completely; it is then as before.
    static bool save(const QString &path, const QVector<CustomLine *> &horizontal,
                     const QVector<CustomLine *> &vertical, QString *error = nullptr);
    // False when `path` is missing or empty, can't be read as settings or holds no line group.
    static bool holdsLines(const QString &path);
    // At most `largestLineCount` lines of each direction; a line without a usable position is
    // left out and a damaged file is noted for the user (FileRepairs). A file that holds no
    // lines gives none. The file is only read, never moved or written.
    static Lines read(const QString &path);
};

#endif // LINESCONFIGFILE_H
