#ifndef PARAMFILE_H
#define PARAMFILE_H

#include <QColor>
#include <QPen>
#include <QVector>
#include <QString>
#include <QStringList>

class CustomLine;
class QSettings;
class SettingsReader;

// The parameter file "./param" in the working folder: one group of keys per kind, read into
// and written from the process-wide state.
//   1 param/*       line pen, text font, colour and outline, item flags, point detection
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
    // The cross hair lines are needed for kind 5 only.
    // A missing value takes its start value and an unusable one its default; the group is then
    // written again, and a repair is noted for the user (FileRepairs).
    static void read(int kind, CustomLine *vertical = nullptr, CustomLine *horizontal = nullptr);
    // Every group the file holds, from one reading of it; returns the kinds it does not hold.
    static QVector<int> readPresent(CustomLine *vertical, CustomLine *horizontal);
    // False, with the reason in `error`, when the file could not be written; it is then as before.
    static bool save(int kind, const CustomLine *vertical = nullptr, const CustomLine *horizontal = nullptr,
                     QString *error = nullptr);
    // Several groups in one write.
    static bool save(const QVector<int> &kinds, const CustomLine *vertical = nullptr,
                     const CustomLine *horizontal = nullptr, QString *error = nullptr);

    // config/configfile: the configuration file of custom lines in use.
    static QString configFile();
    static bool setConfigFile(const QString &file, QString *error = nullptr);

    // The pen of a reference line: opaque red, width 1, solid.
    static QPen referencePen();
    // A colour as stored: 32-bit ARGB in decimal. Line colours are read back opaque, the text
    // colour with its alpha.
    static quint32 colorValue(const QColor &color);
    static QColor opaqueColor(QRgb stored);
    static QColor colorWithAlpha(QRgb stored);

    // More calibrations than this are not read from a file, nor ones whose pixel measure or
    // units per pixel lie outside these bounds.
    static constexpr int largestRulerCount = 100;
    static constexpr double smallestRulerPixel = 1e-6;
    static constexpr double smallestRulerLength = 1e-9;
    static constexpr double largestRulerValue = 1e9;
    // Whether a calibration of this pixel measure and length (units per pixel) is read back.
    static bool keepsRuler(double pixel, double length)
    {
        return pixel >= smallestRulerPixel && pixel <= largestRulerValue && length >= smallestRulerLength
            && length <= largestRulerValue;
    }

private:
    static void readGroups(const QSettings &settings, const QVector<int> &kinds, CustomLine *vertical,
                           CustomLine *horizontal);
    // False for a kind that has no group.
    static bool readGroup(SettingsReader &in, int kind, CustomLine *vertical, CustomLine *horizontal);
    static void write(QSettings &settings, int kind, const CustomLine *vertical, const CustomLine *horizontal);
};

#endif // PARAMFILE_H
