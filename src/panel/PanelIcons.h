#ifndef PANELICONS_H
#define PANELICONS_H

#include <QString>

class QToolButton;
class QWidget;

// The panel's buttons are drawn by their icons, set as border images.
namespace PanelIcons {
// A tool icon of the main group, in its armed ("-select") look or its normal one.
QString main(const char *name, bool armed);
// The cross-hair button's icon, as the cross hair is shown or hidden.
QString crossLine(bool shown);
// An icon of the assist group.
QString assist(const char *name);
void set(QToolButton *button, const QString &path);
// Gives the panel's assist buttons, reference-line pictures and toggles their normal look.
void dressPanel(QWidget *panel);
} // namespace PanelIcons

#endif // PANELICONS_H
