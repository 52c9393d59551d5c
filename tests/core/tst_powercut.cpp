#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>
#include <QThread>

#include <cstring>

#include "ResultsCsv.h"
#include "SafeFile.h"
#include "UpgradeFiles.h"
#include "testutils.h"

// Power cuts: each kind of write runs in a child process, over and over between two versions of
// its file, and is killed (SIGKILL) at a random moment. Afterwards the file must be one version
// or the other, whole, and read back as such. The kinds are the three ways the program writes:
// whole files (the CSV export stands for a capture too), settings edits ("./param", "./config", a saved
// configuration file) and the upgrade's replacement of the application.
namespace {
const int killsPerKind = 60;

QByteArray csv(int version)
{
    QVector<ResultsCsv::Row> rows;
    for (int i = 0; i < 2000; ++i)
        rows.append({QString::number(i), QStringLiteral("L%1").arg(i), QStringLiteral("%1.%2mm").arg(version).arg(i)});
    return ResultsCsv::compose({QStringLiteral("No."), QStringLiteral("Item"), QStringLiteral("Value")}, rows);
}

QByteArray program(int version)
{
    return QByteArray(1 << 20, char('A' + version));
}

bool writeVersion(const QString &kind, const QString &path, int version)
{
    if (kind == QLatin1String("csv"))
        return SafeFile::write(path, csv(version));
    if (kind == QLatin1String("settings")) {
        return SafeFile::editSettings(path, [version](QSettings &settings) {
            for (int g = 0; g < 20; ++g)
                for (int k = 0; k < 20; ++k)
                    settings.setValue(QStringLiteral("group%1/key%2").arg(g).arg(k), version * 1000 + k);
        });
    }
    // The application: the two versions lie beside it, as on the stick.
    return UpgradeFiles::replace(path + QStringLiteral(".v%1").arg(version), path);
}

// The child: writes the versions in turn until it is killed, saying after each write.
int writeForever(const QString &kind, const QString &path)
{
    for (int version = 1;; version ^= 1) {
        if (!writeVersion(kind, path, version))
            return 1;
        std::fputs("written\n", stdout);
        std::fflush(stdout);
    }
}

} // namespace

class TestPowerCut : public QObject
{
    Q_OBJECT

private slots:
    void killedWrite_data();
    void killedWrite();

private:
    TestUtils::Sandbox sandbox;
};

void TestPowerCut::killedWrite_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"csv", "settings", "application"})
        QTest::newRow(kind) << kind;
}

void TestPowerCut::killedWrite()
{
    QFETCH(QString, kind);
    const QString path = QDir::current().absoluteFilePath(kind + QStringLiteral(".file"));
    if (kind == QLatin1String("application")) {
        for (int version : {0, 1})
            QVERIFY(TestUtils::writeFile(path + QStringLiteral(".v%1").arg(version), program(version)));
        QFile::copy(path + QStringLiteral(".v0"), path);
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner));
    }
    // Each version as a write that is not cut leaves it; the file starts in version 0.
    QByteArray versions[2];
    for (int version : {1, 0}) {
        QVERIFY(writeVersion(kind, path, version));
        versions[version] = TestUtils::readFile(path);
    }
    // Which version the file holds, whole; -1 for anything else.
    const auto versionOf = [&] {
        const QByteArray bytes = TestUtils::readFile(path);
        const bool usable = kind != QLatin1String("application") || QFileInfo(path).isExecutable();
        return !usable ? -1 : bytes == versions[0] ? 0 : bytes == versions[1] ? 1 : -1;
    };
    QCOMPARE(versionOf(), 0);

    QRandomGenerator random(35);
    int seen[2] = {0, 0};
    for (int kill = 0; kill < killsPerKind; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write"), kind, path});
        QVERIFY(child.waitForStarted());
        // The cut falls among the writes: after the first one, at a random moment within about
        // two writes, timed by the second one so that a busy machine still cuts in between.
        QVERIFY(child.waitForReadyRead(20000));
        child.readAll();
        QElapsedTimer took;
        took.start();
        QVERIFY(child.waitForReadyRead(20000));
        QThread::msleep(random.bounded(0, int(2 * took.elapsed()) + 2));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const int version = versionOf();
        QVERIFY2(version >= 0, qPrintable(QStringLiteral("kill %1 left a broken file").arg(kill)));
        ++seen[version];
    }
    qInfo("%s: %d kills; old %d, new %d whole", qPrintable(kind), killsPerKind, seen[0], seen[1]);
    QVERIFY(seen[0] > 0 && seen[1] > 0);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--write") == 0) {
        QCoreApplication app(argc, argv);
        return writeForever(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    TestPowerCut test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_powercut.moc"
