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
    QCOMPARE(Startup::platformFor(false, QByteArray()), QByteArray());
    QCOMPARE(Startup::platformFor(false, "offscreen"), QByteArray("offscreen"));
}

void TestStartup::alphaChannel()
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

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
