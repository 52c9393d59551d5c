#ifndef PANELICONS_H
#define PANELICONS_H

#include <QString>

class QToolButton;

// The panel's buttons are drawn by their icons, set as border images.
namespace PanelIcons {
// A tool icon of the main group, in its armed ("-select") look or its normal one.
QString main(const char *name, bool armed);
// An icon of the assist group.
QString assist(const char *name);
void set(QToolButton *button, const QString &path);
} // namespace PanelIcons

#endif // PANELICONS_H
