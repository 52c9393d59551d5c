#include <QApplication>

#include "Frame.h"
#include "Startup.h"
#include "Keyboard.h"

int main(int argc, char *argv[])
{
    Startup::prepareDisplay();
    QApplication app(argc, argv);
    Startup::prepare();

    Frame frame(nullptr);
    frame.show();
    Keyboard::Instance()->Init(QStringLiteral("follow"), QStringLiteral("blue"));
    return app.exec();
}
