#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <QUrl>

#include <memory>

#include "GlobalVar.h"
#include "StorageActions.h"
#include "UserDialogs.h"
#include "testutils.h"

// Free file names on the stick and the internal storage with their warnings, and the shared
// file dialog, on a bare panel widget.
class TestStorageActions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storageWarnings();
    void fileDialogModes();
    void imagePaths_data();
    void imagePaths();

private:
    TestUtils::Sandbox sandbox;
    QWidget panel;
    QStringList warnings;
};

void TestStorageActions::init()
{
    warnings.clear();
    UserDialogs::setWarningHandler([this](const QString &, const QString &text) { warnings << text; return true; });
}

void TestStorageActions::cleanup()
{
    StorageActions::freeDiskProbe = nullptr;
    UserDialogs::setWarningHandler(nullptr);
}

void TestStorageActions::storageWarnings()
{
    StorageActions storage(&panel);
    const QString usb = sandbox.root() + QStringLiteral("/media/usb");
    // No stick.
    QVERIFY(QDir(usb).removeRecursively());
    QVERIFY(storage.freeName(QStringLiteral("EXT"), QStringLiteral("csv")).isEmpty());
    QCOMPARE(warnings, QStringList{"U disk isn't exists! Please insert U disk!"});
    QVERIFY(QDir().mkpath(usb));

    // 8 MB or less is too little.
    StorageActions::freeDiskProbe = [](const QString &) { return QStringLiteral("Total space:100.000MB; Available space:8.000MB"); };
    QVERIFY(storage.freeName(QStringLiteral("IMG"), QStringLiteral("bmp,jpg")).isEmpty());
    QCOMPARE(warnings.last(), QStringLiteral("U disk space is insufficient! Please change another U disk!"));
    StorageActions::freeDiskProbe = [](const QString &) { return QStringLiteral("Total space:100.000MB; Available space:8.001MB"); };
    QCOMPARE(storage.freeName(QStringLiteral("IMG"), QStringLiteral("bmp,jpg")), usb + QStringLiteral("/DCIM/IMG00001"));

    // Configurations go to the internal storage; past 99999 no name is made up.
    QFile last(sandbox.root() + QStringLiteral("/mnt/DCIM/CFG99999.ini"));
    QVERIFY(QDir().mkpath(sandbox.root() + QStringLiteral("/mnt/DCIM")) && last.open(QIODevice::WriteOnly));
    last.close();
    warnings.clear();
    QVERIFY(storage.freeName(QStringLiteral("CFG"), QStringLiteral("ini")).isEmpty());
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QLatin1String("No free file name")));

    // A DCIM that is not a folder cannot take the file.
    QVERIFY(QDir(usb + QStringLiteral("/DCIM")).removeRecursively());
    QFile notFolder(usb + QStringLiteral("/DCIM"));
    QVERIFY(notFolder.open(QIODevice::WriteOnly));
    notFolder.close();
    QVERIFY(storage.freeName(QStringLiteral("EXT"), QStringLiteral("csv")).isEmpty());
    QCOMPARE(warnings.last(), QStringLiteral("Can't open file for writing!"));
    QVERIFY(QFile::remove(usb + QStringLiteral("/DCIM")));
}

void TestStorageActions::fileDialogModes()
{
    const QString folder = sandbox.root() + QStringLiteral("/media/usb/DCIM");
    QVERIFY(QDir().mkpath(folder));
    std::unique_ptr<QFileDialog> save(StorageActions::createFileDialog(1, QStringLiteral("Save"), folder + QStringLiteral("/EXT00004.csv"),
                                                                        QStringLiteral("Files (*.csv)")));
    QCOMPARE(save->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(save->testOption(QFileDialog::DontUseNativeDialog));
    QVERIFY(!save->isVisible());
    QCOMPARE(save->windowTitle(), QStringLiteral("Save"));
    QCOMPARE(save->directory().absolutePath(), folder);
    QCOMPARE(save->selectedFiles().value(0), folder + QStringLiteral("/EXT00004.csv"));
    QCOMPARE(save->nameFilters(), QStringList{"Files (*.csv)"});
    // The stick and the internal storage are offered beside the folder.
    QStringList places;
    for (const QUrl &url : save->sidebarUrls())
        places << QDir::cleanPath(url.toLocalFile());
    QCOMPARE(places, (QStringList{sandbox.root() + QStringLiteral("/media/usb"), sandbox.root() + QStringLiteral("/mnt")}));

    std::unique_ptr<QFileDialog> open(StorageActions::createFileDialog(2, QStringLiteral("Open"), folder + QStringLiteral("/CFG00001.ini"),
                                                                        QStringLiteral("Files (*.ini)")));
    QCOMPARE(open->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(open->directory().absolutePath(), folder);
    QCOMPARE(open->nameFilters(), QStringList{"Files (*.ini)"});
}

void TestStorageActions::imagePaths_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("saved");
    QTest::newRow("bitmap kept") << "/d/a.bmp" << "Image (*.jpg)" << "jpg" << "/d/a.bmp";
    QTest::newRow("capitals kept") << "/d/a.JPG" << "Image (*.bmp)" << "bmp" << "/d/a.JPG";
    QTest::newRow("filter decides") << "/d/a" << "Image (*.jpg)" << "bmp" << "/d/a.jpg";
    QTest::newRow("other suffix") << "/d/a.png" << "Image (*.bmp)" << "jpg" << "/d/a.png.bmp";
    QTest::newRow("trailing dot") << "/d/a." << "Image (*.bmp)" << "jpg" << "/d/a.bmp";
    QTest::newRow("no filter: saved type") << "/d/a" << "" << "jpg" << "/d/a.jpg";
    QTest::newRow("no filter, bad type") << "/d/a" << "" << "gif" << "/d/a.bmp";
}

void TestStorageActions::imagePaths()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, type);
    QFETCH(QString, saved);
    GlobalVar::imageType = type;
    QCOMPARE(StorageActions::imagePath(typed, filter), saved);
}

QTEST_MAIN(TestStorageActions)
#include "tst_storageactions.moc"
