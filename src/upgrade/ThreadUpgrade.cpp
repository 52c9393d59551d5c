#include "ThreadUpgrade.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <unistd.h>

#include "ElfHeader.h"
#include "Firmware.h"
#include "FlashImage.h"
#include "FreeSpace.h"
#include "MtdTools.h"
#include "SystemPaths.h"
#include "UpgradeCandidate.h"
#include "UpgradeFiles.h"

namespace {
const QString bootDevice = QStringLiteral("/dev/mtd0");
const QString deviceTreeDevice = QStringLiteral("/dev/mtd2");
// Below this much free internal storage the backup and the new program may not both fit.
const double minimumFreeMB = 32.0;

QString sys(const QString &path)
{
    return SystemPaths::resolve(path);
}

// Temporary files of one procedure, removed however it ends.
class TempFiles
{
public:
    ~TempFiles()
    {
        for (const QString &file : qAsConst(files))
            QFile::remove(file);
    }
    QString add(const QString &file)
    {
        files.append(file);
        return file;
    }

private:
    QStringList files;
};

bool flushToDisk(QFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

bool writeData(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool ok = file.write(data) == data.size() && flushToDisk(file);
    file.close();
    return ok && file.error() == QFile::NoError;
}

// `length` bytes from `offset`, or the whole rest when length is negative; empty when the
// file is shorter.
QByteArray readPart(const QString &path, qint64 offset, qint64 length)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return QByteArray();
    const QByteArray data = length < 0 ? file.readAll() : file.read(length);
    return length < 0 || data.size() == length ? data : QByteArray();
}

// The program now running, whose machine and word size a new application must share; the
// simulator's sandbox may stand in a file of its own there.
ElfHeader runningProgram()
{
    const QString own = sys(QStringLiteral("/proc/self/exe"));
    return ElfHeader::ofFile(QFileInfo::exists(own) ? own : QCoreApplication::applicationFilePath());
}

// How a partition came out of flash().
enum class Flashed { Untouched, Written, Restored, Spoiled };

// Erases the partition, writes the image file and reads the written length back. The tool may
// dump whole pages, so only the image's own length is compared. What the partition held is
// saved first (in `savedFile`, when the caller has dumped it already): when erasing, writing or
// the read-back fails, the old contents are written back the same way, so a failed write leaves
// the camera as it was wherever the flash allows. When the old contents cannot be saved (no room
// in "/mnt/", the dump fails) nothing is erased.
Flashed flash(const QString &device, const QString &imageFile, const QByteArray &image, QString savedFile)
{
    TempFiles temp;
    if (savedFile.isEmpty()) {
        savedFile = temp.add(sys(UpgradeFiles::previousDump));
        if (!MtdTools::dump(device, savedFile))
            return Flashed::Untouched;
    }
    const QString previousFile = savedFile;
    const QByteArray previous = readPart(previousFile, 0, -1);
    if (previous.isEmpty())
        return Flashed::Untouched;
    const QString readBack = temp.add(sys(UpgradeFiles::readBack));
    auto writeChecked = [&](const QString &file, const QByteArray &data) {
        return MtdTools::erase(device) && MtdTools::write(device, file)
               && MtdTools::dump(device, readBack, 0, data.size())
               && readPart(readBack, 0, data.size()) == data;
    };
    if (writeChecked(imageFile, image))
        return Flashed::Written;
    return writeChecked(previousFile, previous) ? Flashed::Restored : Flashed::Spoiled;
}

// Writes a checked image to its file in "/mnt/" and from there to the partition; the file goes
// again however this ends. `savedFile` holds the partition's contents when already dumped.
uint writeImage(const QByteArray &image, const QString &device, const QString &file, uint done,
                const QString &savedFile = QString())
{
    if (image.isEmpty())
        return ThreadUpgrade::ImageInvalid;
    TempFiles temp;
    const QString imageFile = temp.add(sys(file));
    if (!writeData(imageFile, image))
        return ThreadUpgrade::NothingChanged;
    const Flashed flashed = flash(sys(device), imageFile, image, savedFile);
    ::sync();
    switch (flashed) {
    case Flashed::Written:
        return done;
    case Flashed::Untouched:
        return ThreadUpgrade::NothingChanged;
    case Flashed::Restored:
        return ThreadUpgrade::FlashRestored;
    case Flashed::Spoiled:
        break;
    }
    return ThreadUpgrade::FlashStepFailed;
}
} // namespace

ThreadUpgrade::ThreadUpgrade(QObject *parent)
    : QThread(parent)
{
}

void ThreadUpgrade::setUpgradeType(const QString &text)
{
    if (text.contains(QLatin1String("media"))) {
        upgradeType = QStringLiteral("BOOTSCREEN");
        picturePath = text;
    } else if (text.contains(QLatin1String("APPLICATION"))) {
        upgradeType = QStringLiteral("APPLICATION");
        version = QString(text).remove(QStringLiteral("APPLICATION"));
    } else {
        upgradeType = text;
    }
}

void ThreadUpgrade::run()
{
    const int result = perform();
    if (result >= 0)
        emit signal_upgrade_result(uint(result));
}

int ThreadUpgrade::perform()
{
    if (upgradeType.contains(QLatin1String("APPLICATION")))
        return int(upgradeApplication());
    uint result;
    if (upgradeType.contains(QLatin1String("BOOTSCREEN")))
        result = upgradeBootScreen();
    else if (upgradeType == QLatin1String("SYSTEM-USB"))
        result = upgradeSystemFromStick();
    else if (upgradeType.contains(QLatin1String("SYSTEM")))
        result = upgradeSystemFromProgram();
    else if (upgradeType.contains(QLatin1String("DEVICETREE")))
        result = upgradeDeviceTree();
    else
        return -1;
    upgradeType.clear();
    return int(result);
}

uint ThreadUpgrade::upgradeApplication()
{
    const QString app = QCoreApplication::applicationName();
    const QString usb = sys(QStringLiteral("/media/usb/"));
    const UpgradeCandidate candidate = UpgradeCandidate::choose(
        QDir(usb).entryList({app + QLatin1Char('*')}, QDir::Files, QDir::Name), app);
    if (!candidate.isValid())
        return NoApplication;
    if (candidate.version <= UpgradeCandidate::runningVersion(version))
        return NotNewer;
    if (!(FreeSpace::availableMB(sys(QStringLiteral("/mnt/"))) > minimumFreeMB))
        return NoSpace;

    const QString install = sys(QStringLiteral("/mnt/") + app);
    const QString executable = install + QLatin1Char('/') + app;
    const QString backup = sys(QStringLiteral("/mnt/") + app + QLatin1Char(' ') + version);
    if (!QFileInfo(executable).isFile())
        return ApplicationFailed;
    // An empty file (a copy to the stick that never finished) would leave no program to start.
    if (QFileInfo(usb + candidate.fileName).size() <= 0)
        return ApplicationFailed;
    if (!ElfHeader::ofFile(usb + candidate.fileName).runsLike(runningProgram()))
        return ApplicationNotExecutable;
    QDir backupDir(backup);
    if (backupDir.exists() && !backupDir.removeRecursively())
        return ApplicationFailed;
    if (!QDir().mkpath(backup) || !copyDirectory(QDir(install), backupDir, true)) {
        // A half copy would pass for a backup.
        backupDir.removeRecursively();
        return ApplicationFailed;
    }

    // What replaces what: the executable, and the stick's translations that are installed.
    QList<QPair<QString, QString>> replacements{{usb + candidate.fileName, executable}};
    const QStringList installed = QDir(install).entryList({QStringLiteral("*.qm")}, QDir::Files);
    const QFileInfoList offered = QDir(usb).entryInfoList({QStringLiteral("*.qm")}, QDir::Files);
    for (const QFileInfo &qm : offered) {
        if (qm.baseName().startsWith(app) && installed.contains(qm.fileName()))
            replacements.append({qm.absoluteFilePath(), install + QLatin1Char('/') + qm.fileName()});
    }

    for (int i = 0; i < replacements.size(); ++i) {
        if (UpgradeFiles::replace(replacements.at(i).first, replacements.at(i).second))
            continue;
        // Puts back what was already replaced; the rest is still the old program's.
        for (int done = 0; done < i; ++done) {
            const QString target = replacements.at(done).second;
            UpgradeFiles::replace(backup + QLatin1Char('/') + QFileInfo(target).fileName(), target);
        }
        ::sync();
        return ApplicationFailed;
    }
    ::sync();
    return ApplicationReplaced;
}

uint ThreadUpgrade::upgradeBootScreen()
{
    if (!MtdTools::writeToolsAvailable() || !MtdTools::dumpToolAvailable())
        return ToolsMissing;
    TempFiles temp;
    const QImage picture(picturePath);
    if (picture.isNull())
        return ImageInvalid;
    const QByteArray screen = FlashImage::bootScreenBlock(picture);
    if (screen.isEmpty())
        return BootScreenWrongSize;
    const QString onboard = temp.add(sys(UpgradeFiles::bootDumpForSystem));
    if (!MtdTools::dump(sys(bootDevice), onboard))
        return NothingChanged;
    // The partition as it is: its system block is kept, and the whole is what a failed write
    // puts back.
    const QByteArray system = readPart(onboard, 0, FlashImage::systemBlockSize);
    if (system.isEmpty())
        return NothingChanged;
    return writeImage(FlashImage::assemble(system, screen), bootDevice, UpgradeFiles::bootImage,
                      BootScreenWritten, onboard);
}

uint ThreadUpgrade::upgradeSystemFromStick()
{
    if (!MtdTools::writeToolsAvailable() || !MtdTools::dumpToolAvailable())
        return ToolsMissing;
    TempFiles temp;
    const QFileInfo resource(sys(QStringLiteral("/media/usb/resource.img")));
    const bool hasResource = resource.isFile() && resource.size() > 0;
    const QFileInfo stickSystem(sys(QStringLiteral("/media/usb/system.bin")));
    // A file larger than the system block cannot be flashed; it is not even read, and nothing
    // else is installed either.
    if (stickSystem.isFile() && stickSystem.size() > FlashImage::systemBlockSize)
        return ImageInvalid;
    // The resource image is put in place in one rename or not at all.
    if (hasResource && !UpgradeFiles::replace(resource.absoluteFilePath(), sys(UpgradeFiles::resourceImage)))
        return NothingChanged;
    if (!stickSystem.isFile() || stickSystem.size() == 0)
        return hasResource ? ResourceOnly : NoSystemImage;

    // The boot screen block now on the flash stays as it is.
    const QString onboard = temp.add(sys(UpgradeFiles::bootDumpForScreen));
    if (!MtdTools::dump(sys(bootDevice), onboard))
        return hasResource ? FlashNotWritten : NothingChanged;
    const QByteArray screen = readPart(onboard, FlashImage::systemBlockSize, FlashImage::bootScreenSize);
    if (screen.isEmpty())
        return hasResource ? FlashNotWritten : NothingChanged;
    const QByteArray image = FlashImage::assemble(readPart(stickSystem.absoluteFilePath(), 0, stickSystem.size()), screen);
    return writeImage(image, bootDevice, UpgradeFiles::bootImage,
                      SystemFromStickWritten, onboard);
}

uint ThreadUpgrade::upgradeSystemFromProgram()
{
    if (!Firmware::mayBeFlashed())
        return StandInFirmware;
    if (!MtdTools::writeToolsAvailable() || !MtdTools::dumpToolAvailable())
        return ToolsMissing;
    const QByteArray image = FlashImage::assemble(Firmware::payload(QStringLiteral("system.bin")),
                                                  Firmware::payload(QStringLiteral("bootscreen.dat")));
    return writeImage(image, bootDevice, UpgradeFiles::bootImage,
                      upgradeType.contains(QLatin1String("BS")) ? OwnSystemForBootScreen : OwnSystemForSystem);
}

uint ThreadUpgrade::upgradeDeviceTree()
{
    if (!Firmware::mayBeFlashed())
        return StandInFirmware;
    // The read-back after writing needs the dump tool as well.
    if (!MtdTools::writeToolsAvailable() || !MtdTools::dumpToolAvailable())
        return ToolsMissing;
    const QByteArray tree = Firmware::payload(QStringLiteral("devicetree.dtb"));
    if (!tree.isEmpty() && !FlashImage::isDeviceTree(tree))
        return DeviceTreeInvalid;
    return writeImage(tree, deviceTreeDevice, UpgradeFiles::deviceTreeImage,
                      upgradeType.contains(QLatin1String("BS")) ? DeviceTreeForBootScreen : DeviceTreeForSystem);
}

bool ThreadUpgrade::copyDirectory(const QDir &from, const QDir &to, bool overwrite)
{
    if (!to.exists() && !QDir().mkpath(to.absolutePath()))
        return false;
    const QFileInfoList entries = from.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                     | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString target = to.filePath(entry.fileName());
        if (entry.isDir()) {
            if (!copyDirectory(QDir(entry.absoluteFilePath()), QDir(target), overwrite))
                return false;
            continue;
        }
        if (overwrite && QFileInfo::exists(target))
            QFile::remove(target);
        if (!QFile::copy(entry.absoluteFilePath(), target))
            return false;
    }
    return true;
}
