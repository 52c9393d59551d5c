#include "PanelIcons.h"

#include <QToolButton>

namespace PanelIcons {

QString main(const char *name, bool armed)
{
    return QStringLiteral(":/main/Icon/main/%1%2.png").arg(QLatin1String(name), armed ? QStringLiteral("-select") : QString());
}

QString crossLine(bool shown)
{
    return main(shown ? "crossline" : "crossline-hide", false);
}

QString assist(const char *name)
{
    return QStringLiteral(":/assist/Icon/assist/%1.png").arg(QLatin1String(name));
}

void set(QToolButton *button, const QString &path)
{
    // A new style sheet polishes the button again, even when it is the same text.
    const QString sheet = QStringLiteral("QToolButton {border-image: url(%1)}").arg(path);
    if (button->styleSheet() != sheet)
        button->setStyleSheet(sheet);
}

void dressPanel(QWidget *panel)
{
    const auto button = [panel](const char *name) { return panel->findChild<QToolButton *>(QLatin1String(name)); };
    const QString picture = QStringLiteral("border-image: url(%1); border: 1px solid gray; border-radius: 5px;");
    panel->findChild<QWidget *>(QStringLiteral("w_horizontalLine"))->setStyleSheet(picture.arg(assist("line-horizontal")));
    panel->findChild<QWidget *>(QStringLiteral("w_verticalLine"))->setStyleSheet(picture.arg(assist("line-vertical")));
    const char *const icons[][2] = {{"tb_DataSave", "save"},       {"tb_Capture", "capture"},
                                    {"tb_Config", "configuration"}, {"tb_Freeze", "freeze-off"},
                                    {"tb_Delete", "delect"},       {"tb_Font", "font"},
                                    {"tb_FolderOpen", "folder"},   {"tb_PointDetect", "target-manual"},
                                    {"tb_Statistics", "statistics"}};
    for (const auto &icon : icons)
        set(button(icon[0]), assist(icon[1]));
    // Undo and redo are greyed while there is nothing to take back or to do again; the pin
    // shows whether the panel is pinned.
    const QString twoForms = QStringLiteral("QToolButton {border-image: url(%1)} QToolButton:%2 {border-image: url(%3)}");
    button("tb_Undo")->setStyleSheet(twoForms.arg(assist("undo"), QStringLiteral("disabled"), assist("undo-off")));
    button("tb_Redo")->setStyleSheet(twoForms.arg(assist("redo"), QStringLiteral("disabled"), assist("redo-off")));
    button("tb_Pin")->setStyleSheet(twoForms.arg(assist("pin"), QStringLiteral("checked"), assist("unpin")));
    // The refinement toggle beside point detection, in the palette of the armed icons.
    button("tb_SubPixel")->setStyleSheet(QStringLiteral(
        "QToolButton {border: 1px solid #8A96A3; border-radius: 4px; background: #FAFBFC; color: #263238;}"
        " QToolButton:checked {border-color: #0D47A1; background: #1565C0; color: #FFFFFF;}"));
}

} // namespace PanelIcons
