#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "CustomLine.h"
#include "core/FileMutations.h"
#include "FileRepairs.h"
#include "Frame.h"
#include "PanelFiles.h"
#include "ParamFile.h"
#include "hardware/RecordingCamera.h"
#include "ReferenceLines.h"
#include "SafeFile.h"
#include "DialogAnswers.h"
#include "testutils.h"
#include "ccdSetDialog.h"

using TestUtils::readFile;

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(TestUtils::writeFile(path, bytes));
}

// Another file of the same size under the same name and time, as a copy from another stick or
// a rewrite within one tick of the file system's clock leaves it.
void replaceKeepingTime(const QString &path, const QByteArray &bytes)
{
    const QDateTime stamp = QFileInfo(path).lastModified();
    QCOMPARE(QFileInfo(path).size(), qint64(bytes.size()));
    writeFile(path, bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
}

QVariantList penOf(const CustomLine &line)
{
    return {line.position, line.pen.width(), line.pen.color()};
}

// Everything "./param" sets, as one comparable list.
QVariantList paramState(const CustomLine &vertical, const CustomLine &horizontal)
{
    QVariantList state = {GlobalVar::shapeGraphPen.width(), GlobalVar::shapeGraphPen.color(), GlobalVar::bEditable,
                          GlobalVar::bMovable, GlobalVar::shapeTextFont.pointSize(), GlobalVar::shapeTextColor,
                          GlobalVar::bTextON, int(GlobalVar::textDigiLength), GlobalVar::bDetectAuto,
                          int(GlobalVar::language), GlobalVar::imageType, GlobalVar::bCrossShow,
                          GlobalVar::bSubPixel, penOf(vertical), penOf(horizontal)};
    for (const ruler &r : GlobalVar::rulerList)
        state << QVariant(QVariantList{r.name, r.pixel, r.length, int(r.unit)});
    return state;
}

QVariantList linesState()
{
    QVariantList state;
    for (const QVector<CustomLine *> &list : {GlobalVar::horizontalLineList, GlobalVar::verticalLineList}) {
        state << int(list.size());
        for (const CustomLine *line : list)
            state << QVariant(penOf(*line));
    }
    return state;
}

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}
} // namespace

// "./param", "./config" and the configuration files of custom lines, restored on a bare panel
// widget. Damaged and hand-edited files: the program starts, every value lies in its range, the
// rest of the file is kept, what was repaired is said once, and what is saved afterwards reads
// back the same.
class TestSettingsFiles : public QObject, private DialogAnswers
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void paramFuzz_data();
    void paramFuzz();
    void missingParamKeys();
    void lineCountsAreCapped();
    void unreadableFilesAreKeptAside();
    void restartAfterDamage_data();
    void restartAfterDamage();
    void configFileInUse();
    void replacedFilesReadAnew();
    void saveAndOpenLines();

private:
    void restoreParam();
    void checkParamRanges();

    TestUtils::Sandbox sandbox;
    QWidget panel;
    ReferenceLines *lines = nullptr;
    PanelFiles *files = nullptr;
    CustomLine vertical, horizontal;
    RecordingCamera camera;
    QByteArray goodParam, goodLines, goodConfig;
    QString linesPath;
};

void TestSettingsFiles::initTestCase()
{
    ccdSetDialog::setStepPause(0);
    CameraSeam::setInstance(&camera);
    init();
    // Good files with every key, from which the damaged ones are made.
    GlobalVar::shapeGraphPen.setWidth(2);
    GlobalVar::shapeTextFont.setPointSize(20);
    GlobalVar::textDigiLength = 4;
    GlobalVar::language = 1;
    GlobalVar::imageType = QStringLiteral("jpg");
    GlobalVar::rulerList = {{QStringLiteral("A,0.010mm/px"), 500.0f, 5.0f, 1}, {QStringLiteral("B,1.000inch/px"), 120.5f, 2.0f, 2}};
    vertical.position = QPointF(1000, 0);
    for (int kind : {1, 2, 3, 4, 5, 7})
        QVERIFY(files->save(kind));
    lines->rebuild(true, 3);
    lines->rebuild(false, 2);
    linesPath = sandbox.path(QStringLiteral("CFG00001.ini"));
    QVERIFY(files->saveLines(linesPath));
    goodParam = readFile(ParamFile::path());
    goodLines = readFile(linesPath);
    GlobalVar::IMX185 = {6, 0, 40, 20960, 9000, 29840, 3000, 2};
    writeFile(QStringLiteral("./config"), "[ccd]\nimage.password=47219\nimage.gain=6\nimage.exposure=0\n"
                                          "image.contrast=40\nimage.red=20960\nimage.green=9000\nimage.blue=29840\n"
                                          "image.sharpen=3000\nimage.gamma=2\n");
    goodConfig = readFile(QStringLiteral("./config"));
    cleanup();
}

void TestSettingsFiles::init()
{
    QFile::remove(ParamFile::path());
    for (const QString &aside : QDir().entryList({QStringLiteral("*.damaged*")}, QDir::Files))
        QFile::remove(aside);
    GlobalVar::resetToDefaults();
    for (CustomLine *cross : {&vertical, &horizontal}) {
        cross->name = cross == &vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal");
        cross->position = cross == &vertical ? QPointF(800, 0) : QPointF(0, 540);
        cross->pen = ParamFile::referencePen();
    }
    lines = new ReferenceLines(nullptr, &panel);
    files = new PanelFiles(&panel, lines, &vertical, &horizontal);
    answerDialogs();
    FileRepairs::takeReport();
}

void TestSettingsFiles::cleanup()
{
    lines->clearCustom();
    delete files;
    delete lines;
    forgetDialogs();
}

void TestSettingsFiles::restoreParam()
{
    lines->clearCustom();
    GlobalVar::resetToDefaults();
    files->restore();
}

void TestSettingsFiles::checkParamRanges()
{
    QVERIFY(within(GlobalVar::shapeGraphPen.width(), 1, 3));
    QVERIFY(within(GlobalVar::shapeTextFont.pointSize(), 12, 32));
    QVERIFY(within(GlobalVar::textDigiLength, 3, 4));
    QVERIFY(within(GlobalVar::language, 0, 2));
    QVERIFY(GlobalVar::imageType == QLatin1String("bmp") || GlobalVar::imageType == QLatin1String("jpg"));
    QCOMPARE(GlobalVar::shapeGraphPen.color().alpha(), 255);
    QVERIFY(GlobalVar::rulerList.size() <= ParamFile::largestRulerCount);
    for (const ruler &r : GlobalVar::rulerList)
        QVERIFY(r.pixel > 0 && r.length > 0 && r.unit <= 2);
    QVERIFY(within(int(vertical.position.x()), 0, 1920) && within(int(horizontal.position.y()), 0, 1080));
    QVERIFY(within(vertical.pen.width(), 1, 3) && within(horizontal.pen.width(), 1, 3));
    QVERIFY(GlobalVar::horizontalLineList.size() <= 32 && GlobalVar::verticalLineList.size() <= 32);
}

void TestSettingsFiles::paramFuzz_data()
{
    FileMutations::addRows("param", goodParam, 400, 20261207);
}

void TestSettingsFiles::paramFuzz()
{
    QFETCH(QByteArray, bytes);
    writeFile(ParamFile::path(), bytes);
    restoreParam();
    checkParamRanges();
    const QVariantList loaded = paramState(vertical, horizontal);
    for (int kind : {1, 2, 3, 4, 5, 7})
        QVERIFY(files->save(kind));
    restoreParam();
    QCOMPARE(paramState(vertical, horizontal), loaded);
    QVERIFY(warnings.isEmpty());
}

void TestSettingsFiles::missingParamKeys()
{
    // A file from before the label outline has it on, and is left as it was.
    const QByteArray before = "[param]\nlinewidth=1\nlinecolor=4294901760\nlineeditable=true\nlinemovable=true\n"
                              "textsize=12\ntextcolor=4278190335\ntextlabel=true\ntextlength=3\ndetect=false\n";
    writeFile(ParamFile::path(), before);
    GlobalVar::bTextOutline = false;
    ParamFile::read(1);
    QVERIFY(GlobalVar::bTextOutline);
    QVERIFY(!ParamFile::contains(QStringLiteral("param/textoutline")));

    // Only one key: the others take their start values, not 0, and the file is completed.
    writeFile(ParamFile::path(), "[param]\nlinewidth=1\n");
    restoreParam();
    QCOMPARE(GlobalVar::shapeTextColor, QColor(0, 0, 255, 255));
    QVERIFY(GlobalVar::bEditable && GlobalVar::bMovable && GlobalVar::bTextON);
    QCOMPARE(GlobalVar::textDigiLength, qint8(3));
    QCOMPARE(GlobalVar::shapeTextFont.pointSize(), 12);
    QCOMPARE(QSettings(ParamFile::path(), QSettings::IniFormat).value("param/textcolor").toUInt(), 0xFF0000FFu);
    QVERIFY(FileRepairs::takeReport().isEmpty());

    // Out of range: brought to the nearest limit, and said.
    writeFile(ParamFile::path(), "[param]\nlinewidth=-4\ntextsize=200\ntextlength=9\n");
    restoreParam();
    QCOMPARE(GlobalVar::shapeGraphPen.width(), 1);
    QCOMPARE(GlobalVar::shapeTextFont.pointSize(), 32);
    QCOMPARE(GlobalVar::textDigiLength, qint8(4));
    QVERIFY(FileRepairs::takeReport().contains(ParamFile::path()));
    // A switch that is neither true nor false keeps its start value, and is said.
    writeFile(ParamFile::path(), "[param]\nlinewidth=1\nlineeditable=maybe\n");
    restoreParam();
    QVERIFY(GlobalVar::bEditable);
    QVERIFY(FileRepairs::takeReport().contains(ParamFile::path()));

    // A cross hair between two pixels comes back where it was, without a word of damage.
    vertical.position = QPointF(1234.5, 0);
    QVERIFY(files->save(5));
    vertical.position = QPointF();
    restoreParam();
    QCOMPARE(vertical.position, QPointF(1234.5, 0));
    QVERIFY(FileRepairs::takeReport().isEmpty());
}

void TestSettingsFiles::lineCountsAreCapped()
{
    // A count far beyond what exists: only the lines present are made, never more than 32.
    writeFile(linesPath, "[hline]\ntotal=100000000\npy1=10\nwidth1=1\ncolor1=4294901760\npy3=30\n"
                         "[vline]\ntotal=-3\n");
    QVERIFY(ParamFile::setConfigFile(linesPath));
    restoreParam();
    QCOMPARE(linesState(), (QVariantList{2, QVariantList{QPointF(0, 10), 1, QColor(Qt::red)},
                                         QVariantList{QPointF(0, 30), 1, QColor(Qt::red)}, 0}));
    QVERIFY(FileRepairs::takeReport().contains(linesPath));

    QByteArray many = "[vline]\ntotal=40\n";
    for (int k = 1; k <= 40; ++k)
        many += "px" + QByteArray::number(k) + '=' + QByteArray::number(k * 10) + '\n';
    writeFile(linesPath, many);
    restoreParam();
    QCOMPARE(GlobalVar::verticalLineList.size(), 32);
    QCOMPARE(GlobalVar::verticalLineList.last()->position, QPointF(320, 0));
}

void TestSettingsFiles::unreadableFilesAreKeptAside()
{
    // Binary garbage and a file far too large are set aside, never overwritten, and defaults
    // take their place.
    const QByteArray garbage("\x01\x00\xff[param]\nlinewidth=3\x00\x7f", 20);
    writeFile(ParamFile::path(), garbage);
    restoreParam();
    QCOMPARE(readFile(ParamFile::path() + ".damaged"), garbage);
    QCOMPARE(GlobalVar::shapeGraphPen.width(), 1);
    QVERIFY(QSettings(ParamFile::path(), QSettings::IniFormat).contains("param/linewidth"));

    QFile huge(ParamFile::path());
    QVERIFY(huge.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(huge.resize(100 * 1024 * 1024));
    huge.close();
    restoreParam();
    QCOMPARE(QFileInfo(ParamFile::path() + ".damaged-2").size(), qint64(100 * 1024 * 1024));
    QCOMPARE(readFile(ParamFile::path() + ".damaged"), garbage);
    const QString report = FileRepairs::takeReport();
    QVERIFY(report.contains(ParamFile::path() + ".damaged-2"));
    QCOMPARE(report.count(QLatin1Char('\n')), 1);
    QFile::remove(ParamFile::path() + ".damaged-2");
}

void TestSettingsFiles::restartAfterDamage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("key");
    // A file that cannot be read at all is set aside as unreadableFilesAreKeptAside shows.
    QTest::newRow("param value") << ParamFile::path() << QByteArray("textsize");
    QTest::newRow("camera value") << QStringLiteral("./config") << QByteArray("image.red");
    QTest::newRow("lines value") << linesPath << QByteArray("py2");
}

void TestSettingsFiles::restartAfterDamage()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, key);
    lines->clearCustom();
    writeFile(ParamFile::path(), goodParam);
    writeFile(linesPath, goodLines);
    writeFile(QStringLiteral("./config"), goodConfig);
    writeFile(file, readFile(file).replace(key + '=', key + "=abc\n" + key + "_was="));

    CameraSeam::setInstance(nullptr);
    GlobalVar::resetToDefaults();
    auto *frame = new Frame(nullptr);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QTest::qWait(20);
    // Told once, naming the file; everything else as it was saved.
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(file));
    QCOMPARE(GlobalVar::imageType, QStringLiteral("jpg"));
    QCOMPARE(GlobalVar::shapeTextFont.pointSize(), file == ParamFile::path() ? 12 : 20);
    QCOMPARE(GlobalVar::rulerList.size(), 2);
    QCOMPARE(GlobalVar::IMX185.red, file == QLatin1String("./config") ? 20000u : 20960u);
    QCOMPARE(GlobalVar::IMX185.blue, 29840u);
    QCOMPARE(GlobalVar::horizontalLineList.size(), file == linesPath ? 2 : 3);
    delete frame;
    CameraSeam::setInstance(&camera);
}

void TestSettingsFiles::configFileInUse()
{
    // A configuration file in use that is gone brings nothing back. (One that is there brings
    // its lines back over a restart of the panel, as tst_menu shows.)
    QSignalSpy loaded(files, &PanelFiles::signal_linesLoaded);
    ParamFile::setConfigFile(sandbox.path(QStringLiteral("gone.ini")));
    files->restore();
    QVERIFY(GlobalVar::sConfigFileName.isEmpty());
    QVERIFY(loaded.isEmpty());

    // A first start on a medium that takes no file: the missing groups fail together, and the
    // user hears of it once.
    warnings.clear();
    QFile::remove(ParamFile::path());
    SafeFile::setFailingStep(SafeFile::Open);
    files->restore();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QStringLiteral("could not be saved")));
    // A later save that fails says so, and to its caller too.
    QVERIFY(!files->save(1));
    SafeFile::setFailingStep(SafeFile::NoStep);
    QVERIFY(!QFile::exists(ParamFile::path()));
    QCOMPARE(warnings.size(), 2);
}

void TestSettingsFiles::replacedFilesReadAnew()
{
    const QByteArray lineFile("[hline]\ntotal=1\npy1=100\nwidth1=1\ncolor1=4294901760\n[vline]\ntotal=0\n");
    writeFile(linesPath, lineFile);
    lines->load(linesPath);
    QCOMPARE(GlobalVar::horizontalLineList.value(0)->position.y(), 100.0);
    lines->clearCustom();
    replaceKeepingTime(linesPath, QByteArray(lineFile).replace("py1=100", "py1=200"));
    lines->load(linesPath);
    QCOMPARE(GlobalVar::horizontalLineList.value(0)->position.y(), 200.0);

    const QString config = QStringLiteral("./config");
    writeFile(config, goodConfig);
    delete new ccdSetDialog(nullptr);
    QCOMPARE(GlobalVar::IMX185.contrast, 40u);
    replaceKeepingTime(config, QByteArray(goodConfig).replace("image.contrast=40", "image.contrast=41"));
    delete new ccdSetDialog(nullptr);
    QCOMPARE(GlobalVar::IMX185.contrast, 41u);

    writeFile(ParamFile::path(), "[config]\nconfigfile=CFG00001.ini\n");
    QCOMPARE(ParamFile::configFile(), QStringLiteral("CFG00001.ini"));
    replaceKeepingTime(ParamFile::path(), "[config]\nconfigfile=CFG00002.ini\n");
    QCOMPARE(ParamFile::configFile(), QStringLiteral("CFG00002.ini"));
}

void TestSettingsFiles::saveAndOpenLines()
{
    lines->rebuild(true, 1);
    lines->rebuild(false, 3);
    const QString saved = sandbox.path(QStringLiteral("CFG00004.ini"));
    QVERIFY(files->saveLines(saved));
    QCOMPARE(ParamFile::configFile(), saved);

    // A place that cannot be written: a warning, and the file in use stays.
    writeFile(sandbox.path(QStringLiteral("file")), QByteArray());
    QVERIFY(!files->saveLines(sandbox.path(QStringLiteral("file/CFG00005.ini"))));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith("Can't open file for writing!\n"));
    QCOMPARE(GlobalVar::sConfigFileName, saved);
    QCOMPARE(ParamFile::configFile(), saved);

    // Cancelled: the lines stay. Chosen: its lines replace the current ones.
    QSignalSpy loaded(files, &PanelFiles::signal_linesLoaded);
    QString offered, answer;
    UserDialogs::setOpenFileHandler([&](const QString &, const QString &folder, const QString &) {
        offered = folder;
        return answer;
    });
    lines->rebuild(false, 0);
    QVERIFY(!files->openLines());
    QCOMPARE(offered, sandbox.root() + QStringLiteral("/mnt/DCIM"));
    QCOMPARE(GlobalVar::horizontalLineList.size(), 1);
    QVERIFY(GlobalVar::verticalLineList.isEmpty() && loaded.isEmpty());
    answer = saved;
    lines->rebuild(true, 5);
    QVERIFY(files->openLines());
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first(), (QVariantList{1, 3}));
    QCOMPARE(GlobalVar::horizontalLineList.size(), 1);
    QCOMPARE(GlobalVar::verticalLineList.at(2)->pos(), QPointF(1200, 0));
    QCOMPARE(GlobalVar::sConfigFileName, saved);

    // A file without lines, opened or in use at start: said, left where it is as it was, and
    // the lines shown stay.
    const QByteArray other("[camera]\nexposure=12\n");
    answer = sandbox.path(QStringLiteral("other.ini"));
    writeFile(answer, other);
    warnings.clear();
    QVERIFY(!files->openLines());
    QCOMPARE(warnings.size(), 1);
    const QString said = QLatin1Char('"') + answer + QStringLiteral("\" holds no line settings; it was left as it is.");
    QCOMPARE(warnings.first(), said);
    QCOMPARE(GlobalVar::horizontalLineList.size(), 1);
    QCOMPARE(GlobalVar::sConfigFileName, saved);
    QVERIFY(ParamFile::setConfigFile(answer));
    restoreParam();
    QVERIFY(GlobalVar::sConfigFileName.isEmpty() && GlobalVar::horizontalLineList.isEmpty());
    QCOMPARE(FileRepairs::takeReport(), said);
    QCOMPARE(readFile(answer), other);
    QVERIFY(QDir(sandbox.path(QString())).entryList({QStringLiteral("*.damaged*")}).isEmpty());
}

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
