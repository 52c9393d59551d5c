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

} // namespace PanelIcons
