#include "FreeSpace.h"

#include <QMutex>
#include <QMutexLocker>

#include "GlobalVar.h"

namespace {
// The worker thread asks while a test may install a handler from the GUI thread.
QMutex handlerMutex;
FreeSpace::Handler &handler()
{
    static FreeSpace::Handler h;
    return h;
}
} // namespace

double FreeSpace::availableMB(const QString &path)
{
    {
        QMutexLocker lock(&handlerMutex);
        if (handler())
            return handler()(path);
    }
    return parseAvailableMB(GlobalVar::getFreeDisk(path));
}

double FreeSpace::parseAvailableMB(const QString &report)
{
    QString available = report.section(QLatin1Char(':'), -1);
    available.remove(QStringLiteral("MB"));
    bool ok = false;
    const double megabytes = available.trimmed().toDouble(&ok);
    return ok ? megabytes : 0.0;
}

void FreeSpace::setHandler(Handler handler_)
{
    QMutexLocker lock(&handlerMutex);
    handler() = std::move(handler_);
}
