#include <QTest>

#include "Startup.h"

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void platform();
    void alphaChannel();
};

void TestStartup::platform()
{
    QCOMPARE(Startup::platformFor(true, QByteArray()), QByteArray("linuxfb:fb=/dev/fb0"));
    // A platform named in the environment is kept, on the camera as in the simulator.
    QCOMPARE(Startup::platformFor(true, "linuxfb:fb=/dev/fb1:nographicsmodeswitch"),
             QByteArray("linuxfb:fb=/dev/fb1:nographicsmodeswitch"));
    QCOMPARE(Startup::platformFor(true, "vnc"), QByteArray("vnc"));
    QCOMPARE(Startup::platformFor(false, QByteArray()), QByteArray());
    QCOMPARE(Startup::platformFor(false, "offscreen"), QByteArray("offscreen"));
}

void TestStartup::alphaChannel()
{
    const auto isArgb = [](const fb_var_screeninfo &s) {
        return s.bits_per_pixel == 32 && s.transp.offset == 24 && s.transp.length == 8
            && s.red.offset == 16 && s.red.length == 8 && s.green.offset == 8
            && s.green.length == 8 && s.blue.offset == 0 && s.blue.length == 8;
    };
    fb_var_screeninfo screen{};
    screen.xres = 1920;
    screen.yres = 1080;
    screen.bits_per_pixel = 32;
    screen.red = {16, 8, 0};
    screen.green = {8, 8, 0};
    screen.blue = {0, 8, 0};

    // 32 bits without alpha: the toolkit would clear it to black and hide the picture.
    fb_var_screeninfo rgb = screen;
    QVERIFY(Startup::withAlphaChannel(rgb));
    QVERIFY(isArgb(rgb));
    QCOMPARE(rgb.xres, 1920u);
    QCOMPARE(rgb.yres, 1080u);
    // Once it has the alpha channel nothing more is asked.
    QVERIFY(!Startup::withAlphaChannel(rgb));

    // Red and blue swapped, or 16 bits: the same request.
    fb_var_screeninfo abgr = screen;
    abgr.transp = {24, 8, 0};
    abgr.red = {0, 8, 0};
    abgr.blue = {16, 8, 0};
    QVERIFY(Startup::withAlphaChannel(abgr));
    QVERIFY(isArgb(abgr));
    fb_var_screeninfo rgb565 = screen;
    rgb565.bits_per_pixel = 16;
    rgb565.red = {11, 5, 0};
    rgb565.green = {5, 6, 0};
    rgb565.blue = {0, 5, 0};
    QVERIFY(Startup::withAlphaChannel(rgb565));
    QVERIFY(isArgb(rgb565));
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
