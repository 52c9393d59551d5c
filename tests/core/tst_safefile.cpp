#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "SafeFile.h"
#include "testutils.h"

namespace {
QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files)
           + QDir::temp().entryList({QStringLiteral("korvelin-settings-*")}, QDir::Files);
}
} // namespace

// A write that fails at any step leaves the previous file as it was, says so, and leaves no
// temporary file behind.
class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    // Settings copies are counted in a temporary folder of this test's own: other programs and
    // tests running beside it leave theirs in the shared one.
    void initTestCase() { qputenv("TMPDIR", ownTemp.path().toLocal8Bit()); }
    void cleanup() { SafeFile::setFailingStep(SafeFile::NoStep); }
    void replacesWhole();
    void failureKeepsOldFile_data();
    void failureKeepsOldFile();
    void fullFileSystem();

private:
    QTemporaryDir ownTemp;
    QTemporaryDir dir;
};

void TestSafeFile::replacesWhole()
{
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    QVERIFY(SafeFile::write(path, "first version, rather long\n"));
    QVERIFY(SafeFile::write(path, "second\n"));
    QCOMPARE(TestUtils::readFile(path), QByteArray("second\n"));

    // Settings edits keep the keys they do not touch.
    const QString ini = dir.filePath(QStringLiteral("param"));
    QVERIFY(SafeFile::editSettings(ini, [](QSettings &s) { s.setValue(QStringLiteral("a/one"), 1); }));

    // Without a temporary folder the edit takes a copy beside the file.
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.filePath(QStringLiteral("gone")).toLocal8Bit());
    const bool edited = SafeFile::editSettings(ini, [](QSettings &s) { s.setValue(QStringLiteral("c/three"), 3); });
    qputenv("TMPDIR", temporary);
    QVERIFY(edited);
    QSettings read(ini, QSettings::IniFormat);
    QCOMPARE(read.value(QStringLiteral("a/one")).toInt(), 1);
    QCOMPARE(read.value(QStringLiteral("c/three")).toInt(), 3);

    // Files of the user's under the names of the temporary file stay as they were.
    const QString csv = dir.filePath(QStringLiteral("parts.csv"));
    const QStringList own{csv + ".part", csv + ".1.part"};
    for (const QString &file : own)
        QVERIFY(TestUtils::writeFile(file, "the user's own"));
    QVERIFY(SafeFile::write(csv, "values\n"));
    QCOMPARE(TestUtils::readFile(csv), QByteArray("values\n"));
    for (const QString &file : own) {
        QCOMPARE(TestUtils::readFile(file), QByteArray("the user's own"));
        QFile::remove(file);
    }

    // No folder to write in.
    QString error;
    QVERIFY(!SafeFile::write(dir.filePath(QStringLiteral("none/file")), "x", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(leftovers(dir.path()).isEmpty());
}

void TestSafeFile::failureKeepsOldFile_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("settings");
    for (int step = SafeFile::Open; step <= SafeFile::Rename; ++step) {
        QTest::newRow(qPrintable(QStringLiteral("bytes, step %1").arg(step))) << step << false;
        QTest::newRow(qPrintable(QStringLiteral("settings, step %1").arg(step))) << step << true;
    }
}

void TestSafeFile::failureKeepsOldFile()
{
    QFETCH(int, step);
    QFETCH(bool, settings);
    const QString path = dir.filePath(QStringLiteral("config"));
    QVERIFY(SafeFile::write(path, "[ccd]\nimage.gain=4\n"));
    const QByteArray before = TestUtils::readFile(path);

    SafeFile::setFailingStep(SafeFile::Step(step));
    QString error;
    const bool written = settings
        ? SafeFile::editSettings(path, [](QSettings &s) { s.setValue(QStringLiteral("ccd/image.gain"), 8); }, &error)
        : SafeFile::write(path, "something else entirely", &error);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(TestUtils::readFile(path), before);
    QVERIFY(leftovers(dir.path()).isEmpty());
}

void TestSafeFile::fullFileSystem()
{
    if (geteuid() != 0)
        QSKIP("a small file system can be mounted only as root");
    QTemporaryDir mount;
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount.path()}) != 0)
        QSKIP("this machine does not allow mounting a small file system");
    const QString path = mount.filePath(QStringLiteral("capture.bmp"));
    const QByteArray small(20000, 'a');
    QVERIFY(SafeFile::write(path, small));
    QString error;
    QVERIFY(!SafeFile::write(path, QByteArray(200000, 'b'), &error));
    QVERIFY(!error.isEmpty());
    const QByteArray kept = TestUtils::readFile(path);
    const QStringList left = leftovers(mount.path());
    QProcess::execute(QStringLiteral("umount"), {mount.path()});
    QCOMPARE(kept, small);
    QVERIFY(left.isEmpty());
}

QTEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
