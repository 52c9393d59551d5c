#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>

#include "Frame.h"
#include "Keyboard.h"
#include "SystemPaths.h"

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

int main(int argc, char *argv[])
{
    // On the camera the program draws straight into the on-screen layer's frame buffer.
    if (SystemPaths::isCamera() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "linuxfb:fb=/dev/fb0");

    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    QApplication::setApplicationName(QStringLiteral("Korvelin"));
    QApplication::setApplicationVersion(QString::number(2.13));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assist/Icon/assist/transparenticon.png")));
    registerFont();
    SystemPaths::prepareSandbox();

    Frame frame(nullptr);
    frame.show();
    Keyboard::Instance()->Init(QStringLiteral("follow"), QStringLiteral("blue"));
    return app.exec();
}
