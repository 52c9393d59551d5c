#include <QApplication>

#include "Frame.h"
#include "Startup.h"
#include "Keyboard.h"
#include "SystemPaths.h"

int main(int argc, char *argv[])
{
    // On the camera the program draws straight into the on-screen layer's frame buffer.
    if (SystemPaths::isCamera() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "linuxfb:fb=/dev/fb0");

    QApplication app(argc, argv);
    Startup::prepare();

    Frame frame(nullptr);
    frame.show();
    Keyboard::Instance()->Init(QStringLiteral("follow"), QStringLiteral("blue"));
    return app.exec();
}
