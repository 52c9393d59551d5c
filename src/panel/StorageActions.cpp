#include "StorageActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QUrl>

#include "FreeName.h"
#include "GlobalVar.h"
#include "ImageViewer.h"
#include "SystemPaths.h"
#include "UserDialogs.h"

std::function<QString(const QString &)> StorageActions::freeDiskProbe;

namespace {
// A capture of 1920 x 1080 bitmap takes about 6 MB; less than this is not worth trying.
const double minimumFreeMB = 8.0;
} // namespace

StorageActions::StorageActions(QWidget *panel)
    : QObject(panel)
    , panel(panel)
{
}

QString StorageActions::freeName(const QString &prefix, const QString &extensions)
{
    const QString root = prefix.contains(QLatin1String("CFG")) ? QStringLiteral("/mnt/") : QStringLiteral("/media/usb/");
    const QDir dir(SystemPaths::resolve(root));
    const QString free = freeDiskProbe ? freeDiskProbe(root) : GlobalVar::getFreeDisk(SystemPaths::resolve(root));
    if (free.isEmpty()) {
        UserDialogs::warning(panel, tr("Warning"), tr("U disk isn't exists! Please insert U disk!"));
        return QString();
    }
    const double available = free.mid(free.lastIndexOf(QLatin1Char(':')) + 1).remove(QStringLiteral("MB")).toDouble();
    if (!(available > minimumFreeMB)) {
        UserDialogs::warning(panel, tr("Warning"), tr("U disk space is insufficient! Please change another U disk!"));
        return QString();
    }
    const QString folder = dir.path() + QStringLiteral("/DCIM");
    if (!QDir().mkpath(folder)) {
        UserDialogs::warning(panel, tr("Warning"), tr("Can't open file for writing!"));
        return QString();
    }
    const int number = FreeName::nextNumber(folder, prefix, extensions);
    if (number > FreeName::maximum) {
        UserDialogs::warning(panel, tr("Warning"),
                             tr("No free file name is left in %1. Please move or delete old files.").arg(folder));
        return QString();
    }
    return folder + QLatin1Char('/') + FreeName::baseName(prefix, number);
}

QString StorageActions::imagePath(const QString &typed, const QString &nameFilter)
{
    const QString suffix = QFileInfo(typed).suffix().toLower();
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("jpg"))
        return typed;
    QString type = GlobalVar::imageType == QLatin1String("jpg") ? QStringLiteral("jpg") : QStringLiteral("bmp");
    if (nameFilter.contains(QLatin1String("*.jpg"), Qt::CaseInsensitive))
        type = QStringLiteral("jpg");
    else if (nameFilter.contains(QLatin1String("*.bmp"), Qt::CaseInsensitive))
        type = QStringLiteral("bmp");
    // "shot." reads as the name "shot" with the dot left over.
    return (typed.endsWith(QLatin1Char('.')) ? typed.chopped(1) : typed) + QLatin1Char('.') + type;
}

QFileDialog *StorageActions::createFileDialog(int mode, const QString &title, const QString &path, const QString &filter)
{
    auto *dialog = new QFileDialog;
    // Qt's own dialog, so that the on-screen keyboard can serve its file-name field.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setWindowTitle(title);
    const QFileInfo info(path);
    dialog->setDirectory(info.absolutePath());
    dialog->selectFile(info.fileName());
    dialog->setNameFilter(filter);
    dialog->setAcceptMode(mode == 1 ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A name typed without extension is saved with the one proposed, and the dialog asks before
    // replacing a file of that full name. Where two types are offered the panel completes the
    // name by the chosen type itself.
    if (mode == 1 && !filter.contains(QLatin1String(";;")))
        dialog->setDefaultSuffix(info.suffix());
    dialog->setSidebarUrls({QUrl::fromLocalFile(SystemPaths::resolve(QStringLiteral("/media/usb/"))),
                            QUrl::fromLocalFile(SystemPaths::resolve(QStringLiteral("/mnt/")))});
    return dialog;
}

void StorageActions::browsePictures()
{
    const QString stick = SystemPaths::resolve(QStringLiteral("/media/usb/"));
    if (!QDir(stick).exists()) {
        UserDialogs::warning(panel, tr("Warning"), tr("U disk isn't exists! Please insert U disk!"));
        return;
    }
    // The type the captures are saved in comes first.
    const QString filter = GlobalVar::imageType == QLatin1String("jpg") ? tr("Image (*.jpg);;Image (*.bmp)")
                                                                       : tr("Image (*.bmp);;Image (*.jpg)");
    const QString path = UserDialogs::getOpenFileName(panel, tr("Open Image File"), stick + QStringLiteral("DCIM/"), filter);
    if (path.isEmpty())
        return;
    auto *viewer = new ImageViewer;
    if (viewer->openImage(path))
        viewer->exec();
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() <= 49)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const QString measured = viewer->measureRequest();
    delete viewer;
    if (!measured.isEmpty())
        emit measureRequested(measured);
}
