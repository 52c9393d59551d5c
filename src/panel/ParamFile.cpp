#include "ParamFile.h"

#include <QSettings>
#include <QStringList>

#include <utility>

#include "CustomLine.h"
#include "FileRepairs.h"
#include "FreshSettings.h"
#include "SafeFile.h"
#include "SettingsReader.h"
#include "GlobalVar.h"

namespace {
QString rulerKey(const char *name, int index)
{
    return QStringLiteral("ruler/%1%2").arg(QLatin1String(name)).arg(index);
}

void applyLine(CustomLine *line, const QPointF &position, int width, QRgb color)
{
    if (!line)
        return;
    line->position = position;
    line->pen = ParamFile::referencePen();
    line->pen.setWidth(width);
    line->pen.setColor(ParamFile::opaqueColor(color));
    line->initialLine();
}
} // namespace

bool ParamFile::contains(const QString &key)
{
    return FreshSettings(path()).settings().contains(key);
}


QPen ParamFile::referencePen()
{
    return QPen(QBrush(QColor(255, 0, 0, 255), Qt::SolidPattern), 1.0, Qt::SolidLine, Qt::FlatCap,
                Qt::MiterJoin);
}

quint32 ParamFile::colorValue(const QColor &color)
{
    return color.rgba();
}

QColor ParamFile::opaqueColor(QRgb stored)
{
    return QColor(qRed(stored), qGreen(stored), qBlue(stored), 255);
}

QColor ParamFile::colorWithAlpha(QRgb stored)
{
    return QColor::fromRgba(stored);
}

void ParamFile::read(int kind, CustomLine *vertical, CustomLine *horizontal)
{
    FreshSettings file(path());
    readGroups(file.settings(), {kind}, vertical, horizontal);
}

QVector<int> ParamFile::readPresent(CustomLine *vertical, CustomLine *horizontal)
{
    // A group is known by a key that every save of it writes.
    const std::pair<int, const char *> markers[] = {{1, "param/linewidth"}, {2, "ruler/name"},
                                                    {3, "international/language"}, {4, "image/type"},
                                                    {5, "crosshair/on"}, {7, "detect/subpixel"}};
    FreshSettings file(path());
    QVector<int> present;
    QVector<int> missing;
    for (const auto &marker : markers)
        (file.settings().contains(QLatin1String(marker.second)) ? present : missing) << marker.first;
    readGroups(file.settings(), present, vertical, horizontal);
    return missing;
}

void ParamFile::readGroups(const QSettings &settings, const QVector<int> &kinds, CustomLine *vertical,
                           CustomLine *horizontal)
{
    for (int kind : kinds) {
        SettingsReader in(settings);
        if (!readGroup(in, kind, vertical, horizontal))
            continue;
        // A damaged or incomplete group is written again as it now stands, and the user is told
        // about a damaged one.
        if (in.repaired())
            FileRepairs::noteRepaired(path());
        if (in.repaired() || in.incomplete())
            save(kind, vertical, horizontal);
    }
}

// The cross hair's position is written as it stands, which may lie between two pixels; read back
// as such, it is not damage.
static double crossPosition(SettingsReader &in, const QString &key, int fallback, int maximum)
{
    bool ok = false;
    const double position = in.real(key, 0, maximum, &ok);
    return ok ? position : in.integer(key, fallback, 0, maximum);
}

bool ParamFile::readGroup(SettingsReader &in, int kind, CustomLine *vertical, CustomLine *horizontal)
{
    switch (kind) {
    case 1: {
        // Missing keys take their start values; numbers stay within what the dialogs offer.
        GlobalVar::shapeGraphPen.setWidth(in.integer(QStringLiteral("param/linewidth"), 1, 1, 3));
        GlobalVar::shapeGraphPen.setColor(opaqueColor(in.color(QStringLiteral("param/linecolor"), 0xFFFF0000)));
        GlobalVar::bEditable = in.boolean(QStringLiteral("param/lineeditable"), true);
        GlobalVar::bMovable = in.boolean(QStringLiteral("param/linemovable"), true);
        GlobalVar::shapeTextFont.setPointSize(in.integer(QStringLiteral("param/textsize"), 12, 12, 32));
        GlobalVar::shapeTextColor = colorWithAlpha(in.color(QStringLiteral("param/textcolor"), 0xFF0000FF));
        GlobalVar::bTextON = in.boolean(QStringLiteral("param/textlabel"), true);
        GlobalVar::textDigiLength = qint8(in.integer(QStringLiteral("param/textlength"), 3, 3, 4));
        // Files from before the outline have no key for it: the labels are outlined, and the
        // file is not written again for it.
        GlobalVar::bTextOutline = !in.contains(QStringLiteral("param/textoutline"))
            || in.boolean(QStringLiteral("param/textoutline"), true);
        GlobalVar::bDetectAuto = in.boolean(QStringLiteral("param/detect"), false);
        break;
    }
    case 2: {
        const QStringList names = in.textList(QStringLiteral("ruler/name"));
        if (names.size() > largestRulerCount)
            in.noteRepaired();
        for (int i = 0; i < qMin(int(names.size()), largestRulerCount); ++i) {
            // A calibration without a usable length, pixel count or unit is dropped.
            bool pixelOk = false;
            bool lengthOk = false;
            ruler r;
            r.name = names.at(i);
            r.pixel = float(in.real(rulerKey("pixel", i), smallestRulerPixel, largestRulerValue, &pixelOk));
            r.length = float(in.real(rulerKey("length", i), smallestRulerLength, largestRulerValue, &lengthOk));
            const int unit = in.integer(rulerKey("unit", i), -1, -1, 3);
            if (!pixelOk || !lengthOk || r.pixel <= 0.0f || r.length <= 0.0f || unit < 0 || unit > 2) {
                in.noteRepaired();
                continue;
            }
            r.unit = quint8(unit);
            GlobalVar::rulerList.append(r);
        }
        break;
    }
    case 3:
        GlobalVar::language = quint8(in.integer(QStringLiteral("international/language"), 0, 0, 2));
        break;
    case 4:
        GlobalVar::imageType = in.choice(QStringLiteral("image/type"),
                                         {QStringLiteral("bmp"), QStringLiteral("jpg")}, QStringLiteral("bmp"));
        break;
    case 5:
        GlobalVar::bCrossShow = in.boolean(QStringLiteral("crosshair/on"), true);
        applyLine(vertical, QPointF(crossPosition(in, QStringLiteral("crosshair/px"), 800, 1920), 0),
                  in.integer(QStringLiteral("crosshair/widthx"), 1, 1, 3),
                  in.color(QStringLiteral("crosshair/colorx"), 0xFFFF0000));
        applyLine(horizontal, QPointF(0, crossPosition(in, QStringLiteral("crosshair/py"), 540, 1080)),
                  in.integer(QStringLiteral("crosshair/widthy"), 1, 1, 3),
                  in.color(QStringLiteral("crosshair/colory"), 0xFFFF0000));
        break;
    case 7:
        GlobalVar::bSubPixel = in.boolean(QStringLiteral("detect/subpixel"), false);
        break;
    default:
        return false;
    }
    return true;
}

bool ParamFile::save(int kind, const CustomLine *vertical, const CustomLine *horizontal, QString *error)
{
    return save(QVector<int>{kind}, vertical, horizontal, error);
}

bool ParamFile::save(const QVector<int> &kinds, const CustomLine *vertical, const CustomLine *horizontal,
                     QString *error)
{
    return SafeFile::editSettings(path(),
                                  [&](QSettings &settings) {
                                      for (int kind : kinds)
                                          write(settings, kind, vertical, horizontal);
                                  },
                                  error);
}

void ParamFile::write(QSettings &settings, int kind, const CustomLine *vertical, const CustomLine *horizontal)
{
    switch (kind) {
    case 1:
        settings.setValue(QStringLiteral("param/linewidth"), GlobalVar::shapeGraphPen.width());
        settings.setValue(QStringLiteral("param/linecolor"), colorValue(GlobalVar::shapeGraphPen.color()));
        settings.setValue(QStringLiteral("param/lineeditable"), GlobalVar::bEditable);
        settings.setValue(QStringLiteral("param/linemovable"), GlobalVar::bMovable);
        settings.setValue(QStringLiteral("param/textsize"), GlobalVar::shapeTextFont.pointSize());
        settings.setValue(QStringLiteral("param/textcolor"), colorValue(GlobalVar::shapeTextColor));
        settings.setValue(QStringLiteral("param/textlabel"), GlobalVar::bTextON);
        settings.setValue(QStringLiteral("param/textlength"), int(GlobalVar::textDigiLength));
        settings.setValue(QStringLiteral("param/textoutline"), GlobalVar::bTextOutline);
        settings.setValue(QStringLiteral("param/detect"), GlobalVar::bDetectAuto);
        break;
    case 2: {
        QStringList names;
        for (int i = 0; i < GlobalVar::rulerList.size(); ++i) {
            const ruler &r = GlobalVar::rulerList.at(i);
            settings.setValue(rulerKey("pixel", i), r.pixel);
            settings.setValue(rulerKey("length", i), r.length);
            settings.setValue(rulerKey("unit", i), int(r.unit));
            names << r.name;
        }
        settings.setValue(QStringLiteral("ruler/name"), names);
        break;
    }
    case 3:
        settings.setValue(QStringLiteral("international/language"), int(GlobalVar::language));
        break;
    case 4:
        settings.setValue(QStringLiteral("image/type"), GlobalVar::imageType);
        break;
    case 5:
        settings.setValue(QStringLiteral("crosshair/on"), GlobalVar::bCrossShow);
        if (vertical) {
            settings.setValue(QStringLiteral("crosshair/px"), float(vertical->position.x()));
            settings.setValue(QStringLiteral("crosshair/widthx"), vertical->pen.width());
            settings.setValue(QStringLiteral("crosshair/colorx"), colorValue(vertical->pen.color()));
        }
        if (horizontal) {
            settings.setValue(QStringLiteral("crosshair/py"), float(horizontal->position.y()));
            settings.setValue(QStringLiteral("crosshair/widthy"), horizontal->pen.width());
            settings.setValue(QStringLiteral("crosshair/colory"), colorValue(horizontal->pen.color()));
        }
        break;
    case 7:
        settings.setValue(QStringLiteral("detect/subpixel"), GlobalVar::bSubPixel);
        break;
    default:
        break;
    }
}

QString ParamFile::configFile()
{
    return FreshSettings(path()).settings().value(QStringLiteral("config/configfile")).toString();
}

bool ParamFile::setConfigFile(const QString &file, QString *error)
{
    return SafeFile::editSettings(
        path(), [&file](QSettings &settings) { settings.setValue(QStringLiteral("config/configfile"), file); }, error);
}
