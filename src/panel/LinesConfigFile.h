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

    // Writes the lines; false when the file could not be written completely.
    static bool save(const QString &path, const QVector<CustomLine *> &horizontal,
                     const QVector<CustomLine *> &vertical);
    static Lines read(const QString &path);
};

#endif // LINESCONFIGFILE_H
