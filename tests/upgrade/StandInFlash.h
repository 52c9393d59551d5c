#ifndef STANDINFLASH_H
#define STANDINFLASH_H

#include <QDir>
#include <QFile>

#include "FlashImage.h"
#include "SystemPaths.h"
#include "testutils.h"

// Stand-ins for the camera's NAND: plain files for dev/mtd0 and dev/mtd2 under the sandbox
// root, and small scripts in its usr/sbin/ in place of the MTD tools. A marker file beside the
// tools makes one fail: "fail-<tool>", "corrupt-nandwrite" (writes, then spoils a byte), or
// "slow-nandwrite" (takes a second). With "once-" in front ("once-fail-nandwrite") only the next
// call fails.
namespace StandInFlash {

using TestUtils::readFile;

inline QString path(const QString &camera) { return SystemPaths::resolve(camera); }
// A file in the internal storage and on the stick.
inline QString mnt(const QString &name) { return path(QStringLiteral("/mnt/") + name); }
inline QString usb(const QString &name) { return path(QStringLiteral("/media/usb/") + name); }
inline QByteArray mtd(int n) { return readFile(path(QStringLiteral("/dev/mtd%1").arg(n))); }

inline void writeFile(const QString &file, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(data), qint64(data.size()));
}

inline void writeTool(const QString &name, const QByteArray &body)
{
    const QString file = path(QStringLiteral("/usr/sbin/") + name);
    const QByteArray tool = name.toLatin1();
    writeFile(file, "#!/bin/sh\nd=$(dirname \"$0\")\n[ -e \"$d/fail-" + tool + "\" ] && exit 1\n"
                    "[ -e \"$d/once-fail-" + tool + "\" ] && rm \"$d/once-fail-" + tool + "\" && exit 1\n" + body);
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner | QFile::ExeUser);
}

inline void installTools()
{
    writeTool(QStringLiteral("flash_eraseall"), "head -c \"$(wc -c < \"$1\")\" /dev/zero > \"$1\"\n");
    writeTool(QStringLiteral("nandwrite"),
              "[ \"$1\" = -p ] || exit 2\n"
              "[ -e \"$d/slow-nandwrite\" ] && sleep 1\n"
              "dd if=\"$3\" of=\"$2\" conv=notrunc status=none || exit 1\n"
              "[ -e \"$d/corrupt-nandwrite\" ] && printf X | dd of=\"$2\" bs=1 seek=100 conv=notrunc status=none\n"
              "exit 0\n");
    writeTool(QStringLiteral("nanddump"),
              "s=0; l=-1\n"
              "while [ $# -gt 1 ]; do case \"$1\" in\n"
              "  -s) s=$(($2)); shift 2;; -l) l=$(($2)); shift 2;; -f) f=$2; shift 2;; *) exit 2;; esac; done\n"
              "if [ \"$l\" -lt 0 ]; then cat \"$1\" > \"$f\"; else tail -c +$((s + 1)) \"$1\" | head -c \"$l\" > \"$f\"; fi\n");
}

inline void setMarker(const QString &marker) { writeFile(path(QStringLiteral("/usr/sbin/") + marker), "1"); }

// Every marker has a dash in its name, and no tool has.
inline void clearMarkers()
{
    const QDir tools(path(QStringLiteral("/usr/sbin")));
    for (const QString &marker : tools.entryList({QStringLiteral("*-*")}, QDir::Files))
        QFile::remove(tools.filePath(marker));
}

// What the boot partition holds before an upgrade.
inline QByteArray oldSystem() { return QByteArray(int(FlashImage::systemBlockSize), 'S'); }
inline QByteArray oldBootScreen() { return QByteArray(int(FlashImage::bootScreenSize), 'B'); }

inline void resetPartitions()
{
    writeFile(path(QStringLiteral("/dev/mtd0")), oldSystem() + oldBootScreen());
    writeFile(path(QStringLiteral("/dev/mtd2")), QByteArray(65536, 'T'));
}

} // namespace StandInFlash

#endif // STANDINFLASH_H
