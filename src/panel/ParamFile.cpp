#include "ParamFile.h"

#include <QSettings>
#include <QStringList>

#include <unistd.h>

#include "CustomLine.h"
#include "GlobalVar.h"

namespace {
QString rulerKey(const char *name, int index)
{
    return QStringLiteral("ruler/%1%2").arg(QLatin1String(name)).arg(index);
}

void applyLine(CustomLine *line, const QPointF &position, const QVariant &width, const QVariant &color)
{
    if (!line)
        return;
    line->position = position;
    line->pen = ParamFile::referencePen();
    line->pen.setWidth(width.toInt());
    line->pen.setColor(ParamFile::opaqueColor(color));
    line->initialLine();
}
} // namespace

bool ParamFile::contains(const QString &key)
{
    return QSettings(path(), QSettings::IniFormat).contains(key);
}

QStringList ParamFile::keys()
{
    return QSettings(path(), QSettings::IniFormat).allKeys();
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

QColor ParamFile::opaqueColor(const QVariant &stored)
{
    const QRgb rgb = QRgb(stored.toLongLong());
    return QColor(qRed(rgb), qGreen(rgb), qBlue(rgb), 255);
}

QColor ParamFile::colorWithAlpha(const QVariant &stored)
{
    return QColor::fromRgba(QRgb(stored.toLongLong()));
}

void ParamFile::read(int kind, CustomLine *vertical, CustomLine *horizontal)
{
    QSettings settings(path(), QSettings::IniFormat);
    switch (kind) {
    case 1: {
        GlobalVar::shapeGraphPen.setWidth(settings.value(QStringLiteral("param/linewidth")).toInt());
        GlobalVar::shapeGraphPen.setColor(opaqueColor(settings.value(QStringLiteral("param/linecolor"))));
        GlobalVar::bEditable = settings.value(QStringLiteral("param/lineeditable")).toBool();
        GlobalVar::bMovable = settings.value(QStringLiteral("param/linemovable")).toBool();
        // A size of 0 from a damaged file would make the labels unreadable.
        const int size = settings.value(QStringLiteral("param/textsize")).toInt();
        if (size > 0)
            GlobalVar::shapeTextFont.setPointSize(size);
        GlobalVar::shapeTextColor = colorWithAlpha(settings.value(QStringLiteral("param/textcolor")));
        GlobalVar::bTextON = settings.value(QStringLiteral("param/textlabel")).toBool();
        GlobalVar::textDigiLength = qint8(settings.value(QStringLiteral("param/textlength")).toInt());
        GlobalVar::bDetectAuto = settings.value(QStringLiteral("param/detect")).toBool();
        break;
    }
    case 2: {
        const QStringList names = settings.value(QStringLiteral("ruler/name")).toStringList();
        for (int i = 0; i < names.size(); ++i) {
            ruler r;
            r.name = names.at(i);
            r.pixel = float(settings.value(rulerKey("pixel", i)).toDouble());
            r.length = float(settings.value(rulerKey("length", i)).toDouble());
            r.unit = quint8(settings.value(rulerKey("unit", i)).toInt());
            GlobalVar::rulerList.append(r);
        }
        break;
    }
    case 3:
        GlobalVar::language = quint8(settings.value(QStringLiteral("international/language")).toInt());
        break;
    case 4:
        GlobalVar::imageType = settings.value(QStringLiteral("image/type")).toString();
        break;
    case 5:
        GlobalVar::bCrossShow = settings.value(QStringLiteral("crosshair/on")).toBool();
        applyLine(vertical, QPointF(settings.value(QStringLiteral("crosshair/px")).toInt(), 0),
                  settings.value(QStringLiteral("crosshair/widthx")),
                  settings.value(QStringLiteral("crosshair/colorx")));
        applyLine(horizontal, QPointF(0, settings.value(QStringLiteral("crosshair/py")).toInt()),
                  settings.value(QStringLiteral("crosshair/widthy")),
                  settings.value(QStringLiteral("crosshair/colory")));
        break;
    case 7:
        GlobalVar::bSubPixel = settings.value(QStringLiteral("detect/subpixel")).toBool();
        break;
    default:
        break;
    }
}

void ParamFile::save(int kind, const CustomLine *vertical, const CustomLine *horizontal)
{
    QSettings settings(path(), QSettings::IniFormat);
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
    settings.sync();
    ::sync();
}

QString ParamFile::configFile()
{
    return QSettings(path(), QSettings::IniFormat).value(QStringLiteral("config/configfile")).toString();
}

void ParamFile::setConfigFile(const QString &file)
{
    QSettings settings(path(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("config/configfile"), file);
    settings.sync();
    ::sync();
}
