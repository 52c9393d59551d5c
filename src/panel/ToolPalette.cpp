#include "ToolPalette.h"

#include <QToolButton>

#include "GlobalVar.h"
#include "PanelIcons.h"
#include "ToolTable.h"

ToolPalette::ToolPalette(QWidget *panel)
    : QObject(panel)
{
    for (const ToolDescription &tool : ToolTable::all()) {
        if (!tool.button)
            continue;
        QToolButton *button = panel->findChild<QToolButton *>(QLatin1String(tool.button));
        Q_ASSERT(button);
        tools << &tool;
        buttons << button;
        const int index = buttons.size() - 1;
        connect(button, &QToolButton::clicked, this, [this, index]() { click(index); });
        // Its look before the panel is first shown, so it is polished once with it.
        PanelIcons::set(button, PanelIcons::main(tool.icon, false));
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
    for (int i = 0; i < buttons.size(); ++i)
        PanelIcons::set(buttons.at(i), PanelIcons::main(tools.at(i)->icon, false));
    if (crossLine)
        PanelIcons::set(crossLine, PanelIcons::crossLine(GlobalVar::bCrossShow));
    armed = 0;
    emit toolDisarmed();
}

void ToolPalette::translate()
{
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setToolTip(tr(tools.at(i)->toolTip));
    if (crossLine)
        crossLine->setToolTip(tr("cross line"));
}

void ToolPalette::click(int index)
{
    const int code = toolCode(tools.at(index)->id);
    const bool wasArmed = armed == code;
    disarm();
    if (wasArmed)
        return;
    PanelIcons::set(buttons.at(index), PanelIcons::main(tools.at(index)->icon, true));
    armed = code;
    emit toolArmed(armed);
}
