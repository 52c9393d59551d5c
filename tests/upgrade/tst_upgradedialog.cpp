#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "FreeSpace.h"
#include "StandInFlash.h"
#include "ThreadUpgrade.h"
#include "UserDialogs.h"
#include "testutils.h"
#include "upgradeDialog.h"

using namespace StandInFlash;

class TestUpgradeDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layouts_data();
    void layouts();
    void resultTexts_data();
    void resultTexts();
    void noStickNoBusyBar();
    void applicationThroughTheButton();
    void bootScreenPicker();
    void secondPressAndCloseWhileRunning();

private:
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
    void setLayout(int highest);

    TestUtils::Sandbox sandbox;
    QStringList boxes;
};

void TestUpgradeDialog::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Korvelin"));
    QVERIFY(registerPayloads());
    installTools();
    UserDialogs::setWarningHandler([this](const QString &title, const QString &text) {
        boxes.append(title + QLatin1String(": ") + text);
        return true;
    });
}

void TestUpgradeDialog::init()
{
    boxes.clear();
    QDir(path(QStringLiteral("/media/usb"))).removeRecursively();
    QDir().mkpath(path(QStringLiteral("/media/usb")));
    setLayout(2);
    resetPartitions();
    FreeSpace::setHandler([](const QString &) { return 100.0; });
}

void TestUpgradeDialog::cleanup()
{
    setMarker(QStringLiteral("slow-nandwrite"), false);
    FreeSpace::setHandler(nullptr);
}

void TestUpgradeDialog::setLayout(int highest)
{
    for (int block = 0; block <= 4; ++block) {
        const QString node = path(QStringLiteral("/dev/mtd%1").arg(block));
        if (block <= highest)
            writeFile(node, QFileInfo::exists(node) ? readFile(node) : QByteArray("x"));
        else
            QFile::remove(node);
    }
}

void TestUpgradeDialog::layouts_data()
{
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("systemBox");
    const QString preUpgrade = QStringLiteral("Warning: This camera system does not support direct upgrade.");
    QTest::newRow("mtd4: device tree first") << 4 << "Block4" << preUpgrade;
    QTest::newRow("mtd3: own system first") << 3 << "Block3" << preUpgrade;
    QTest::newRow("mtd2: direct") << 2 << "Block2" << "";
    QTest::newRow("mtd1: nothing to do") << 1 << "Block1" << "";
    QTest::newRow("mtd0: own system first") << 0 << "Block0" << preUpgrade;
    QTest::newRow("no MTD device") << -1 << "" << "";
}

void TestUpgradeDialog::layouts()
{
    QFETCH(int, highest);
    QFETCH(QString, layout);
    QFETCH(QString, systemBox);
    setLayout(highest);
    QCOMPARE(upgradeDialog::checkMTDPartition(), layout);

    upgradeDialog dialog(QStringLiteral("V 2.13"));
    button(dialog, "pb_system")->click();
    waitForResult(dialog);
    if (systemBox.isEmpty())
        QVERIFY(boxes.isEmpty() || !boxes.first().startsWith(QLatin1String("Warning")));
    else
        QVERIFY(boxes.value(0).startsWith(systemBox));
    if (highest < 0)
        QCOMPARE(dialog.warningText(), QStringLiteral("This camera MTD partition error!"));
    // Any attempt on a layout that allows one leaves the buttons off until a restart.
    QCOMPARE(button(dialog, "pb_application")->isEnabled(), highest < 0 || highest == 1);
}

void TestUpgradeDialog::resultTexts_data()
{
    QTest::addColumn<uint>("result");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("box");
    QTest::newRow("0") << 0u << "This camera does not support upgrading the application, boot screen and system!" << "";
    QTest::newRow("1") << 1u << "Application doesn't exist in the U disk! Please copy the upgrade application to the U disk!" << "";
    QTest::newRow("2") << 2u << "This version is the latest version, no need to upgrade!" << "";
    QTest::newRow("3") << 3u << "Internal memory card space is insufficient!" << "";
    QTest::newRow("4") << 4u << "Aplication update fail!" << "";
    QTest::newRow("5") << 5u << "" << "Warning: Application update successful and will restart soon!";
    for (uint code : {6u, 10u})
        QTest::newRow(qPrintable(QString::number(code))) << code << ""
            << "Serious Warning: System upgrade success. Please restart camera and update boot screen again!";
    for (uint code : {7u, 11u})
        QTest::newRow(qPrintable(QString::number(code))) << code << ""
            << "Serious Warning: System pre-upgrade success. Please restart camera and upgrade system again!";
    QTest::newRow("8") << 8u << "" << "Serious Warning: Boot screen update successful. Please restart camera!";
    QTest::newRow("9") << 9u << "" << "Serious Warning: System upgrade success. Please restart camera!";
    QTest::newRow("12") << 12u << "" << "Serious Warning: Update resource successful. Please restart camera!";
    QTest::newRow("13") << 13u << "Can't find system.bin in the U disk! Please copy system.bin to the U disk!" << "";
    QTest::newRow("14") << 14u << "" << "Serious Warning: Upgrade failed: a flash step did not succeed.";
    QTest::newRow("15") << 15u << "" << "Serious Warning: Upgrade failed: the upgrade file or image is invalid";
    QTest::newRow("unknown") << 99u << "" << "";
}

void TestUpgradeDialog::resultTexts()
{
    QFETCH(uint, result);
    QFETCH(QString, status);
    QFETCH(QString, box);
    upgradeDialog dialog(QStringLiteral("V 2.13"));
    QVERIFY(QMetaObject::invokeMethod(&dialog, "slot_upgrade_result", Q_ARG(uint, result)));
    QCOMPARE(dialog.warningText(), status);
    QCOMPARE(boxes.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QVERIFY2(boxes.first().startsWith(box), qPrintable(boxes.first()));
}

void TestUpgradeDialog::noStickNoBusyBar()
{
    QVERIFY(QDir(path(QStringLiteral("/media"))).removeRecursively());
    upgradeDialog dialog(QStringLiteral("V 2.13"));
    button(dialog, "pb_application")->click();
    QVERIFY(dialog.warningText().startsWith(QLatin1String("The U disk doesn't exist!")));
    QVERIFY(!dialog.isUpgrading());
    QVERIFY(!busyBar());
    button(dialog, "pb_bootscreen")->click();
    QVERIFY(!busyBar());
    QVERIFY(!dialog.findChild<QListWidget *>()->isVisible());
}

void TestUpgradeDialog::applicationThroughTheButton()
{
    writeFile(path(QStringLiteral("/mnt/Korvelin/Korvelin")), "old program");
    writeFile(path(QStringLiteral("/media/usb/Korvelin_V2.14")), "new program");
    upgradeDialog dialog(QStringLiteral("V 2.13"));
    QSignalSpy quit(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
    button(dialog, "pb_application")->click();
    QVERIFY(busyBar());
    QCOMPARE(busyBar()->maximum(), 0);
    QCOMPARE(busyBar()->windowTitle(), QStringLiteral("System upgrading, Please DO NOT power down!"));
    waitForResult(dialog);
    QCOMPARE(boxes, QStringList{"Warning: Application update successful and will restart soon!"});
    QCOMPARE(readFile(path(QStringLiteral("/mnt/Korvelin/Korvelin"))), QByteArray("new program"));
}

void TestUpgradeDialog::bootScreenPicker()
{
    QImage fits(1920, 1080, QImage::Format_RGB32);
    fits.fill(Qt::darkGreen);
    QVERIFY(fits.save(path(QStringLiteral("/media/usb/logo one.png"))));
    QVERIFY(QImage(640, 480, QImage::Format_RGB32).save(path(QStringLiteral("/media/usb/small.png"))));
    writeFile(path(QStringLiteral("/media/usb/broken.jpg")), "no picture");

    upgradeDialog dialog(QStringLiteral("V 2.13"));
    button(dialog, "pb_bootscreen")->click();
    auto *list = dialog.findChild<QListWidget *>();
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->data(Qt::DisplayRole).toString(), path(QStringLiteral("/media/usb/logo one.png")));
    QVERIFY(!button(dialog, "pb_system")->isEnabled());

    emit list->itemDoubleClicked(list->item(0));
    QCOMPARE(busyBar()->windowTitle(), QStringLiteral("Boot screen updating, Please DO NOT power down!"));
    waitForResult(dialog);
    QCOMPARE(boxes, QStringList{"Serious Warning: Boot screen update successful. Please restart camera!"});
    QVERIFY(readFile(path(QStringLiteral("/dev/mtd0"))).endsWith(FlashImage::bootScreenBlock(fits)));
}

void TestUpgradeDialog::secondPressAndCloseWhileRunning()
{
    writeFile(path(QStringLiteral("/media/usb/system.bin")), QByteArray(4096, 'N'));
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
    QVERIFY(readFile(path(QStringLiteral("/dev/mtd0"))).startsWith(QByteArray(4096, 'N')));
    QVERIFY(!busyBar());
}

QTEST_MAIN(TestUpgradeDialog)
#include "tst_upgradedialog.moc"
