#ifndef FLASHIMAGE_H
#define FLASHIMAGE_H

#include <QByteArray>

class QImage;

// The boot image of the first NAND partition: a 16 MiB system block (kernel, device tree,
// RAM disk) followed by the boot screen block, the raw 32-bit pixels of a 1920 x 1080 picture.
// Everything here is checked before anything touches the flash.
namespace FlashImage {

constexpr qint64 systemBlockSize = 16 * 1024 * 1024;
constexpr int screenWidth = 1920;
constexpr int screenHeight = 1080;
constexpr qint64 bootScreenSize = qint64(screenWidth) * screenHeight * 4;
constexpr qint64 imageSize = systemBlockSize + bootScreenSize;

// The boot screen block of a 1920 x 1080 picture, converted to 32 bits first; empty for a null
// picture or one of another size, which the boot loader would show cut or shifted.
QByteArray bootScreenBlock(const QImage &picture);

// A flattened device tree: the magic d0 0d fe ed, and a header whose total size (big-endian, at
// offset 4) covers at least the header itself and no more than the data.
bool isDeviceTree(const QByteArray &data);

// A system image of at most 16 MiB padded to the block, followed by a boot screen block of the
// exact size. Empty when either part is empty or of the wrong size: a longer system image
// cannot be cut without breaking it.
QByteArray assemble(const QByteArray &system, const QByteArray &bootScreen);

} // namespace FlashImage

#endif // FLASHIMAGE_H
