#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMetaEnum>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QResource>
#include <QTest>
#include <QtEndian>

#include "Firmware.h"
#include "FlashImage.h"
#include "FreeSpace.h"
#include "StandInFlash.h"
#include "ThreadUpgrade.h"
#include "UpgradeCandidate.h"
#include "UpgradeFiles.h"
#include "UserDialogs.h"
#include "upgradeDialog.h"

using namespace StandInFlash;

namespace {
// The first bytes of an ELF file: word size (1 32-bit, 2 64-bit), byte order (1 little-endian,
// 2 big-endian), file type (1 object, 2 program, 3 position-independent) and machine (3 x86,
// 40 ARM, 62 x86-64, 183 AArch64).
QByteArray elf(char wordSize, char byteOrder, char type, char machine)
{
    QByteArray header("\x7f" "ELF", 4);
    header += QByteArray(1, wordSize) + QByteArray(1, byteOrder) + QByteArray(1, '\1') + QByteArray(9, '\0');
    const QByteArray fields = QByteArray(1, type) + '\0' + QByteArray(1, machine) + '\0';
    header += byteOrder == 1 ? fields : QByteArray(1, '\0') + fields.left(3);
    return header + QByteArray(44, '\0');
}

// An application file that runs where this test runs: its own header, then `text`.
QByteArray program(const QByteArray &text)
{
    QFile self(QCoreApplication::applicationFilePath());
    return self.open(QIODevice::ReadOnly) ? self.read(64) + text : QByteArray();
}
} // namespace

// Under qemu's user emulation a program cannot start another one (the emulator lacks the clone
// that QProcess asks for), so the stand-in MTD tools cannot run there; on the board and on a PC
// they must.
#define REQUIRE_TOOLS() if (!toolsRun) QSKIP("no program can be started from here (qemu user emulation)")

// The upgrade worker on stand-in flash and MTD tools, then the upgrade dialog driving it through
// its buttons, with the MTD layouts of the camera generations. Message boxes are recorded.
class TestUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void candidates_data();
    void candidates();
    void imageAssembly();
    void deviceTreeHeader_data();
    void deviceTreeHeader();
    void applicationReplaced();
    void applicationRefused_data();
    void applicationRefused();
    void applicationFailureKeepsOldProgram_data();
    void applicationFailureKeepsOldProgram();
    void systemFromStick();
    void bootScreenFromAwkwardName();
    void flashFailures_data();
    void flashFailures();
    void leftoversRemoved();
    void layoutsAndButtons_data();
    void layoutsAndButtons();
    void everyResultIsShown();
    void applicationAndSystemButtons();
    void secondPressAndCloseWhileRunning();

private:
    uint perform(const QString &type)
    {
        ThreadUpgrade worker;
        worker.setUpgradeType(type);
        return uint(worker.perform());
    }
    void installProgram()
    {
        writeFile(mnt("Korvelin/Korvelin"), "old program");
        QFile::setPermissions(mnt("Korvelin/Korvelin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(mnt("Korvelin/Korvelin_zh_CN.qm"), "old cn");
        writeFile(usb("Korvelin_V2.14"), program("new program"));
        writeFile(usb("Korvelin_zh_CN.qm"), "new cn");
        writeFile(usb("Korvelin_zh_TW.qm"), "new tw");
    }
    void verifyNoTemporaries()
    {
        QCOMPARE(QDir(path(QStringLiteral("/mnt"))).entryList({"*.bin", "*.dat", "*.dtb"}, QDir::Files), QStringList());
    }
    static QPushButton *button(upgradeDialog &dialog, const char *name)
    {
        return dialog.findChild<QPushButton *>(QLatin1String(name));
    }
    static QProgressBar *busyBar()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *bar = qobject_cast<QProgressBar *>(widget))
                return bar;
        }
        return nullptr;
    }
    void waitForResult(upgradeDialog &dialog)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isUpgrading(), 20000);
        QTRY_VERIFY(!busyBar());
    }
    void setLayout(int highest)
    {
        for (int block = 0; block <= 4; ++block) {
            const QString node = path(QStringLiteral("/dev/mtd%1").arg(block));
            if (block <= highest)
                writeFile(node, QFileInfo::exists(node) ? readFile(node) : QByteArray("x"));
            else
                QFile::remove(node);
        }
    }

    TestUtils::Sandbox sandbox;
    QStringList boxes;
    bool toolsRun = false;
};

void TestUpgrade::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Korvelin"));
    QVERIFY(QResource::registerResource(QStringLiteral(KORVELIN_BUILD_DIR "/firmware.rcc")));
    installTools();
    toolsRun = QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")}) == 0;
#ifndef KORVELIN_EMULATED
    QVERIFY(toolsRun);
#endif
    UserDialogs::setWarningHandler([this](const QString &title, const QString &text) {
        boxes.append(title + QLatin1String(": ") + text);
        return true;
    });
}

void TestUpgrade::init()
{
    boxes.clear();
    QDir(path(QStringLiteral("/media/usb"))).removeRecursively();
    QDir(path(QStringLiteral("/mnt"))).removeRecursively();
    QDir().mkpath(path(QStringLiteral("/media/usb")));
    QDir().mkpath(path(QStringLiteral("/mnt")));
    setLayout(2);
    resetPartitions();
    FreeSpace::setHandler([](const QString &) { return 100.0; });
}

void TestUpgrade::cleanup()
{
    clearMarkers();
    FreeSpace::setHandler(nullptr);
}

void TestUpgrade::candidates_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<double>("version");
    QTest::newRow("2.14 beats 2.2, whose number is too short")
        << QStringList{"Korvelin_V2.2", "Korvelin_V2.14"} << "Korvelin_V2.14" << 2.14;
    QTest::newRow("a suffix makes the number too long") << QStringList{"Korvelin_V2.14.bin"} << "" << 0.0;
    QTest::newRow("another program's file") << QStringList{"Other_V2.14"} << "" << 0.0;
    QTest::newRow("no V after the separator") << QStringList{"Korvelin_2.140"} << "" << 0.0;
    QTest::newRow("not a number") << QStringList{"Korvelin_Vabcd"} << "" << 0.0;
    QTest::newRow("the first of equal versions stays")
        << QStringList{"Korvelin-V3.00", "Korvelin_V3.00"} << "Korvelin-V3.00" << 3.0;
}

void TestUpgrade::candidates()
{
    QFETCH(QStringList, names);
    QFETCH(QString, chosen);
    QFETCH(double, version);
    const UpgradeCandidate candidate = UpgradeCandidate::choose(names, QStringLiteral("Korvelin"));
    QCOMPARE(candidate.fileName, chosen);
    QCOMPARE(candidate.version, version);
}

void TestUpgrade::imageAssembly()
{
    const QByteArray screen(int(FlashImage::bootScreenSize), 'B');
    // What a good image holds is checked where the stick's system is written.
    QVERIFY(FlashImage::assemble(QByteArray(), screen).isEmpty());
    QVERIFY(FlashImage::assemble(QByteArray(int(FlashImage::systemBlockSize) + 1, 'S'), screen).isEmpty());
    QVERIFY(FlashImage::assemble("kernel", screen.left(100)).isEmpty());

    // A 1920 x 1080 picture of another depth becomes a 32-bit screen, blue first (other sizes:
    // the awkward name).
    QImage picture(1920, 1080, QImage::Format_RGB888);
    picture.fill(QColor(10, 20, 30));
    const QByteArray block = FlashImage::bootScreenBlock(picture);
    QCOMPARE(block.size(), int(FlashImage::bootScreenSize));
    QCOMPARE(block.mid(4 * 12345, 4), QByteArray("\x1e\x14\x0a\xff"));
}

void TestUpgrade::deviceTreeHeader_data()
{
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<bool>("valid");
    auto tree = [](const char *magic, quint32 totalSize, int fileSize) {
        QByteArray data(fileSize, '\0');
        data.replace(0, 4, QByteArray(magic, 4));
        qToBigEndian<quint32>(totalSize, data.data() + 4);
        return data;
    };
    QTest::newRow("padded beyond its total size") << tree("\xd0\x0d\xfe\xed", 100, 4096) << true;
    QTest::newRow("just the header") << tree("\xd0\x0d\xfe\xed", 40, 40) << true;
    QTest::newRow("cut before its total size") << tree("\xd0\x0d\xfe\xed", 4097, 4096) << false;
    QTest::newRow("a total size smaller than the header") << tree("\xd0\x0d\xfe\xed", 39, 4096) << false;
    QTest::newRow("shorter than a header") << tree("\xd0\x0d\xfe\xed", 39, 39) << false;
    QTest::newRow("the magic's bytes swapped") << tree("\xed\xfe\x0d\xd0", 100, 4096) << false;
}

void TestUpgrade::deviceTreeHeader()
{
    QFETCH(QByteArray, tree);
    QFETCH(bool, valid);
    QCOMPARE(FlashImage::isDeviceTree(tree), valid);
}

void TestUpgrade::applicationReplaced()
{
    // The free-space report the worker reads.
    QCOMPARE(FreeSpace::parseAvailableMB(QStringLiteral("Total space:100.000MB; Available space:32.000MB")), 32.0);
    QCOMPARE(FreeSpace::parseAvailableMB(QString()), 0.0);
    installProgram();
    writeFile(mnt("Korvelin/sub/notes.txt"), "kept");
    QCOMPARE(perform("APPLICATIONV2.13"), uint(ThreadUpgrade::ApplicationReplaced));

    const QString install = mnt("Korvelin/");
    const QString backup = mnt("Korvelin V2.13/");
    QCOMPARE(readFile(install + "Korvelin"), program("new program"));
    QVERIFY(QFileInfo(install + "Korvelin").isExecutable());
    QCOMPARE(readFile(install + "Korvelin_zh_CN.qm"), QByteArray("new cn"));
    // Only installed translations are replaced; nothing staged is left.
    QCOMPARE(QDir(install).entryList(QDir::Files), (QStringList{"Korvelin", "Korvelin_zh_CN.qm"}));
    QCOMPARE(readFile(backup + "Korvelin"), QByteArray("old program"));
    QCOMPARE(readFile(backup + "Korvelin_zh_CN.qm"), QByteArray("old cn"));
    QCOMPARE(readFile(backup + "sub/notes.txt"), QByteArray("kept"));

    // A second run replaces the stale backup rather than mixing into it.
    writeFile(backup + "stale", "x");
    writeFile(usb("Korvelin_V2.15"), program("newer program"));
    QCOMPARE(perform("APPLICATIONV2.13"), uint(ThreadUpgrade::ApplicationReplaced));
    QVERIFY(!QFileInfo::exists(backup + "stale"));
    QCOMPARE(readFile(backup + "Korvelin"), program("new program"));
}

void TestUpgrade::applicationRefused_data()
{
    // What the stick offers as "Korvelin_V<version>", the free space, and the program that runs
    // (`running`; empty: this test itself). The camera's is a 32-bit little-endian ARM program.
    QTest::addColumn<QString>("version");
    QTest::addColumn<QByteArray>("offered");
    QTest::addColumn<double>("freeMB");
    QTest::addColumn<QByteArray>("running");
    QTest::addColumn<uint>("result");
    const QByteArray camera = elf(1, 1, 2, 40);
    const uint replaced = ThreadUpgrade::ApplicationReplaced;
    const uint refused = ThreadUpgrade::ApplicationNotExecutable;
    QTest::newRow("nothing on the stick") << "" << camera << 100.0 << camera << uint(ThreadUpgrade::NoApplication);
    QTest::newRow("the running version") << "2.13" << camera << 100.0 << camera << uint(ThreadUpgrade::NotNewer);
    QTest::newRow("exactly 32.0 MB free") << "2.14" << camera << 32.0 << camera << uint(ThreadUpgrade::NoSpace);
    QTest::newRow("an ARM program") << "2.14" << camera << 100.0 << camera << replaced;
    QTest::newRow("a position-independent ARM program") << "2.14" << elf(1, 1, 3, 40) << 100.0 << camera << replaced;
    QTest::newRow("a 64-bit ARM program") << "2.14" << elf(2, 1, 3, 40) << 100.0 << camera << refused;
    QTest::newRow("a 32-bit program of another machine") << "2.14" << elf(1, 1, 2, 3) << 100.0 << camera << refused;
    QTest::newRow("a big-endian ARM program") << "2.14" << elf(1, 2, 2, 40) << 100.0 << camera << refused;
    QTest::newRow("an ARM object file") << "2.14" << elf(1, 1, 1, 40) << 100.0 << camera << refused;
    QTest::newRow("a shell script") << "2.14" << QByteArray("#!/bin/sh\nexit 0\n") << 100.0 << camera << refused;
    QTest::newRow("a header cut short") << "2.14" << camera.left(19) << 100.0 << camera << refused;
    // A file that lost its contents on the way to the stick would leave no program to start.
    QTest::newRow("an empty file") << "2.14" << QByteArray() << 100.0 << camera << uint(ThreadUpgrade::ApplicationFailed);
    QTest::newRow("this program's kind") << "2.14" << program("") << 100.0 << QByteArray() << replaced;
}

void TestUpgrade::applicationRefused()
{
    QFETCH(QString, version);
    QFETCH(QByteArray, offered);
    QFETCH(double, freeMB);
    QFETCH(QByteArray, running);
    QFETCH(uint, result);
    if (!running.isEmpty())
        writeFile(path(QStringLiteral("/proc/self/exe")), running + "the program");
    writeFile(mnt("Korvelin/Korvelin"), "old program");
    writeFile(mnt("Korvelin V2.13/earlier backup"), "kept");
    if (!version.isEmpty())
        writeFile(usb("Korvelin_V" + version), offered);
    FreeSpace::setHandler([freeMB](const QString &) { return freeMB; });
    const uint got = perform("APPLICATIONV2.13");
    QDir(path(QStringLiteral("/proc"))).removeRecursively();
    QCOMPARE(got, result);
    const bool done = result == ThreadUpgrade::ApplicationReplaced;
    QCOMPARE(readFile(mnt("Korvelin/Korvelin")), done ? offered : QByteArray("old program"));
    // A refusal leaves even an earlier backup as it was.
    QCOMPARE(QDir(mnt("Korvelin V2.13")).entryList(QDir::Files),
             done ? QStringList{"Korvelin"} : QStringList{"earlier backup"});
}

void TestUpgrade::applicationFailureKeepsOldProgram_data()
{
    QTest::addColumn<QString>("blocked");
    // A folder where a staged copy has to go cannot be replaced by a file.
    QTest::newRow("the new executable cannot be staged") << "Korvelin.new";
    QTest::newRow("a translation fails after the executable") << "Korvelin_zh_CN.qm.new";
    QTest::newRow("no installed program") << "";
    // A link to nothing in the program's folder cannot be copied: the backup stops half done.
    QTest::newRow("the backup cannot be completed") << "<dangling link>";
}

void TestUpgrade::applicationFailureKeepsOldProgram()
{
    QFETCH(QString, blocked);
    installProgram();
    if (blocked.isEmpty())
        QFile::remove(mnt("Korvelin/Korvelin"));
    else if (blocked == QLatin1String("<dangling link>"))
        QVERIFY(QFile::link(path(QStringLiteral("/nowhere")), mnt("Korvelin/zz-link")));
    else
        writeFile(path(QStringLiteral("/mnt/Korvelin/") + blocked + QStringLiteral("/in-the-way")), "x");
    QCOMPARE(perform("APPLICATIONV2.13"), uint(ThreadUpgrade::ApplicationFailed));
    if (!blocked.isEmpty()) {
        QCOMPARE(readFile(mnt("Korvelin/Korvelin")), QByteArray("old program"));
        QVERIFY(QFileInfo(mnt("Korvelin/Korvelin")).isExecutable());
        QCOMPARE(readFile(mnt("Korvelin/Korvelin_zh_CN.qm")), QByteArray("old cn"));
    }
    // No half copy is left to pass for a backup.
    if (blocked == QLatin1String("<dangling link>"))
        QVERIFY(!QFileInfo::exists(mnt("Korvelin V2.13")));
}

void TestUpgrade::systemFromStick()
{
    // Without a system image, or with an empty one, only the resource image is installed.
    QCOMPARE(perform("SYSTEM-USB"), uint(ThreadUpgrade::NoSystemImage));
    writeFile(usb("system.bin"), QByteArray());
    writeFile(usb("resource.img"), "resources");
    QCOMPARE(perform("SYSTEM-USB"), uint(ThreadUpgrade::ResourceOnly));
    QCOMPARE(readFile(mnt("resource.img")), QByteArray("resources"));
    QCOMPARE(mtd(0), oldSystem() + oldBootScreen());

    REQUIRE_TOOLS();
    const QByteArray system(1 << 20, 'N');
    writeFile(usb("system.bin"), system);
    writeFile(usb("resource.img"), "new resources");
    QCOMPARE(perform("SYSTEM-USB"), uint(ThreadUpgrade::SystemFromStickWritten));
    QVERIFY(mtd(0) == system + QByteArray(int(FlashImage::systemBlockSize) - system.size(), '\0') + oldBootScreen());
    QCOMPARE(readFile(mnt("resource.img")), QByteArray("new resources"));
    verifyNoTemporaries();
}

void TestUpgrade::bootScreenFromAwkwardName()
{
    REQUIRE_TOOLS();
    // A file name that a shell would split and quote wrongly.
    const QString picture = path(QStringLiteral("/media/usb/my \"boot\" screen's; rm -rf x.png"));
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    QVERIFY(image.save(picture));
    QCOMPARE(perform(picture), uint(ThreadUpgrade::BootScreenWritten));
    QVERIFY(mtd(0) == oldSystem() + FlashImage::bootScreenBlock(image));
    verifyNoTemporaries();

    // A file that is no picture at all, or a picture of another size, is refused before the
    // flash is touched.
    resetPartitions();
    QVERIFY(image.copy(0, 0, 1920, 1200).save(picture));
    QCOMPARE(perform(picture), uint(ThreadUpgrade::BootScreenWrongSize));
    writeFile(picture, "not a picture");
    QCOMPARE(perform(picture), uint(ThreadUpgrade::ImageInvalid));
    QCOMPARE(mtd(0), oldSystem() + oldBootScreen());
}

void TestUpgrade::flashFailures_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<uint>("result");
    QTest::addColumn<bool>("erased");
    for (const char *type : {"SYSTEM-USB", "DEVICETREE-OS"}) {
        const QByteArray name(type);
        // Without a copy of the old contents nothing is erased.
        QTest::newRow((name + ": dump fails").constData()) << type << "fail-nanddump" << uint(ThreadUpgrade::NothingChanged) << false;
        // A failure the second attempt does not meet: the old contents are written back.
        QTest::newRow((name + ": write fails once").constData()) << type << "once-fail-nandwrite" << uint(ThreadUpgrade::FlashRestored) << false;
        QTest::newRow((name + ": /mnt/ unwritable").constData()) << type << "unwritable" << uint(ThreadUpgrade::NothingChanged) << false;
        QTest::newRow((name + ": tools missing").constData()) << type << "no-tools" << uint(ThreadUpgrade::ToolsMissing) << false;
    }
    // Erasing, writing and reading back are the same steps on every partition.
    QTest::newRow("SYSTEM-USB: erase fails")
        << "SYSTEM-USB" << "fail-flash_eraseall" << uint(ThreadUpgrade::FlashStepFailed) << false;
    QTest::newRow("SYSTEM-USB: write fails")
        << "SYSTEM-USB" << "fail-nandwrite" << uint(ThreadUpgrade::FlashStepFailed) << true;
    QTest::newRow("SYSTEM-USB: read-back differs")
        << "SYSTEM-USB" << "corrupt-nandwrite" << uint(ThreadUpgrade::FlashStepFailed) << true;
    QTest::newRow("SYSTEM-USB: short partition") << "SYSTEM-USB" << "short-partition" << uint(ThreadUpgrade::NothingChanged) << false;
    // The resource image is in place before the flash's old contents turn out unsaveable; a
    // system image larger than its block is refused by its size before either is installed.
    QTest::newRow("SYSTEM-USB with a resource image: dump fails")
        << "SYSTEM-USB" << "resource+fail-nanddump" << uint(ThreadUpgrade::FlashNotWritten) << false;
    QTest::newRow("SYSTEM-USB with a resource image: image over its block")
        << "SYSTEM-USB" << "resource+oversized" << uint(ThreadUpgrade::ImageInvalid) << false;
}

void TestUpgrade::flashFailures()
{
    REQUIRE_TOOLS();
    QFETCH(QString, type);
    QFETCH(QString, fault);
    QFETCH(uint, result);
    QFETCH(bool, erased);
    const bool resource = fault.startsWith(QLatin1String("resource+"));
    if (resource) {
        writeFile(usb("resource.img"), "resources");
        fault.remove(QStringLiteral("resource+"));
    }
    const bool boot = type.startsWith(QLatin1String("SYSTEM"));
    const QString device = path(boot ? QStringLiteral("/dev/mtd0") : QStringLiteral("/dev/mtd2"));
    writeFile(usb("system.bin"), QByteArray(fault == "oversized" ? int(FlashImage::systemBlockSize) + 1 : 4096, 'N'));
    if (fault == "short-partition")
        writeFile(device, oldSystem());
    const QByteArray before = readFile(device);
    const QString blocked = path(boot ? QStringLiteral("/mnt/system.bin") : QStringLiteral("/mnt/devicetree.dtb"));
    if (fault == "unwritable")
        QVERIFY(QDir().mkpath(blocked));
    const QString tools = path(QStringLiteral("/usr/sbin"));
    if (fault == "no-tools")
        QVERIFY(QDir().rename(tools, tools + ".away"));
    else if (QFile::exists(tools + '/' + fault.section('-', -1)))   // a marker ends in the tool it spoils
        setMarker(fault);

    const uint got = perform(type);
    if (fault == "no-tools")
        QVERIFY(QDir().rename(tools + ".away", tools));
    if (fault == "unwritable")
        QVERIFY(QDir(blocked).removeRecursively());
    QCOMPARE(got, result);
    QCOMPARE(readFile(device) == before, !erased);
    QCOMPARE(QFile::exists(mnt("resource.img")), resource && result != ThreadUpgrade::ImageInvalid);
    verifyNoTemporaries();
}

void TestUpgrade::leftoversRemoved()
{
    // What a run cut short leaves, and what is the user's or the upgrade's to keep.
    const QStringList left{"previous.bin", "readback.bin", "system.bin", "devicetree.dtb", "onboardsystem.bin",
                           "bootscreen.dat", "resource.img.new", "Korvelin/Korvelin.new", "Korvelin/Korvelin_zh_CN.qm.new"};
    const QStringList kept{"resource.img", "other.bin", "system.bin.old", "Korvelin/Korvelin", "Korvelin/Korvelin_zh_CN.qm",
                           "Korvelin/notes.new", "Korvelin V2.13/Korvelin", "Korvelin V2.13/Korvelin.new"};
    for (const QString &file : left + kept)
        writeFile(mnt(file), "x");
    UpgradeFiles::removeLeftovers();
    for (const QString &file : left)
        QVERIFY2(!QFileInfo::exists(mnt(file)), qPrintable(file));
    for (const QString &file : kept)
        QVERIFY2(QFileInfo::exists(mnt(file)), qPrintable(file));
}

void TestUpgrade::layoutsAndButtons_data()
{
    // Per NAND layout (the highest MTD device), button and machine: what the boot partition and
    // the device tree hold afterwards ("old": untouched; "own": the compiled-in system and boot
    // screen; "stick": the stick's system.bin with the old boot screen; "picture": the old
    // system with the stick's picture; "tree": the compiled-in device tree), and the messages.
    // This build carries stand-in payloads, which a camera refuses.
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("camera");
    QTest::addColumn<QString>("boot");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QStringList>("messages");
    const QString pre = QStringLiteral("Warning: This camera system does not support direct");
    const QString preSystem = QStringLiteral("Serious Warning: System pre-upgrade success.");
    const QString preBoot = QStringLiteral("Serious Warning: System upgrade success. Please restart camera and update boot");
    const QString standIn = QStringLiteral("Serious Warning: This program carries only stand-ins");
    const QString fromStick = QStringLiteral("Serious Warning: System upgrade success. Please restart camera!");
    const QString bootDone = QStringLiteral("Serious Warning: Boot screen update successful.");
    for (const bool camera : {false, true}) {
        for (const bool system : {true, false}) {
            const QByteArray name = QByteArray(system ? ", system" : ", boot screen") + (camera ? " on a camera" : " in the simulator");
            auto row = [&](const QByteArray &layout, int highest) -> QTestData & {
                return QTest::newRow((layout + name).constData()) << highest << (system ? "pb_system" : "pb_bootscreen") << camera;
            };
            const QStringList preUpgrade{pre, camera ? standIn : system ? preSystem : preBoot};
            row("mtd4", 4) << "old" << (camera ? "old" : "tree") << preUpgrade;
            row("mtd3", 3) << (camera ? "old" : "own") << "old" << preUpgrade;
            row("mtd0", 0) << (camera ? "old" : "own") << "old" << preUpgrade;
            row("mtd2", 2) << (system ? "stick" : "picture") << "old" << QStringList{system ? fromStick : bootDone};
            row("mtd1", 1) << "old" << "old" << QStringList();
            row("no MTD device", -1) << "old" << "old" << QStringList();
        }
    }
}

void TestUpgrade::layoutsAndButtons()
{
    REQUIRE_TOOLS();
    QFETCH(int, highest);
    QFETCH(QString, button);
    QFETCH(bool, camera);
    QFETCH(QString, boot);
    QFETCH(QString, tree);
    QFETCH(QStringList, messages);
    const QByteArray stickSystem(4096, 'N');
    writeFile(usb("system.bin"), stickSystem);
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(usb("logo one.png")));
    // Only pictures of the screen's size are offered.
    QVERIFY(QImage(640, 480, QImage::Format_RGB32).save(usb("small.png")));
    writeFile(usb("broken.jpg"), "no picture");
    setLayout(highest);
    const QByteArray oldBoot = mtd(0);
    const QByteArray oldTree = mtd(2);

    Firmware::setTarget(camera ? Firmware::Target::Camera : Firmware::Target::Simulator);
    upgradeDialog dialog(QStringLiteral("V 2.13"));
    this->button(dialog, qPrintable(button))->click();
    // The boot screen of the current layout is chosen from the stick's pictures.
    auto *list = dialog.findChild<QListWidget *>();
    QCOMPARE(list->count(), boot == "picture" ? 1 : 0);
    if (boot == "picture") {
        QVERIFY(!this->button(dialog, "pb_system")->isEnabled());
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(busyBar()->windowTitle(), QStringLiteral("Boot screen updating, Please DO NOT power down!"));
    }
    waitForResult(dialog);
    Firmware::setTarget(Firmware::Target::Detected);

    const QMap<QString, QByteArray> boots{
        {"old", oldBoot}, {"stick", FlashImage::assemble(stickSystem, oldBootScreen())},
        {"own", FlashImage::assemble(readFile(":/7010/system.bin"), readFile(":/7010/bootscreen.dat"))},
        {"picture", FlashImage::assemble(oldSystem(), FlashImage::bootScreenBlock(picture))}};
    QCOMPARE(mtd(0), boots.value(boot));
    // The erased rest of the partition reads as zeros here.
    const QByteArray payload = readFile(QStringLiteral(":/7010/devicetree.dtb"));
    QCOMPARE(mtd(2), tree == "old" ? oldTree : payload + QByteArray(oldTree.size() - payload.size(), '\0'));
    QCOMPARE(boxes.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(boxes.at(i).startsWith(messages.at(i)), qPrintable(boxes.at(i)));
    if (highest < 0)
        QCOMPARE(dialog.warningText(), QStringLiteral("This camera MTD partition error!"));
    // An attempt that wrote something leaves the buttons off until a restart; a refusal does not.
    const bool refused = boxes.value(1).contains(QLatin1String("only stand-ins"));
    QCOMPARE(this->button(dialog, "pb_application")->isEnabled(), highest < 0 || highest == 1 || refused);
}

void TestUpgrade::everyResultIsShown()
{
    // Each result the worker can report has a message of its own; only the pre-upgrade steps
    // share theirs, as the device tree and the system image ask for the same next step.
    const QMetaEnum results = QMetaEnum::fromType<ThreadUpgrade::Result>();
    QMap<QString, uint> shown;
    for (int i = 0; i < results.keyCount(); ++i) {
        const uint code = uint(results.value(i));
        upgradeDialog dialog(QStringLiteral("V 2.13"));
        boxes.clear();
        QVERIFY(QMetaObject::invokeMethod(&dialog, "slot_upgrade_result", Q_ARG(uint, code)));
        const QString message = boxes.isEmpty() ? dialog.warningText() : boxes.join(QLatin1Char('\n'));
        QVERIFY2(!message.isEmpty(), results.key(i));
        const bool shared = (code == ThreadUpgrade::OwnSystemForBootScreen && shown.value(message) == ThreadUpgrade::DeviceTreeForBootScreen)
                            || (code == ThreadUpgrade::OwnSystemForSystem && shown.value(message) == ThreadUpgrade::DeviceTreeForSystem);
        QVERIFY2(!shown.contains(message) || shared, results.key(i));
        shown.insert(message, code);
    }
}

void TestUpgrade::applicationAndSystemButtons()
{
    QVERIFY(QDir(path(QStringLiteral("/media"))).removeRecursively());
    upgradeDialog dialog(QStringLiteral("V 2.13"));
    button(dialog, "pb_application")->click();
    QVERIFY(dialog.warningText().startsWith(QLatin1String("The U disk doesn't exist!")));
    QVERIFY(!dialog.isUpgrading() && !busyBar());
    button(dialog, "pb_bootscreen")->click();
    QVERIFY(!busyBar() && !dialog.findChild<QListWidget *>()->isVisible());
    QVERIFY(dialog.warningText().startsWith(QLatin1String("The U disk doesn't exist!")));

    // A stick with a newer program: it replaces the old one under a busy bar.
    installProgram();
    button(dialog, "pb_application")->click();
    QCOMPARE(busyBar()->maximum(), 0);
    QCOMPARE(busyBar()->windowTitle(), QStringLiteral("System upgrading, Please DO NOT power down!"));
    waitForResult(dialog);
    QCOMPARE(boxes, QStringList{"Warning: Application update successful and will restart soon!"});

    // A stick without a system image: nothing is written, and every button is there to try again.
    REQUIRE_TOOLS();
    button(dialog, "pb_system")->click();
    waitForResult(dialog);
    QVERIFY(dialog.warningText().startsWith(QLatin1String("Can't find system.bin")));
    for (const char *name : {"pb_application", "pb_bootscreen", "pb_system"})
        QVERIFY(button(dialog, name)->isEnabled());
}

void TestUpgrade::secondPressAndCloseWhileRunning()
{
    REQUIRE_TOOLS();
    writeFile(usb("system.bin"), QByteArray(4096, 'N'));
    setMarker(QStringLiteral("slow-nandwrite"));
    auto *dialog = new upgradeDialog(QStringLiteral("V 2.13"));
    dialog->show();
    button(*dialog, "pb_system")->click();
    QVERIFY(dialog->isUpgrading());
    QProgressBar *bar = busyBar();
    // The busy bar is drawn while the worker runs.
    QTest::qWait(100);
    QVERIFY(bar->isVisible());
    button(*dialog, "pb_application")->setEnabled(true);
    button(*dialog, "pb_application")->click();
    QCOMPARE(busyBar(), bar);
    dialog->reject();
    QVERIFY(dialog->isVisible());
    // Deleting the dialog waits for the flash to be written.
    delete dialog;
    QVERIFY(mtd(0).startsWith(QByteArray(4096, 'N')));
    QVERIFY(!busyBar());
}

QTEST_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
