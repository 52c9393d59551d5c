#include "ToolPalette.h"

#include <QToolButton>

#include "GlobalVar.h"
#include "PanelIcons.h"

namespace {
struct ToolButtonRow
{
    const char *object;
    int code;
    const char *icon;
    const char *toolTip;
};

// The measurement tools of the palette: button, tool code, icon name, tool tip.
const ToolButtonRow toolRows[] = {
    {"tb_FreeLine", 3, "line", QT_TRANSLATE_NOOP("ToolPalette", "line")},
    {"tb_HorizontalLine", 4, "horizontalline", QT_TRANSLATE_NOOP("ToolPalette", "horizontal line")},
    {"tb_VerticalLine", 5, "verticalline", QT_TRANSLATE_NOOP("ToolPalette", "vertical line")},
    {"tb_ParaLine", 7, "paraline", QT_TRANSLATE_NOOP("ToolPalette", "distance between parallel lines")},
    {"tb_CustomParaline", 8, "customparaline", QT_TRANSLATE_NOOP("ToolPalette", "distance between custom parallel lines")},
    {"tb_P2Line", 9, "point2line", QT_TRANSLATE_NOOP("ToolPalette", "distance from point to line")},
    {"tb_Angle", 10, "angle", QT_TRANSLATE_NOOP("ToolPalette", "angle")},
    {"tb_Rectangle", 11, "rect", QT_TRANSLATE_NOOP("ToolPalette", "rectangle")},
    {"tb_Polygon", 12, "polygon", QT_TRANSLATE_NOOP("ToolPalette", "polygon")},
    {"tb_DualParaLine", 13, "dualparaline", QT_TRANSLATE_NOOP("ToolPalette", "dual parallel lines")},
    {"tb_Radian", 14, "radian", QT_TRANSLATE_NOOP("ToolPalette", "radian")},
    {"tb_Circle", 15, "circle", QT_TRANSLATE_NOOP("ToolPalette", "circle")},
    {"tb_P2Circle", 16, "point2circle", QT_TRANSLATE_NOOP("ToolPalette", "distance from point to center of circle")},
    {"tb_L2Circle", 17, "line2circle", QT_TRANSLATE_NOOP("ToolPalette", "distance from line to center of circle")},
    {"tb_C2Circle", 18, "circle2circle", QT_TRANSLATE_NOOP("ToolPalette", "distance between center of circles")},
    {"tb_Concentric", 19, "concentric", QT_TRANSLATE_NOOP("ToolPalette", "concentric circles")},
    {"tb_Paraline2Paraline", 20, "paraline2paraline", QT_TRANSLATE_NOOP("ToolPalette", "distance between center of parallel lines")},
    {"tb_CircleFit", 21, "circlefit", QT_TRANSLATE_NOOP("ToolPalette", "circle fitted to points")},
};
const int toolCount = int(sizeof toolRows / sizeof toolRows[0]);
} // namespace

ToolPalette::ToolPalette(QWidget *panel)
    : QObject(panel)
{
    for (const ToolButtonRow &row : toolRows) {
        QToolButton *button = panel->findChild<QToolButton *>(QLatin1String(row.object));
        Q_ASSERT(button);
        buttons << button;
        const int index = buttons.size() - 1;
        connect(button, &QToolButton::clicked, this, [this, index]() { click(index); });
        // Its look before the panel is first shown, so it is polished once with it.
        PanelIcons::set(button, PanelIcons::main(row.icon, false));
    }
    crossLine = panel->findChild<QToolButton *>(QStringLiteral("tb_CrossLine"));
    // These tools share their places with visible ones and lie beneath them.
    for (const char *covered : {"tb_HorizontalLine", "tb_VerticalLine", "tb_CrossLine", "tb_CustomParaline",
                                "tb_DualParaLine", "tb_Paraline2Paraline"}) {
        if (QWidget *button = panel->findChild<QWidget *>(QLatin1String(covered)))
            button->lower();
    }
}

void ToolPalette::arm(int code)
{
    disarm();
    armed = code;
    emit toolArmed(code);
}

void ToolPalette::disarm()
{
    for (int i = 0; i < toolCount; ++i)
        PanelIcons::set(buttons.at(i), PanelIcons::main(toolRows[i].icon, false));
    if (crossLine)
        PanelIcons::set(crossLine, PanelIcons::crossLine(GlobalVar::bCrossShow));
    armed = 0;
    emit toolDisarmed();
}

void ToolPalette::translate()
{
    for (int i = 0; i < toolCount; ++i)
        buttons.at(i)->setToolTip(tr(toolRows[i].toolTip));
    if (crossLine)
        crossLine->setToolTip(tr("cross line"));
}

void ToolPalette::click(int index)
{
    const bool wasArmed = armed == toolRows[index].code;
    disarm();
    if (wasArmed)
        return;
    PanelIcons::set(buttons.at(index), PanelIcons::main(toolRows[index].icon, true));
    armed = toolRows[index].code;
    emit toolArmed(armed);
}
