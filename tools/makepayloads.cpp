// Writes stand-in firmware payloads of the sizes and roles of the camera's own: a system image
// (13,621,184 bytes), a default boot screen (1920 x 1080 pixels of 4 bytes) and a device tree
// (10,941 bytes). They let the upgrade procedures run end to end; a camera needs the real ones.
// A file "stand-in" beside them marks them as such, and the program packs it with them.
//   makepayloads <output folder>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>

namespace {
bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Noise that does not compress, as a kernel and RAM disk would not.
QByteArray noise(int size, quint32 seed)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        data[i] = char(seed >> 24);
    }
    return data;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makepayloads <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.absolutePath());

    QByteArray system = noise(13621184, 7010);
    system.replace(0, 32, QByteArray("KORVELIN PLACEHOLDER SYSTEM    \n"));

    // A dark blue screen that brightens towards its middle band.
    QByteArray screen;
    screen.reserve(1920 * 1080 * 4);
    for (int y = 0; y < 1080; ++y) {
        const int level = 40 + 60 * (540 - qAbs(540 - y)) / 540;
        const char pixel[4] = {char(level * 2), char(level / 2), char(level / 4), char(0xff)};
        for (int x = 0; x < 1920; ++x)
            screen.append(pixel, 4);
    }

    // A flattened device tree header (magic and total size), the rest empty.
    QByteArray tree(10941, '\0');
    qToBigEndian<quint32>(0xd00dfeed, tree.data());
    qToBigEndian<quint32>(quint32(tree.size()), tree.data() + 4);

    const bool ok = writeFile(out.filePath(QStringLiteral("system.bin")), system)
                    && writeFile(out.filePath(QStringLiteral("bootscreen.dat")), screen)
                    && writeFile(out.filePath(QStringLiteral("devicetree.dtb")), tree)
                    && writeFile(out.filePath(QStringLiteral("stand-in")),
                                 "These payloads are stand-ins, not the camera's firmware.\n");
    if (!ok)
        std::fprintf(stderr, "makepayloads: cannot write to %s\n", argv[1]);
    return ok ? 0 : 1;
}
