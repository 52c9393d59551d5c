#include "Startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QResource>

#include "SystemPaths.h"

// Resources are registered from the global namespace, where their names live.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace {
// The labels and forms ask for "Source Han Sans". Whatever font file stands in the working
// folder under the camera's name answers to both of its family names.
void registerFont()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("SourceHanSans-Light.ttc"));
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return;
    QFont::insertSubstitution(QStringLiteral("Source Han Sans"), families.first());
    QFont::insertSubstitution(QStringLiteral("Source Han Sans SC"), families.first());
}
} // namespace

void Startup::prepare()
{
    registerIcons();
    QApplication::setApplicationName(QStringLiteral("Korvelin"));
    QApplication::setApplicationVersion(QString::number(2.13));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assist/Icon/assist/transparenticon.png")));
    registerFont();
    // The upgrade's firmware payloads (":/7010/") travel beside the program.
    QResource::registerResource(QApplication::applicationDirPath() + QStringLiteral("/firmware.rcc"));
    SystemPaths::prepareSandbox();
}
