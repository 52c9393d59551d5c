#include "upgradeDialog.h"
#include "ui_upgradeDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>

#include "FlashImage.h"
#include "GlobalVar.h"
#include "SystemPaths.h"
#include "ThreadUpgrade.h"
#include "UserDialogs.h"

upgradeDialog::upgradeDialog(const QString &version_, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::upgradeDialog)
    , version(QString(version_).remove(QLatin1Char(' ')))
    , pictureList(nullptr)
    , worker(new ThreadUpgrade(this))
{
    ui->setupUi(this);
    pictureList = new QListWidget(this);
    pictureList->hide();
    connect(pictureList, &QListWidget::itemDoubleClicked, this, &upgradeDialog::slot_updateSelectedBootScreen);
    connect(worker, &ThreadUpgrade::signal_upgrade_result, this, &upgradeDialog::slot_upgrade_result);
}

upgradeDialog::~upgradeDialog()
{
    // A running thread must never be destroyed; the flash step it is in has to finish.
    worker->wait();
    delete progress;
}

QString upgradeDialog::checkMTDPartition()
{
    for (int block = 4; block >= 0; --block) {
        if (QFileInfo::exists(SystemPaths::resolve(QStringLiteral("/dev/mtd%1").arg(block))))
            return QStringLiteral("Block%1").arg(block);
    }
    return QString();
}

QString upgradeDialog::warningText() const
{
    return ui->l_warning->text();
}

bool upgradeDialog::isUpgrading() const
{
    return worker->isRunning();
}

void upgradeDialog::reject()
{
    if (!worker->isRunning())
        QDialog::reject();
}

void upgradeDialog::setWarning(const QString &text)
{
    ui->l_warning->setText(text);
    repaint();
}

void upgradeDialog::setButtonsEnabled(bool enabled)
{
    ui->pb_application->setEnabled(enabled);
    ui->pb_bootscreen->setEnabled(enabled);
    ui->pb_system->setEnabled(enabled);
}

QString upgradeDialog::noStickText() const
{
    return tr("The U disk doesn't exist! Please insert the U disk containing the correct upgrade application!");
}

bool upgradeDialog::startUpgrade(const QString &type, const QString &title)
{
    if (worker->isRunning())
        return false;
    delete progress;
    progress = new QProgressBar;
    progress->setStyleSheet(QStringLiteral("QProgressBar::chunk {background-color: #00FF80;}"));
    progress->setWindowFlags(Qt::WindowTitleHint | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    progress->setWindowTitle(title);
    progress->move(600, 520);
    progress->resize(720, 40);
    progress->setRange(0, 0);
    progress->show();
    worker->setUpgradeType(type);
    worker->start(QThread::InheritPriority);
    return true;
}

void upgradeDialog::on_pb_application_clicked()
{
    if (worker->isRunning())
        return;
    if (GlobalVar::getFreeDisk(SystemPaths::resolve(QStringLiteral("/media/usb/"))).isEmpty()) {
        setWarning(noStickText());
        return;
    }
    startUpgrade(QStringLiteral("APPLICATION") + version, tr("System upgrading, Please DO NOT power down!"));
}

bool upgradeDialog::isOlderLayout(const QString &layout)
{
    return layout.contains(QLatin1Char('4')) || layout.contains(QLatin1Char('3')) || layout.contains(QLatin1Char('0'));
}

void upgradeDialog::preUpgrade(const QString &layout, const QString &warning, const QString &suffix)
{
    setButtonsEnabled(false);
    UserDialogs::warning(this, tr("Warning"), warning);
    startUpgrade((layout.contains(QLatin1Char('4')) ? QStringLiteral("DEVICETREE-") : QStringLiteral("SYSTEM-")) + suffix,
                 tr("System upgrading, Please DO NOT power down!"));
}

void upgradeDialog::on_pb_system_clicked()
{
    if (worker->isRunning())
        return;
    const QString layout = checkMTDPartition();
    if (layout.isEmpty()) {
        setWarning(tr("This camera MTD partition error!"));
    } else if (isOlderLayout(layout)) {
        preUpgrade(layout,
                   tr("This camera system does not support direct upgrade. It will pre-upgrade system first. "
                      "After system pre-upgrade successful. Please restart camera and upgrade system again!"),
                   QStringLiteral("OS"));
    } else if (layout.contains(QLatin1Char('2'))) {
        setButtonsEnabled(false);
        startUpgrade(QStringLiteral("SYSTEM-USB"), tr("System upgrading, Please DO NOT power down!"));
    }
}

void upgradeDialog::on_pb_bootscreen_clicked()
{
    if (worker->isRunning())
        return;
    const QString layout = checkMTDPartition();
    if (layout.isEmpty()) {
        setWarning(tr("This camera MTD partition error!"));
    } else if (isOlderLayout(layout)) {
        preUpgrade(layout,
                   tr("This camera system does not support direct update of boot screen. It will upgrade system first. "
                      "After system upgrade successful. Please restart camera and update boot screen again!"),
                   QStringLiteral("BS"));
    } else if (layout.contains(QLatin1Char('2'))) {
        // Without a stick there is nothing to pick from, and the buttons stay for another try.
        if (GlobalVar::getFreeDisk(SystemPaths::resolve(QStringLiteral("/media/usb/"))).isEmpty()) {
            setWarning(noStickText());
            return;
        }
        setButtonsEnabled(false);
        listBootScreens();
    }
}

void upgradeDialog::listBootScreens()
{
    setWarning(tr("loading available image ..."));
    const QDir usb(SystemPaths::resolve(QStringLiteral("/media/usb/")));
    pictureFiles.clear();
    const QFileInfoList files = usb.entryInfoList({QStringLiteral("*.bmp"), QStringLiteral("*.png"),
                                                   QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
                                                  QDir::Files, QDir::Name);
    // The header tells the size; only the pictures that fit are decoded for their icons.
    const QSize screen(FlashImage::screenWidth, FlashImage::screenHeight);
    for (const QFileInfo &file : files) {
        if (QImageReader(file.absoluteFilePath()).size() == screen)
            pictureFiles.append(file);
    }

    pictureList->clear();
    pictureList->setGeometry(ui->l_warning->geometry());
    pictureList->setIconSize(QSize(240, 135));
    pictureList->setViewMode(QListView::IconMode);
    pictureList->setResizeMode(QListView::Adjust);
    pictureList->setMovement(QListView::Static);
    pictureList->setSpacing(5);
    pictureList->raise();
    pictureList->show();
    for (const QFileInfo &file : qAsConst(pictureFiles)) {
        const QImage picture(file.absoluteFilePath());
        if (picture.size() != screen)
            continue;
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(
                                             picture.scaled(240, 135, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))),
                                         file.baseName(), pictureList);
        // The item carries the picture's path; the worker knows a picture by its "media" folder.
        item->setData(Qt::DisplayRole, file.absoluteFilePath());
        item->setSizeHint(QSize(240, 160));
    }
}

void upgradeDialog::slot_updateSelectedBootScreen(QListWidgetItem *item)
{
    if (item)
        startUpgrade(item->data(Qt::DisplayRole).toString(), tr("Boot screen updating, Please DO NOT power down!"));
}

void upgradeDialog::slot_upgrade_result(uint result)
{
    if (progress) {
        progress->hide();
        progress->close();
        delete progress;
        progress = nullptr;
    }
    const QString serious = tr("Serious Warning");
    switch (result) {
    case ThreadUpgrade::ToolsMissing:
        setWarning(tr("This camera does not support upgrading the application, boot screen and system!"));
        break;
    case ThreadUpgrade::NoApplication:
        setWarning(tr("Application doesn't exist in the U disk! Please copy the upgrade application to the U disk!"));
        break;
    case ThreadUpgrade::NotNewer:
        setWarning(tr("This version is the latest version, no need to upgrade!"));
        break;
    case ThreadUpgrade::NoSpace:
        setWarning(tr("Internal memory card space is insufficient!"));
        break;
    case ThreadUpgrade::ApplicationFailed:
        setWarning(tr("Aplication update fail!"));
        break;
    case ThreadUpgrade::ApplicationReplaced:
        UserDialogs::warning(this, tr("Warning"), tr("Application update successful and will restart soon!"));
        QCoreApplication::quit();
        break;
    case ThreadUpgrade::DeviceTreeForBootScreen:
    case ThreadUpgrade::OwnSystemForBootScreen:
        UserDialogs::warning(this, serious, tr("System upgrade success. Please restart camera and update boot screen again!"));
        break;
    case ThreadUpgrade::DeviceTreeForSystem:
    case ThreadUpgrade::OwnSystemForSystem:
        UserDialogs::warning(this, serious, tr("System pre-upgrade success. Please restart camera and upgrade system again!"));
        break;
    case ThreadUpgrade::BootScreenWritten:
        UserDialogs::warning(this, serious, tr("Boot screen update successful. Please restart camera!"));
        break;
    case ThreadUpgrade::SystemFromStickWritten:
        UserDialogs::warning(this, serious, tr("System upgrade success. Please restart camera!"));
        break;
    case ThreadUpgrade::ResourceOnly:
        UserDialogs::warning(this, serious, tr("Update resource successful. Please restart camera!"));
        break;
    case ThreadUpgrade::ApplicationNotExecutable:
        setWarning(tr("The application file in the U disk is not a program for this camera! Nothing was changed."));
        break;
    case ThreadUpgrade::NoSystemImage:
        // Nothing was written: the image may be copied to the stick and the upgrade run again.
        setButtonsEnabled(true);
        setWarning(tr("Can't find system.bin in the U disk! Please copy system.bin to the U disk!"));
        break;
    case ThreadUpgrade::FlashStepFailed:
        // A failed attempt may be repeated at once, unlike a finished one.
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("Upgrade failed: a flash step did not succeed. The camera's flash may be incomplete. "
                                "Please run the upgrade again and do not restart the camera before it succeeds!"));
        break;
    case ThreadUpgrade::NothingChanged:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("Upgrade stopped before anything was written: what the flash holds could not be "
                                "saved first. The camera is as it was. Please check the internal storage and run "
                                "the upgrade again."));
        break;
    case ThreadUpgrade::FlashNotWritten:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("The resource image was updated, but the system was not written: what the flash "
                                "holds could not be saved first. The flash is as it was. Please check the internal "
                                "storage and run the upgrade again."));
        break;
    case ThreadUpgrade::FlashRestored:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("Upgrade failed: the flash could not be written, and what it held before was "
                                "written back. Please check the files and run the upgrade again."));
        break;
    case ThreadUpgrade::ImageInvalid:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("Upgrade failed: the upgrade file or image is invalid, nothing was written. "
                                "Please check the files and run the upgrade again before restarting the camera!"));
        break;
    case ThreadUpgrade::DeviceTreeInvalid:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("Upgrade refused: the device tree image is damaged (its header is missing or "
                                "longer than the file). Nothing was written."));
        break;
    case ThreadUpgrade::BootScreenWrongSize:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("Upgrade refused: the boot screen picture is not 1920 x 1080 pixels. Nothing was "
                                "written."));
        break;
    case ThreadUpgrade::StandInFirmware:
        setButtonsEnabled(true);
        UserDialogs::warning(this, serious,
                             tr("This program carries only stand-ins for testing instead of the camera's firmware: "
                                "the system and the device tree cannot be upgraded from it. Nothing was written."));
        break;
    default:
        break;
    }
}

void upgradeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
