#ifndef RULERUNITS_H
#define RULERUNITS_H

#include <QString>

// Units of calibrations and of the displayed values.
//
// A calibration is stored in its own unit: 0 pixel, 1 mm, 2 inch. Values are displayed in one
// of 0 pixels, 1 mm, 2 um, 3 inch, 4 mil; 1 inch = 25.4 mm, 1 mil = 1/1000 inch,
// 1 um = 1/1000 mm.
class RulerUnits
{
public:
    struct Display
    {
        float ruler = 0.0f;   // display units per pixel (the pixel measure for "pixels")
        QString text;         // "pixels", "mm", "um", "inch" or "mil"
    };

    RulerUnits() = delete;

    // The unit text of a calibration unit: "pixels", "mm" or "inch"; empty for others.
    static QString calibrationText(int unit);

    // The display unit in which a calibration of unit `unit` shows its values: 0, 1 or 3.
    static int displayIndex(int unit);

    // A calibration of `baseRuler` units per pixel in calibration unit `baseUnit` (with its
    // pixel measure `basePixel`), shown in display unit `index`. False where no conversion
    // exists: a pixel calibration, or an unknown unit.
    static bool convert(int baseUnit, float basePixel, float baseRuler, int index, Display *display);
};

#endif // RULERUNITS_H
