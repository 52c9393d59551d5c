#include "Startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QResource>

#include "SystemPaths.h"
#include "UpgradeFiles.h"

#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

// Resources are registered from the global namespace, where their names live.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace {
// The labels and forms ask for "Source Han Sans". Whatever font file stands in the working
// folder under the camera's name answers to both of its family names.
void registerFont()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("SourceHanSans-Light.ttc"));
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return;
    QFont::insertSubstitution(QStringLiteral("Source Han Sans"), families.first());
    QFont::insertSubstitution(QStringLiteral("Source Han Sans SC"), families.first());
}
} // namespace

QByteArray Startup::platformFor(bool camera, const QByteArray &requested)
{
    if (!requested.isEmpty() || !camera)
        return requested;
    return QByteArrayLiteral("linuxfb:fb=/dev/fb0");
}

bool Startup::withAlphaChannel(fb_var_screeninfo &screen)
{
    const auto is = [](const fb_bitfield &field, __u32 offset) {
        return field.offset == offset && field.length == 8 && field.msb_right == 0;
    };
    if (screen.bits_per_pixel == 32 && is(screen.transp, 24) && is(screen.red, 16)
        && is(screen.green, 8) && is(screen.blue, 0))
        return false;
    screen.bits_per_pixel = 32;
    screen.transp = {24, 8, 0};
    screen.red = {16, 8, 0};
    screen.green = {8, 8, 0};
    screen.blue = {0, 8, 0};
    screen.grayscale = 0;
    screen.nonstd = 0;
    return true;
}

// The window system's background, where no window draws, is what the frame buffer holds. The
// toolkit fills it with transparent only on a screen with an alpha channel (on any other with
// black), and before its first frame the buffer still shows whatever the boot left there.
void Startup::prepareDisplay()
{
    if (!SystemPaths::isCamera())
        return;
    const QByteArray platform = platformFor(true, qgetenv("QT_QPA_PLATFORM"));
    qputenv("QT_QPA_PLATFORM", platform);
    if (!platform.startsWith("linuxfb"))
        return;
    QByteArray device = QByteArrayLiteral("/dev/fb0");
    for (const QByteArray &argument : platform.split(':')) {
        if (argument.startsWith("fb="))
            device = argument.mid(3);
    }
    const int fd = ::open(device.constData(), O_RDWR);
    if (fd < 0) {
        std::printf("%s open error\n", device.constData());
        return;
    }
    fb_var_screeninfo screen;
    if (::ioctl(fd, FBIOGET_VSCREENINFO, &screen) == 0 && withAlphaChannel(screen)
        && ::ioctl(fd, FBIOPUT_VSCREENINFO, &screen) != 0)
        std::printf("%s has no alpha channel: the overlay hides the camera picture\n", device.constData());
    fb_fix_screeninfo fixed;
    if (::ioctl(fd, FBIOGET_FSCREENINFO, &fixed) == 0 && fixed.smem_len > 0) {
        void *memory = ::mmap(nullptr, fixed.smem_len, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (memory != MAP_FAILED) {
            std::memset(memory, 0, fixed.smem_len); // every pixel fully transparent
            ::munmap(memory, fixed.smem_len);
        }
    }
    ::close(fd);
    std::fflush(stdout);
}

void Startup::prepare()
{
    registerIcons();
    QApplication::setApplicationName(QStringLiteral("Korvelin"));
    QApplication::setApplicationVersion(QString::number(2.13));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assist/Icon/assist/transparenticon.png")));
    registerFont();
    // The upgrade's firmware payloads (":/7010/") travel beside the program.
    QResource::registerResource(QApplication::applicationDirPath() + QStringLiteral("/firmware.rcc"));
    SystemPaths::prepareSandbox();
    // An upgrade cut off by a crash or a power cut leaves its files in the internal storage.
    UpgradeFiles::removeLeftovers();
}
