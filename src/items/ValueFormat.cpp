#include "ValueFormat.h"

#include "GlobalVar.h"

namespace ValueFormat {

QString number(double value)
{
    QString text;
    text.setNum(value, 'f', GlobalVar::textDigiLength);
    // A value that rounds to zero reads as zero: "-0.000" would claim a side it does not have.
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

bool inPixels()
{
    return GlobalVar::currentUnit.contains(QLatin1String("pixels"));
}

QString preciseLength(double pixels)
{
    const double k = inPixels() ? 1.0 : double(GlobalVar::currentRealRuler);
    return number(pixels * k) + GlobalVar::currentUnit;
}

QString area(double squarePixels)
{
    const double k = inPixels() ? 1.0 : double(GlobalVar::currentRealRuler);
    return number(squarePixels * k * k) + GlobalVar::currentUnit + QChar(0x00B2);
}

QString angle(double degrees)
{
    return number(degrees) + QChar(0x00B0);
}

} // namespace ValueFormat
