#ifndef TOOLTABLE_H
#define TOOLTABLE_H

#include <QVector>

#include "ShapeRoute.h"
#include "ToolId.h"

// One drawing tool: how the panel shows it, how the main window drives it and whether its items
// are listed in the results table.
struct ToolDescription
{
    ToolId id = ToolId::None;
    // A stable name for files that keep items by their tool.
    const char *name = "";
    // The palette button's object name; null for the calibrations, which the calibration menu
    // arms.
    const char *button = nullptr;
    // The icon's name: in the main group for palette tools, in the assist group otherwise.
    const char *icon = nullptr;
    // The button's tool tip, untranslated, in the "ToolPalette" context.
    const char *toolTip = nullptr;
    // Finished items are listed in the results table and exported (the calibrations are not).
    bool measurement = false;
    ShapeRoute route;
};

// Every drawing tool, described once: the palette, the routing of clicks, the results table and
// the panel's calibration menu read it.
class ToolTable
{
public:
    ToolTable() = delete;

    static const QVector<ToolDescription> &all();
    // Null for a code no tool has.
    static const ToolDescription *find(ToolId id);
    static const ToolDescription *find(int code);
    static bool isMeasurement(int code);
    static bool isCalibration(int code);
};

#endif // TOOLTABLE_H
