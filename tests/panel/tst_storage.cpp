#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include <memory>

#include "CalibrateCircle.h"
#include "CalibrateLine.h"
#include "CustomLine.h"
#include "DialogAnswers.h"
#include "FreeName.h"
#include "MeasureLine.h"
#include "MeasurementDocument.h"
#include "ParamFile.h"
#include "ResultsCsv.h"
#include "ResultsTable.h"
#include "StorageActions.h"
#include "testutils.h"

// The panel's storage: free file names on the stick and the internal storage with their
// warnings, the shared file dialog, the CSV bytes and their safe writing, and the parameter file.
// The results table on a bare QTableWidget: its rows against GlobalVar::shapeList, deletion
// after a question, and a failed export.
class TestStorage : public QObject, private DialogAnswers
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void freeName_data();
    void freeName();
    void csvBytes();
    void firstStartParameters();
    void storageWarnings();
    void fileDialogModes();
    void imagePaths_data();
    void imagePaths();
    void rowsFollowItems();
    void deletingRows();
    void exportFailure();

private:
    MeasureLine *addLine(unsigned short serial)
    {
        auto *line = new MeasureLine;
        scene.addItem(line);
        line->setPoint(QPointF(100, 100 * serial), 1, serial);
        line->endDraw(QPointF(300, 100 * serial));
        GlobalVar::shapeList << line;
        return line;
    }
    QString cell(int row, int column) const { return table.item(row, column) ? table.item(row, column)->text() : QString(); }

    TestUtils::Sandbox sandbox;
    QWidget panel;
    QString folder;
    QGraphicsScene scene{0, 0, 1920, 1080};
    QTableWidget table;
    MeasurementDocument *document = nullptr;
    ResultsTable *results = nullptr;
};

void TestStorage::init()
{
    GlobalVar::resetToDefaults();
    QFile::remove(ParamFile::path());
    folder = sandbox.path(QStringLiteral("dcim-") + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    document = new MeasurementDocument(&scene);
    results = new ResultsTable(&table, document);
    results->init();
    answerDialogs();
}

void TestStorage::cleanup()
{
    StorageActions::freeDiskProbe = nullptr;
    delete results;
    delete document;
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    forgetDialogs();
}

void TestStorage::freeName_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<int>("next");
    QTest::newRow("empty folder") << QStringList() << "IMG" << "bmp,jpg" << 1;
    QTest::newRow("both image types count, short names and gaps do not")
        << QStringList{"IMG00001.bmp", "IMG00003.jpg", "IMG7.bmp"} << "IMG" << "bmp,jpg" << 4;
    QTest::newRow("eight letters that are not digits") << QStringList{"IMGABCDE.bmp"} << "IMG" << "bmp,jpg" << 1;
    QTest::newRow("other prefixes do not count") << QStringList{"EXT00005.csv", "IMG00002.bmp"} << "IMG" << "bmp" << 3;
    QTest::newRow("other extensions do not count") << QStringList{"EXT00005.txt", "EXT00002.csv"} << "EXT" << "csv" << 3;
    // A FAT stick does not tell "img00006.bmp" from "IMG00006.bmp": saving that would replace it.
    QTest::newRow("names in another case count")
        << QStringList{"img00006.bmp", "IMG00004.BMP", "Ext00009.csv"} << "IMG" << "bmp" << 7;
    QTest::newRow("last number") << QStringList{"CFG99998.ini"} << "CFG" << "ini" << 99999;
    QTest::newRow("beyond five digits") << QStringList{"CFG99999.ini"} << "CFG" << "ini" << 100000;
}

void TestStorage::freeName()
{
    QFETCH(QStringList, files);
    QFETCH(QString, prefix);
    QFETCH(QString, extensions);
    QFETCH(int, next);
    for (const QString &file : files)
        QVERIFY(TestUtils::writeFile(folder + QLatin1Char('/') + file));
    QCOMPARE(FreeName::nextNumber(folder, prefix, extensions), next);
}

void TestStorage::csvBytes()
{
    const QByteArray bytes = ResultsCsv::compose({QStringLiteral("index"), QStringLiteral("item"), QStringLiteral("value")},
                                                 {{QStringLiteral("1"), QStringLiteral("L1"), QStringLiteral("L1=12.500mm")},
                                                  {QStringLiteral("2"), QStringLiteral("C1"), QStringLiteral("R1=1.0mm\nD1=2.0mm")},
                                                  {QStringLiteral("3"), QStringLiteral("A\"1,b\nc"), QStringLiteral("A=\"5\", 2")}});
    // A quote inside a quoted field is doubled; a field with a quote, comma or line break is
    // quoted. Every other field is written as it stands.
    QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF"
                               "index,item,value,\r\n"
                               "1,L1,\"L1=12.500mm\",\r\n"
                               "2,C1,\"R1=1.0mm\nD1=2.0mm\",\r\n"
                               "3,\"A\"\"1,b\nc\",\"A=\"\"5\"\", 2\",\r\n"));
    // Chinese headers are written in UTF-8. (The file is written whole, as tst_core shows.)
    const QByteArray chinese = ResultsCsv::compose({QStringLiteral("序号")}, {});
    QCOMPARE(chinese, QByteArray("\xEF\xBB\xBF") + QStringLiteral("序号,\r\n").toUtf8());
}

void TestStorage::firstStartParameters()
{
    ParamFile::save(1);
    ParamFile::save(4);
    CustomLine vertical, horizontal;
    vertical.position = QPointF(800, 0);
    vertical.pen = ParamFile::referencePen();
    horizontal.position = QPointF(0, 540);
    horizontal.pen = ParamFile::referencePen();
    ParamFile::save(5, &vertical, &horizontal);

    // Every key with its start value, as stored files and older versions know them.
    const QSettings file(ParamFile::path(), QSettings::IniFormat);
    QStringList entries;
    for (const QString &key : file.allKeys())
        entries << key + QLatin1Char('=') + file.value(key).toString();
    entries.sort();
    QCOMPARE(entries, (QStringList{"crosshair/colorx=4294901760", "crosshair/colory=4294901760", "crosshair/on=true",
                                   "crosshair/px=800", "crosshair/py=540", "crosshair/widthx=1", "crosshair/widthy=1",
                                   "image/type=bmp", "param/detect=false", "param/linecolor=4294901760",
                                   "param/lineeditable=true", "param/linemovable=true", "param/linewidth=1",
                                   "param/textcolor=4278190335", "param/textlabel=true", "param/textlength=3",
                                   "param/textoutline=true", "param/textsize=12"}));
}

void TestStorage::storageWarnings()
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
    QVERIFY(QDir().mkpath(sandbox.root() + QStringLiteral("/mnt/DCIM")));
    QVERIFY(TestUtils::writeFile(sandbox.root() + QStringLiteral("/mnt/DCIM/CFG99999.ini")));
    warnings.clear();
    QVERIFY(storage.freeName(QStringLiteral("CFG"), QStringLiteral("ini")).isEmpty());
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QLatin1String("No free file name")));

    // A DCIM that is not a folder cannot take the file.
    QVERIFY(QDir(usb + QStringLiteral("/DCIM")).removeRecursively());
    QVERIFY(TestUtils::writeFile(usb + QStringLiteral("/DCIM")));
    QVERIFY(storage.freeName(QStringLiteral("EXT"), QStringLiteral("csv")).isEmpty());
    QCOMPARE(warnings.last(), QStringLiteral("Can't open file for writing!"));
    QVERIFY(QFile::remove(usb + QStringLiteral("/DCIM")));
}

void TestStorage::fileDialogModes()
{
    // Not the native dialog: the on-screen keyboard has to reach its name field.
    const QString dcim = sandbox.root() + QStringLiteral("/media/usb/DCIM");
    QVERIFY(QDir().mkpath(dcim));
    std::unique_ptr<QFileDialog> save(StorageActions::createFileDialog(1, QStringLiteral("Save"), dcim + QStringLiteral("/EXT00004.csv"),
                                                                        QStringLiteral("Files (*.csv)")));
    QCOMPARE(save->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(save->testOption(QFileDialog::DontUseNativeDialog));
    // The stick and the internal storage are offered beside the folder.
    QStringList places;
    for (const QUrl &url : save->sidebarUrls())
        places << QDir::cleanPath(url.toLocalFile());
    QCOMPARE(places, (QStringList{sandbox.root() + QStringLiteral("/media/usb"), sandbox.root() + QStringLiteral("/mnt")}));

    std::unique_ptr<QFileDialog> open(StorageActions::createFileDialog(2, QStringLiteral("Open"), dcim + QStringLiteral("/CFG00001.ini"),
                                                                        QStringLiteral("Files (*.ini)")));
    QCOMPARE(open->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(open->directory().absolutePath(), dcim);
}

void TestStorage::imagePaths_data()
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

void TestStorage::imagePaths()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, type);
    QFETCH(QString, saved);
    GlobalVar::imageType = type;
    QCOMPARE(StorageActions::imagePath(typed, filter), saved);
}

void TestStorage::rowsFollowItems()
{
    // Calibration items have no row.
    GlobalVar::shapeList << new CalibrateLine << new CalibrateCircle;
    MeasureLine *first = addLine(1);
    MeasureLine *second = addLine(2);
    results->update();
    QCOMPARE(cell(0, 1), QStringLiteral("L1"));
    QCOMPARE(cell(0, 2), first->labelValues());
    QCOMPARE(cell(1, 0) + cell(1, 1), QStringLiteral("2L2"));
    QVERIFY(cell(2, 0).isEmpty());

    // A removed item takes its row with it; the rest move up and are numbered again.
    GlobalVar::shapeList.removeOne(first);
    delete first;
    results->update();
    QCOMPARE(cell(0, 0) + cell(0, 1), QStringLiteral("1L2"));
    QVERIFY(!table.item(1, 0) && !table.item(1, 2));

    results->selectRow(0);
    QVERIFY(second->isSelected());
    results->selectRow(5); // an empty row selects nothing
    QVERIFY(!second->isSelected());
}

void TestStorage::deletingRows()
{
    addLine(1);
    MeasureLine *second = addLine(2);
    addLine(3);
    results->update();
    table.setCurrentCell(1, 0);
    QSignalSpy deleted(document, &MeasurementDocument::itemRemoved);

    answer = false;
    results->deleteCurrent();
    QVERIFY(questions == 1 && GlobalVar::shapeList.size() == 3);
    QVERIFY(deleted.isEmpty() && cell(1, 1) == QLatin1String("L2"));

    // The receiver gets the item alive, out of the list and still on the scene; then it leaves
    // the scene, kept by the history.
    answer = true;
    bool aliveAndUnlisted = false;
    connect(document, &MeasurementDocument::itemRemoved, this, [&](Shape *shape) {
        aliveAndUnlisted = shape == second && scene.items().contains(shape) && !GlobalVar::shapeList.contains(shape);
    });
    results->deleteCurrent();
    QVERIFY(deleted.size() == 1 && aliveAndUnlisted);
    QVERIFY(!scene.items().contains(second));
    QCOMPARE(cell(1, 1), QStringLiteral("L3"));

    results->deleteAll();
    QCOMPARE(deleted.size(), 3);
    QVERIFY(GlobalVar::shapeList.isEmpty() && scene.items().isEmpty());
    QVERIFY(table.rowCount() == 32 && cell(0, 0).isEmpty());
}

void TestStorage::exportFailure()
{
    // A file where the folder should be.
    QVERIFY(TestUtils::writeFile(sandbox.path(QStringLiteral("file"))));
    QVERIFY(!results->exportTo(sandbox.path(QStringLiteral("file/EXT00001.csv"))));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith(QLatin1String("Can't open file for writing!")));
}

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
