#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "CustomLine.h"
#include "PanelFiles.h"
#include "ParamFile.h"
#include "ReferenceLines.h"
#include "UserDialogs.h"
#include "testutils.h"

// Restoring "./param" and the configuration files of custom lines, on a bare panel widget
// with reference lines that are on no scene.
class TestPanelFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void restore();
    void saveAndOpenLines();

private:
    TestUtils::Sandbox sandbox;
    QWidget panel;
    ReferenceLines *lines = nullptr;
    PanelFiles *files = nullptr;
    CustomLine vertical, horizontal;
    QStringList warnings;
};

void TestPanelFiles::init()
{
    QFile::remove(ParamFile::path());
    GlobalVar::resetToDefaults();
    for (CustomLine *cross : {&vertical, &horizontal}) {
        cross->name = cross == &vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal");
        cross->position = cross == &vertical ? QPointF(800, 0) : QPointF(0, 540);
        cross->pen = ParamFile::referencePen();
        cross->initialLine();
    }
    lines = new ReferenceLines(nullptr, &panel);
    files = new PanelFiles(&panel, lines, &vertical, &horizontal);
    warnings.clear();
    UserDialogs::setWarningHandler([this](const QString &, const QString &text) { warnings << text; return true; });
}

void TestPanelFiles::cleanup()
{
    lines->clearCustom();
    delete files;
    delete lines;
    UserDialogs::setWarningHandler(nullptr);
    UserDialogs::setOpenFileHandler(nullptr);
}

void TestPanelFiles::restore()
{
    QSignalSpy loaded(files, &PanelFiles::signal_linesLoaded);
    files->restore();
    QSettings written(ParamFile::path(), QSettings::IniFormat);
    QCOMPARE(written.value("param/linewidth").toInt(), 1);
    QCOMPARE(written.value("image/type").toString(), QStringLiteral("bmp"));
    QCOMPARE(written.value("crosshair/px").toInt() + written.value("crosshair/py").toInt(), 800 + 540);
    QVERIFY(!written.contains("international/language") && !written.contains("ruler/name"));

    // A configuration file in use that is gone brings nothing back.
    ParamFile::setConfigFile(sandbox.path(QStringLiteral("gone.ini")));
    files->restore();
    QVERIFY(GlobalVar::sConfigFileName.isEmpty());
    QVERIFY(loaded.isEmpty());

    // What is kept is read back, the lines of the configuration file in use among it.
    lines->rebuild(true, 2);
    const QString config = sandbox.path(QStringLiteral("CFG00001.ini"));
    QVERIFY(files->saveLines(config));
    lines->clearCustom();
    written.setValue("crosshair/px", 1000);
    written.setValue("international/language", 2);
    written.sync();
    files->restore();
    QCOMPARE(vertical.pos(), QPointF(1000, 0));
    QCOMPARE(GlobalVar::language, quint8(2));
    QCOMPARE(GlobalVar::sConfigFileName, config);
    QCOMPARE(GlobalVar::horizontalLineList.size(), 2);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first(), (QVariantList{2, 0}));

    // A first start on a medium that takes no file: the missing groups fail together, and the
    // user hears of it once.
    QFile::remove(ParamFile::path());
    QVERIFY(QDir().mkdir(ParamFile::path() + QStringLiteral(".edit")));
    files->restore();
    QDir().rmdir(ParamFile::path() + QStringLiteral(".edit"));
    QVERIFY(!QFile::exists(ParamFile::path()));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QStringLiteral("could not be saved")));
}

void TestPanelFiles::saveAndOpenLines()
{
    lines->rebuild(true, 1);
    lines->rebuild(false, 3);
    const QString saved = sandbox.path(QStringLiteral("CFG00002.ini"));
    QVERIFY(files->saveLines(saved));
    QCOMPARE(ParamFile::configFile(), saved);

    // A place that cannot be written: a warning, and the file in use stays.
    QVERIFY(QFile(sandbox.path(QStringLiteral("file"))).open(QIODevice::WriteOnly));
    QVERIFY(!files->saveLines(sandbox.path(QStringLiteral("file/CFG00003.ini"))));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith("Can't open file for writing!\n"));
    QCOMPARE(GlobalVar::sConfigFileName, saved);
    QCOMPARE(ParamFile::configFile(), saved);

    // Cancelled: the lines stay.
    QSignalSpy loaded(files, &PanelFiles::signal_linesLoaded);
    QString offered;
    QString answer;
    UserDialogs::setOpenFileHandler([&](const QString &, const QString &folder, const QString &) {
        offered = folder;
        return answer;
    });
    lines->rebuild(false, 0);
    QVERIFY(!files->openLines());
    QCOMPARE(offered, sandbox.root() + QStringLiteral("/mnt/DCIM"));
    QCOMPARE(GlobalVar::horizontalLineList.size(), 1);
    QVERIFY(GlobalVar::verticalLineList.isEmpty());
    QVERIFY(loaded.isEmpty());

    // Chosen: its lines replace the current ones.
    answer = saved;
    lines->rebuild(true, 5);
    QVERIFY(files->openLines());
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first(), (QVariantList{1, 3}));
    QCOMPARE(GlobalVar::horizontalLineList.size(), 1);
    QCOMPARE(GlobalVar::verticalLineList.at(2)->pos(), QPointF(1200, 0));
    QCOMPARE(GlobalVar::sConfigFileName, saved);
}

QTEST_MAIN(TestPanelFiles)
#include "tst_panelfiles.moc"
