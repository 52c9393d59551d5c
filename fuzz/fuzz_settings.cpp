// The parameter file with its list of calibrations, and the camera settings: whatever they hold
// is read without harm, within range, and what was read, once saved, reads back the same.
#include <cstdlib>

#include "CustomLine.h"
#include "FileRepairs.h"
#include "FuzzTarget.h"
#include "GlobalVar.h"
#include "ItemLook.h"
#include "ParamFile.h"
#include "ccdSetDialog.h"

namespace {
QString state(const CustomLine &vertical, const CustomLine &horizontal)
{
    const ItemLook look = ItemLook::current();
    QStringList values{look.font.toString(), look.pen.color().name(), look.textColor.name(QColor::HexArgb),
                       GlobalVar::imageType, QString::number(GlobalVar::language), QString::number(GlobalVar::bSubPixel)};
    for (int value : {int(look.pen.width()), int(look.digits), int(look.textOn), int(look.textOutline),
                      int(look.editable), int(look.movable), int(look.crossShown), int(GlobalVar::bDetectAuto)})
        values << QString::number(value);
    for (const ruler &r : qAsConst(GlobalVar::rulerList))
        values << QStringLiteral("%1 %2 %3 %4").arg(r.name).arg(double(r.pixel), 0, 'g', 9).arg(double(r.length), 0, 'g', 9).arg(r.unit);
    values << QStringLiteral("%1 %2").arg(vertical.position.x()).arg(horizontal.position.y());
    return values.join(QLatin1Char('\n'));
}
} // namespace

KORVELIN_FUZZ_TARGET(settings)
{
    Fuzz::environment();
    for (const QString &name : QDir().entryList(QDir::Files))
        QFile::remove(name);
    Fuzz::writeFile(ParamFile::path(), data, size);
    GlobalVar::resetToDefaults();
    CustomLine vertical, horizontal;
    FileRepairs::keepAsideIfUnreadable(ParamFile::path(), {QStringLiteral("param"), QStringLiteral("ruler")});
    ParamFile::readPresent(&vertical, &horizontal);
    const QString read = state(vertical, horizontal);
    ParamFile::save({1, 2, 3, 4, 5, 7}, &vertical, &horizontal);
    GlobalVar::resetToDefaults();
    ParamFile::readPresent(&vertical, &horizontal);
    if (state(vertical, horizontal) != read) {
        qWarning("read back as\n%s\ninstead of\n%s", qPrintable(state(vertical, horizontal)), qPrintable(read));
        abort();
    }
    // The camera settings come within the sensor's ranges, and read again, the same.
    Fuzz::writeFile(QStringLiteral("./config"), data, size);
    delete new ccdSetDialog(nullptr);
    const ccdParameter &p = GlobalVar::IMX185;
    const auto camera = [&p] { return QVector<quint32>{p.gain, p.exposure, p.contrast, p.red, p.green, p.blue, p.sharpen, p.gamma}; };
    if (p.gain > 30 || p.exposure > 1125 || p.contrast > 100 || p.red < 8000 || p.red > 32000 || p.green < 8000
        || p.green > 16000 || p.blue < 8000 || p.blue > 32000 || p.sharpen > 10000 || p.gamma > 3)
        abort();
    const QVector<quint32> first = camera();
    GlobalVar::IMX185 = ccdParameter();
    delete new ccdSetDialog(nullptr);
    if (camera() != first)
        abort();
    FileRepairs::takeReport();
    return 0;
}
