#include <QCoreApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "FlashImage.h"
#include "FreeSpace.h"
#include "StandInFlash.h"
#include "ThreadUpgrade.h"
#include "UpgradeCandidate.h"
#include "testutils.h"

using namespace StandInFlash;

class TestUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void candidates_data();
    void candidates();
    void freeSpaceReport();
    void imageAssembly();
    void applicationReplaced();
    void applicationRefused_data();
    void applicationRefused();
    void applicationFailureKeepsOldProgram_data();
    void applicationFailureKeepsOldProgram();
    void systemFromStick();
    void systemFromStickWithoutImage();
    void bootScreenFromAwkwardName();
    void ownSystemAndDeviceTree_data();
    void ownSystemAndDeviceTree();
    void flashFailures_data();
    void flashFailures();
    void threadReportsOnce();

private:
    uint perform(const QString &type)
    {
        ThreadUpgrade worker;
        worker.setUpgradeType(type);
        return uint(worker.perform());
    }
    void installProgram();
    void verifyNoTemporaries();

    TestUtils::Sandbox sandbox;
};

void TestUpgrade::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Korvelin"));
    QVERIFY(registerPayloads());
    installTools();
}

void TestUpgrade::init()
{
    QDir(path(QStringLiteral("/media/usb"))).removeRecursively();
    QDir(path(QStringLiteral("/mnt"))).removeRecursively();
    QDir().mkpath(path(QStringLiteral("/media/usb")));
    QDir().mkpath(path(QStringLiteral("/mnt")));
    resetPartitions();
    FreeSpace::setHandler([](const QString &) { return 100.0; });
}

void TestUpgrade::cleanup()
{
    for (const char *marker : {"fail-flash_eraseall", "fail-nandwrite", "fail-nanddump", "corrupt-nandwrite"})
        setMarker(QString::fromLatin1(marker), false);
    FreeSpace::setHandler(nullptr);
}

void TestUpgrade::installProgram()
{
    writeFile(path(QStringLiteral("/mnt/Korvelin/Korvelin")), "old program");
    QFile::setPermissions(path(QStringLiteral("/mnt/Korvelin/Korvelin")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(path(QStringLiteral("/mnt/Korvelin/Korvelin_zh_CN.qm")), "old cn");
    writeFile(path(QStringLiteral("/media/usb/Korvelin_V2.14")), "new program");
    writeFile(path(QStringLiteral("/media/usb/Korvelin_V2.2")), "short version");
    writeFile(path(QStringLiteral("/media/usb/Korvelin_zh_CN.qm")), "new cn");
    writeFile(path(QStringLiteral("/media/usb/Korvelin_zh_TW.qm")), "new tw");
}

void TestUpgrade::verifyNoTemporaries()
{
    const QStringList left = QDir(path(QStringLiteral("/mnt"))).entryList(
        {QStringLiteral("*.bin"), QStringLiteral("*.dat"), QStringLiteral("*.dtb")}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
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
    QCOMPARE(UpgradeCandidate::runningVersion(QStringLiteral("V2.13")), 2.13);
}

void TestUpgrade::freeSpaceReport()
{
    QCOMPARE(FreeSpace::parseAvailableMB(QStringLiteral("Total space:100.000MB; Available space:32.000MB")), 32.0);
    QCOMPARE(FreeSpace::parseAvailableMB(QString()), 0.0);
    FreeSpace::setHandler(nullptr);
    // The real measurement of the sandbox's disk reads as a positive number.
    QVERIFY(FreeSpace::availableMB(path(QStringLiteral("/mnt/"))) > 0.0);
}

void TestUpgrade::imageAssembly()
{
    const QByteArray screen(int(FlashImage::bootScreenSize), 'B');
    const QByteArray image = FlashImage::assemble("kernel", screen);
    QCOMPARE(image.size(), int(FlashImage::imageSize));
    QCOMPARE(image.left(8), QByteArray("kernel\0\0", 8));
    QVERIFY(image.endsWith(screen));
    QVERIFY(FlashImage::assemble(QByteArray(), screen).isEmpty());
    QVERIFY(FlashImage::assemble(QByteArray(int(FlashImage::systemBlockSize) + 1, 'S'), screen).isEmpty());
    QVERIFY(FlashImage::assemble("kernel", screen.left(100)).isEmpty());

    // Any picture becomes a 32-bit screen: a small 8-bit one is scaled up and converted.
    QImage small(4, 3, QImage::Format_Grayscale8);
    small.fill(0x80);
    const QByteArray block = FlashImage::bootScreenBlock(small);
    QCOMPARE(block.size(), int(FlashImage::bootScreenSize));
    QCOMPARE(block.mid(4000, 4), QByteArray("\x80\x80\x80\xff"));
    QVERIFY(FlashImage::bootScreenBlock(QImage()).isEmpty());
}

void TestUpgrade::applicationReplaced()
{
    installProgram();
    writeFile(path(QStringLiteral("/mnt/Korvelin/sub/notes.txt")), "kept");
    QCOMPARE(perform(QStringLiteral("APPLICATIONV2.13")), uint(ThreadUpgrade::ApplicationReplaced));

    const QString install = path(QStringLiteral("/mnt/Korvelin/"));
    const QString backup = path(QStringLiteral("/mnt/Korvelin V2.13/"));
    QCOMPARE(readFile(install + "Korvelin"), QByteArray("new program"));
    QVERIFY(QFileInfo(install + "Korvelin").isExecutable());
    QCOMPARE(readFile(install + "Korvelin_zh_CN.qm"), QByteArray("new cn"));
    QVERIFY(!QFileInfo::exists(install + "Korvelin_zh_TW.qm"));
    QVERIFY(!QFileInfo::exists(install + "Korvelin.new"));
    QCOMPARE(readFile(backup + "Korvelin"), QByteArray("old program"));
    QCOMPARE(readFile(backup + "Korvelin_zh_CN.qm"), QByteArray("old cn"));
    QCOMPARE(readFile(backup + "sub/notes.txt"), QByteArray("kept"));

    // A second run replaces the stale backup rather than mixing into it.
    writeFile(backup + "stale", "x");
    writeFile(path(QStringLiteral("/media/usb/Korvelin_V2.15")), "newer program");
    QCOMPARE(perform(QStringLiteral("APPLICATIONV2.13")), uint(ThreadUpgrade::ApplicationReplaced));
    QVERIFY(!QFileInfo::exists(backup + "stale"));
    QCOMPARE(readFile(backup + "Korvelin"), QByteArray("new program"));
}

void TestUpgrade::applicationRefused_data()
{
    QTest::addColumn<QString>("stickFile");
    QTest::addColumn<double>("freeMB");
    QTest::addColumn<uint>("result");
    QTest::newRow("nothing on the stick") << "" << 100.0 << uint(ThreadUpgrade::NoApplication);
    QTest::newRow("only a file with a suffix") << "Korvelin_V2.14.bin" << 100.0 << uint(ThreadUpgrade::NoApplication);
    QTest::newRow("the running version") << "Korvelin_V2.13" << 100.0 << uint(ThreadUpgrade::NotNewer);
    QTest::newRow("an older version") << "Korvelin_V2.10" << 100.0 << uint(ThreadUpgrade::NotNewer);
    QTest::newRow("exactly 32.0 MB free") << "Korvelin_V2.14" << 32.0 << uint(ThreadUpgrade::NoSpace);
}

void TestUpgrade::applicationRefused()
{
    QFETCH(QString, stickFile);
    QFETCH(double, freeMB);
    QFETCH(uint, result);
    writeFile(path(QStringLiteral("/mnt/Korvelin/Korvelin")), "old program");
    if (!stickFile.isEmpty())
        writeFile(path(QStringLiteral("/media/usb/") + stickFile), "new program");
    FreeSpace::setHandler([freeMB](const QString &) { return freeMB; });
    QCOMPARE(perform(QStringLiteral("APPLICATIONV2.13")), result);
    QCOMPARE(readFile(path(QStringLiteral("/mnt/Korvelin/Korvelin"))), QByteArray("old program"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("/mnt/Korvelin V2.13"))));
}

void TestUpgrade::applicationFailureKeepsOldProgram_data()
{
    QTest::addColumn<QString>("blocked");
    // A folder where a staged copy has to go cannot be replaced by a file.
    QTest::newRow("the new executable cannot be staged") << "Korvelin.new";
    QTest::newRow("a translation fails after the executable") << "Korvelin_zh_CN.qm.new";
    QTest::newRow("no installed program") << "";
}

void TestUpgrade::applicationFailureKeepsOldProgram()
{
    QFETCH(QString, blocked);
    installProgram();
    if (blocked.isEmpty())
        QFile::remove(path(QStringLiteral("/mnt/Korvelin/Korvelin")));
    else
        writeFile(path(QStringLiteral("/mnt/Korvelin/") + blocked + QStringLiteral("/in-the-way")), "x");
    QCOMPARE(perform(QStringLiteral("APPLICATIONV2.13")), uint(ThreadUpgrade::ApplicationFailed));
    if (!blocked.isEmpty()) {
        QCOMPARE(readFile(path(QStringLiteral("/mnt/Korvelin/Korvelin"))), QByteArray("old program"));
        QVERIFY(QFileInfo(path(QStringLiteral("/mnt/Korvelin/Korvelin"))).isExecutable());
        QCOMPARE(readFile(path(QStringLiteral("/mnt/Korvelin/Korvelin_zh_CN.qm"))), QByteArray("old cn"));
    }
}

void TestUpgrade::systemFromStick()
{
    const QByteArray system(1 << 20, 'N');
    writeFile(path(QStringLiteral("/media/usb/system.bin")), system);
    writeFile(path(QStringLiteral("/media/usb/resource.img")), "resources");
    QCOMPARE(perform(QStringLiteral("SYSTEM-USB")), uint(ThreadUpgrade::SystemFromStickWritten));
    const QByteArray flash = readFile(path(QStringLiteral("/dev/mtd0")));
    QCOMPARE(flash.size(), int(FlashImage::imageSize));
    QVERIFY(flash.startsWith(system));
    QCOMPARE(flash.mid(system.size(), int(FlashImage::systemBlockSize) - system.size()),
             QByteArray(int(FlashImage::systemBlockSize) - system.size(), '\0'));
    QVERIFY(flash.endsWith(oldBootScreen()));
    QCOMPARE(readFile(path(QStringLiteral("/mnt/resource.img"))), QByteArray("resources"));
    verifyNoTemporaries();
}

void TestUpgrade::systemFromStickWithoutImage()
{
    QCOMPARE(perform(QStringLiteral("SYSTEM-USB")), uint(ThreadUpgrade::NoSystemImage));
    writeFile(path(QStringLiteral("/media/usb/system.bin")), QByteArray());
    writeFile(path(QStringLiteral("/media/usb/resource.img")), "resources");
    QCOMPARE(perform(QStringLiteral("SYSTEM-USB")), uint(ThreadUpgrade::ResourceOnly));
    QCOMPARE(readFile(path(QStringLiteral("/mnt/resource.img"))), QByteArray("resources"));
    QCOMPARE(readFile(path(QStringLiteral("/dev/mtd0"))), oldSystem() + oldBootScreen());
}

void TestUpgrade::bootScreenFromAwkwardName()
{
    // A file name that a shell would split and quote wrongly.
    const QString picture = path(QStringLiteral("/media/usb/my \"boot\" screen's; rm -rf x.png"));
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    QVERIFY(image.save(picture));
    QCOMPARE(perform(picture), uint(ThreadUpgrade::BootScreenWritten));
    const QByteArray flash = readFile(path(QStringLiteral("/dev/mtd0")));
    QVERIFY(flash.startsWith(oldSystem()));
    QCOMPARE(flash.size(), int(FlashImage::imageSize));
    QCOMPARE(flash.mid(int(FlashImage::systemBlockSize) + 4 * 12345, 4), QByteArray("\x1e\x14\x0a\xff"));
    verifyNoTemporaries();

    // A file that is no picture at all is refused before the flash is touched.
    resetPartitions();
    writeFile(picture, "not a picture");
    QCOMPARE(perform(picture), uint(ThreadUpgrade::ImageInvalid));
    QCOMPARE(readFile(path(QStringLiteral("/dev/mtd0"))), oldSystem() + oldBootScreen());
}

void TestUpgrade::ownSystemAndDeviceTree_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<uint>("result");
    QTest::newRow("own system, system next") << "SYSTEM-OS" << uint(ThreadUpgrade::OwnSystemForSystem);
    QTest::newRow("own system, boot screen next") << "SYSTEM-BS" << uint(ThreadUpgrade::OwnSystemForBootScreen);
    QTest::newRow("device tree, system next") << "DEVICETREE-OS" << uint(ThreadUpgrade::DeviceTreeForSystem);
    QTest::newRow("device tree, boot screen next") << "DEVICETREE-BS" << uint(ThreadUpgrade::DeviceTreeForBootScreen);
}

void TestUpgrade::ownSystemAndDeviceTree()
{
    QFETCH(QString, type);
    QFETCH(uint, result);
    QCOMPARE(perform(type), result);
    const QByteArray boot = readFile(path(QStringLiteral("/dev/mtd0")));
    const QByteArray tree = readFile(path(QStringLiteral("/dev/mtd2")));
    if (type.startsWith(QLatin1String("SYSTEM"))) {
        QVERIFY(boot.startsWith("KORVELIN PLACEHOLDER SYSTEM"));
        QCOMPARE(boot.size(), int(FlashImage::imageSize));
        QVERIFY(boot.endsWith(readFile(QStringLiteral(":/7010/bootscreen.dat"))));
        QVERIFY(tree.startsWith("TTTT"));
    } else {
        QVERIFY(tree.startsWith("\xd0\x0d\xfe\xed"));
        QVERIFY(tree.startsWith(readFile(QStringLiteral(":/7010/devicetree.dtb"))));
        QCOMPARE(boot, oldSystem() + oldBootScreen());
    }
    verifyNoTemporaries();
}

void TestUpgrade::flashFailures_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<uint>("result");
    QTest::addColumn<bool>("erased");
    for (const char *type : {"SYSTEM-USB", "DEVICETREE-OS"}) {
        const QByteArray name(type);
        QTest::newRow((name + ": erase fails").constData()) << type << "fail-flash_eraseall" << uint(ThreadUpgrade::FlashStepFailed) << false;
        QTest::newRow((name + ": write fails").constData()) << type << "fail-nandwrite" << uint(ThreadUpgrade::FlashStepFailed) << true;
        QTest::newRow((name + ": read-back differs").constData()) << type << "corrupt-nandwrite" << uint(ThreadUpgrade::FlashStepFailed) << true;
        QTest::newRow((name + ": dump fails").constData()) << type << "fail-nanddump" << uint(ThreadUpgrade::FlashStepFailed) << true;
        QTest::newRow((name + ": /mnt/ unwritable").constData()) << type << "unwritable" << uint(ThreadUpgrade::FlashStepFailed) << false;
        QTest::newRow((name + ": tools missing").constData()) << type << "no-tools" << uint(ThreadUpgrade::ToolsMissing) << false;
    }
    QTest::newRow("SYSTEM-USB: image larger than 16 MiB") << "SYSTEM-USB" << "too-large" << uint(ThreadUpgrade::ImageInvalid) << false;
    QTest::newRow("SYSTEM-USB: short partition") << "SYSTEM-USB" << "short-partition" << uint(ThreadUpgrade::FlashStepFailed) << false;
}

void TestUpgrade::flashFailures()
{
    QFETCH(QString, type);
    QFETCH(QString, fault);
    QFETCH(uint, result);
    QFETCH(bool, erased);
    const bool boot = type.startsWith(QLatin1String("SYSTEM"));
    const QString device = path(boot ? QStringLiteral("/dev/mtd0") : QStringLiteral("/dev/mtd2"));
    writeFile(path(QStringLiteral("/media/usb/system.bin")), QByteArray(fault == "too-large" ? (17 << 20) : 4096, 'N'));
    if (fault == "short-partition")
        writeFile(device, oldSystem());
    const QByteArray before = readFile(device);
    const QString blocked = path(boot ? QStringLiteral("/mnt/system.bin") : QStringLiteral("/mnt/devicetree.dtb"));
    if (fault == "unwritable")
        QVERIFY(QDir().mkpath(blocked));
    const QString tools = path(QStringLiteral("/usr/sbin"));
    if (fault == "no-tools")
        QVERIFY(QDir().rename(tools, tools + ".away"));
    else if (fault.startsWith(QLatin1String("fail-")) || fault.startsWith(QLatin1String("corrupt-")))
        setMarker(fault);

    const uint got = perform(type);
    if (fault == "no-tools")
        QVERIFY(QDir().rename(tools + ".away", tools));
    if (fault == "unwritable")
        QVERIFY(QDir(blocked).removeRecursively());
    QCOMPARE(got, result);
    // The dump comes after the write: a failing dump is only noticed in the read-back on
    // the system path, and already before anything happens when the boot block is read.
    const bool dumpBeforeErase = boot && fault == "fail-nanddump";
    if (!erased || dumpBeforeErase)
        QCOMPARE(readFile(device), before);
    else
        QVERIFY(readFile(device) != before);
    verifyNoTemporaries();
}

void TestUpgrade::threadReportsOnce()
{
    ThreadUpgrade worker;
    QSignalSpy spy(&worker, &ThreadUpgrade::signal_upgrade_result);
    worker.setUpgradeType(QStringLiteral("SYSTEM-USB"));
    worker.start();
    QVERIFY(spy.wait(20000));
    QVERIFY(worker.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUInt(), uint(ThreadUpgrade::NoSystemImage));

    // A type naming no procedure ends without a report.
    worker.setUpgradeType(QStringLiteral("NOTHING"));
    worker.start();
    QVERIFY(worker.wait(5000));
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
