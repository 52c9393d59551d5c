#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "Startup.h"
#include "SystemPaths.h"
#include "testutils.h"

// Where the program finds its files, on the camera and in the simulator, and the platform and
// screen format it starts on.
class TestSystemPaths : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void simulatorResolvesUnderRoot();
    void defaultSandboxIsPerUser();
    void cameraUsesRealPaths();
    void platform();
    void alphaChannel();

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

void TestSystemPaths::platform()
{
    QCOMPARE(Startup::platformFor(true, QByteArray()), QByteArray("linuxfb:fb=/dev/fb0"));
    // A platform named in the environment is kept, on the camera as in the simulator.
    QCOMPARE(Startup::platformFor(true, "linuxfb:fb=/dev/fb1:nographicsmodeswitch"),
             QByteArray("linuxfb:fb=/dev/fb1:nographicsmodeswitch"));
    QCOMPARE(Startup::platformFor(false, QByteArray()), QByteArray());
    QCOMPARE(Startup::platformFor(false, "offscreen"), QByteArray("offscreen"));
}

void TestSystemPaths::alphaChannel()
{
    const auto screen = [](__u32 bits, fb_bitfield transp, fb_bitfield red, fb_bitfield green, fb_bitfield blue) {
        fb_var_screeninfo s{};
        s.xres = 1920;
        s.yres = 1080;
        s.bits_per_pixel = bits;
        s.transp = transp;
        s.red = red;
        s.green = green;
        s.blue = blue;
        return s;
    };
    const auto isArgb = [](const fb_var_screeninfo &s) {
        return s.bits_per_pixel == 32 && s.transp.offset == 24 && s.transp.length == 8
            && s.red.offset == 16 && s.red.length == 8 && s.green.offset == 8
            && s.green.length == 8 && s.blue.offset == 0 && s.blue.length == 8;
    };
    // 32 bits without alpha (the toolkit would clear it to black and hide the picture), red and
    // blue swapped, or 16 bits: each is asked for with the alpha channel, its size kept.
    for (fb_var_screeninfo s : {screen(32, {0, 0, 0}, {16, 8, 0}, {8, 8, 0}, {0, 8, 0}),
                                screen(32, {24, 8, 0}, {0, 8, 0}, {8, 8, 0}, {16, 8, 0}),
                                screen(16, {0, 0, 0}, {11, 5, 0}, {5, 6, 0}, {0, 5, 0})}) {
        QVERIFY(Startup::withAlphaChannel(s));
        QVERIFY(isArgb(s));
        QCOMPARE(s.xres, 1920u);
        QCOMPARE(s.yres, 1080u);
        // Once it has the alpha channel nothing more is asked.
        QVERIFY(!Startup::withAlphaChannel(s));
    }
}

QTEST_MAIN(TestSystemPaths)
#include "tst_systempaths.moc"
