#ifndef VALUEFORMAT_H
#define VALUEFORMAT_H

#include <QString>

// Texts of measured values that are not plain lengths, in the current unit and with the
// configured decimals, formatted like Shape::formatLength.
namespace ValueFormat {

// The configured fixed-point form of a number, without unit; never "-0.000".
QString number(double value);
// True when values are shown in pixels, not through a calibration.
bool inPixels();
// A length in pixels converted in double precision, with the unit text ("628.319pixels").
QString preciseLength(double pixels);
// An area in square pixels, converted by the square of the calibration factor, with the unit
// text and a superscript two ("490.874mm²").
QString area(double squarePixels);
// An angle in degrees: never converted, no unit, a degree sign ("45.000°").
QString angle(double degrees);

} // namespace ValueFormat

#endif // VALUEFORMAT_H
