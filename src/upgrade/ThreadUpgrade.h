#ifndef THREADUPGRADE_H
#define THREADUPGRADE_H

#include <QDir>
#include <QThread>

// The background worker of one upgrade: the application from a USB stick, the boot screen, the
// system image or the device tree in NAND flash. One procedure per start, one result code.
//
// Every step is checked. The flash image is assembled and measured completely before the
// partition is erased and is read back after writing, nothing is erased before the partition's
// old contents are saved, and a failed write puts them back; the application is staged beside the old one and renamed over it, with a
// backup to fall back to.
class ThreadUpgrade : public QThread
{
    Q_OBJECT

public:
    enum Result : uint {
        ToolsMissing = 0,
        NoApplication = 1,
        NotNewer = 2,
        NoSpace = 3,
        ApplicationFailed = 4,
        ApplicationReplaced = 5,
        DeviceTreeForBootScreen = 6,
        DeviceTreeForSystem = 7,
        BootScreenWritten = 8,
        SystemFromStickWritten = 9,
        OwnSystemForBootScreen = 10,
        OwnSystemForSystem = 11,
        ResourceOnly = 12,
        NoSystemImage = 13,
        // A flash step failed and the old contents could not be written back either: the
        // partition may be incomplete.
        FlashStepFailed = 14,
        ImageInvalid = 15,
        // Writing failed, and the partition's old contents were written back.
        FlashRestored = 16,
        // A step before the erase failed (the old contents could not be saved first, the image
        // could not be staged): the flash is as it was.
        NothingChanged = 17,
        // The resource image was put in place, but the flash was not written (its old contents
        // could not be saved first): the flash is as it was.
        FlashNotWritten = 18,
        // Images refused by their structure before anything was touched: a device tree without
        // its header, a boot screen picture not of 1920 x 1080, an application file that is no
        // program for this camera's machine and word size.
        DeviceTreeInvalid = 19,
        BootScreenWrongSize = 20,
        ApplicationNotExecutable = 21,
        // On a camera, the program carries only stand-ins for the system and device tree
        // payloads: nothing was written.
        StandInFirmware = 22,
    };
    Q_ENUM(Result)

    explicit ThreadUpgrade(QObject *parent = nullptr);

    // Chooses the procedure of the next start: a picture path under the stick's "media" folder
    // (boot screen), "APPLICATION" with the running version ("APPLICATIONV2.13"), or one of
    // "SYSTEM-OS", "SYSTEM-BS", "SYSTEM-USB", "DEVICETREE-OS", "DEVICETREE-BS".
    void setUpgradeType(const QString &text);

    // The procedure itself, run in the calling thread; -1 for a type that names none.
    int perform();

    // Copies a folder's files and subfolders into another, which is created when missing.
    static bool copyDirectory(const QDir &from, const QDir &to, bool overwrite);

signals:
    void signal_upgrade_result(uint result);

protected:
    void run() override;

private:
    uint upgradeApplication();
    uint upgradeBootScreen();
    uint upgradeSystemFromStick();
    uint upgradeSystemFromProgram();
    uint upgradeDeviceTree();

    QString upgradeType;
    QString picturePath;
    QString version;
};

#endif // THREADUPGRADE_H
