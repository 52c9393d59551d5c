#ifndef PARAMFILE_H
#define PARAMFILE_H

#include <QColor>
#include <QPen>
#include <QString>
#include <QStringList>
#include <QVariant>

class CustomLine;

// The parameter file "./param" in the working folder: one group of keys per kind, read into
// and written from the process-wide state.
//   1 param/*       line pen, text font and colour, item flags, point detection
//   2 ruler/*       the named calibrations
//   3 international/language
//   4 image/type
//   5 crosshair/*   the cross hair's visibility and its two lines
//   7 detect/subpixel  point detection refines edges to a fraction of a pixel; written when the
//                      user first changes it, so a new file holds the described keys only
// Every save is flushed to the medium.
class ParamFile
{
public:
    ParamFile() = delete;

    static QString path() { return QStringLiteral("./param"); }

    static bool contains(const QString &key);
    // Every key in the file, read once.
    static QStringList keys();
    // The cross hair lines are needed for kind 5 only.
    static void read(int kind, CustomLine *vertical = nullptr, CustomLine *horizontal = nullptr);
    static void save(int kind, const CustomLine *vertical = nullptr, const CustomLine *horizontal = nullptr);

    // config/configfile: the configuration file of custom lines in use.
    static QString configFile();
    static void setConfigFile(const QString &file);

    // The pen of a reference line: opaque red, width 1, solid.
    static QPen referencePen();
    // A colour as stored: 32-bit ARGB in decimal. Reading it back tolerates values beyond the
    // range of int.
    static quint32 colorValue(const QColor &color);
    static QColor opaqueColor(const QVariant &stored);
    static QColor colorWithAlpha(const QVariant &stored);
};

#endif // PARAMFILE_H
