#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "SystemPaths.h"
#include "testutils.h"

class TestSystemPaths : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void simulatorResolvesUnderRoot();
    void defaultSandboxIsPerUser();
    void cameraUsesRealPaths();

private:
    TestUtils::Sandbox sandbox;
};

void TestSystemPaths::cleanup()
{
    qputenv("KORVELIN_CAMERA", "sim");
    qputenv("KORVELIN_ROOT", QFile::encodeName(sandbox.root()));
    SystemPaths::reset();
}

void TestSystemPaths::simulatorResolvesUnderRoot()
{
    QVERIFY(!SystemPaths::isCamera());
    const QString root = sandbox.root();
    QCOMPARE(SystemPaths::root(), root);
    QCOMPARE(SystemPaths::resolve(QStringLiteral("/media/usb/")), root + QStringLiteral("/media/usb/"));
    // Resolving twice changes nothing; relative files stay in the working folder.
    QCOMPARE(SystemPaths::resolve(SystemPaths::resolve(QStringLiteral("/mnt/"))), root + QStringLiteral("/mnt/"));
    QCOMPARE(SystemPaths::resolve(QStringLiteral("./param")), QStringLiteral("./param"));
    // A root that is only a prefix of a real folder's name is not mistaken for that folder.
    QCOMPARE(SystemPaths::resolve(root + QStringLiteral("x/y")), root + root + QStringLiteral("x/y"));

    // The simulator's stick and internal storage exist after start-up.
    QVERIFY(QFileInfo(root + QStringLiteral("/media/usb")).isDir() && QFileInfo(root + QStringLiteral("/mnt")).isDir());
}

void TestSystemPaths::defaultSandboxIsPerUser()
{
    qunsetenv("KORVELIN_ROOT");
    qputenv("XDG_DATA_HOME", QFile::encodeName(sandbox.path(QStringLiteral("data"))));
    SystemPaths::reset();
    QCOMPARE(SystemPaths::root(), sandbox.path(QStringLiteral("data/Korvelin/sandbox")));
    QVERIFY(SystemPaths::prepareSandbox());
    QVERIFY(QFileInfo(sandbox.path(QStringLiteral("data/Korvelin/sandbox/media/usb"))).isDir());
    qunsetenv("XDG_DATA_HOME");
}

void TestSystemPaths::cameraUsesRealPaths()
{
    qputenv("KORVELIN_CAMERA", "device");
    SystemPaths::reset();
    QVERIFY(SystemPaths::isCamera());
    QCOMPARE(SystemPaths::root(), QStringLiteral("/"));
    QCOMPARE(SystemPaths::resolve(QStringLiteral("/media/usb/")), QStringLiteral("/media/usb/"));
    QCOMPARE(SystemPaths::qtTranslationsPath(), QStringLiteral("/opt/Zynq/Qt-4.8.6/translations"));
    // The camera's display is its screen; the simulator always draws for 1920 x 1080.
    QCOMPARE(SystemPaths::displaySize(), QGuiApplication::primaryScreen()->geometry().size());
    qputenv("KORVELIN_CAMERA", "sim");
    SystemPaths::reset();
    QCOMPARE(SystemPaths::displaySize(), QSize(1920, 1080));
}

QTEST_MAIN(TestSystemPaths)
#include "tst_systempaths.moc"
