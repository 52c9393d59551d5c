#include "RulerUnits.h"

QString RulerUnits::calibrationText(int unit)
{
    switch (unit) {
    case 0:
        return QStringLiteral("pixels");
    case 1:
        return QStringLiteral("mm");
    case 2:
        return QStringLiteral("inch");
    default:
        return QString();
    }
}

int RulerUnits::displayIndex(int unit)
{
    return unit == 1 ? 1 : unit == 2 ? 3 : 0;
}

bool RulerUnits::convert(int baseUnit, float basePixel, float baseRuler, int index, Display *display)
{
    if ((baseUnit != 1 && baseUnit != 2) || index < 0 || index > 4)
        return false;
    static const char *const texts[] = {"pixels", "mm", "um", "inch", "mil"};
    // Millimetres per pixel first, then the chosen unit.
    const double mm = baseUnit == 1 ? double(baseRuler) : double(baseRuler) * 25.4;
    double value = 0.0;
    switch (index) {
    case 0:
        value = basePixel;
        break;
    case 1:
        value = mm;
        break;
    case 2:
        value = mm * 1000.0;
        break;
    case 3:
        value = baseUnit == 2 ? double(baseRuler) : mm / 25.4;
        break;
    case 4:
        value = (baseUnit == 2 ? double(baseRuler) : mm / 25.4) * 1000.0;
        break;
    }
    display->ruler = float(value);
    display->text = QLatin1String(texts[index]);
    return true;
}
