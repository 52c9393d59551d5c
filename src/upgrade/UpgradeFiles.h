#ifndef UPGRADEFILES_H
#define UPGRADEFILES_H

#include <QString>

// The files the upgrade keeps for a moment in the internal storage "/mnt/" (camera paths, to be
// resolved through SystemPaths), and the one way it puts a file in place. A run removes its
// files however it ends; a crash or a power cut may leave them, and the next start removes them.
namespace UpgradeFiles {

// The partition's old contents, saved before it is erased.
const QString previousDump = QStringLiteral("/mnt/previous.bin");
// What the partition holds after writing, compared with the image.
const QString readBack = QStringLiteral("/mnt/readback.bin");
// The boot partition's whole image, and the device tree's, as they are written.
const QString bootImage = QStringLiteral("/mnt/system.bin");
const QString deviceTreeImage = QStringLiteral("/mnt/devicetree.dtb");
// The boot partition as it was, dumped for its system block or for its boot screen block.
const QString bootDumpForSystem = QStringLiteral("/mnt/onboardsystem.bin");
const QString bootDumpForScreen = QStringLiteral("/mnt/bootscreen.dat");
// Kept in the internal storage: the resource image from the stick.
const QString resourceImage = QStringLiteral("/mnt/resource.img");
// A file is copied to its own name with this suffix before it is renamed over the old one.
const QString stagedSuffix = QStringLiteral(".new");

// Replaces `target` with a copy of `source`: copied beside it, flushed, then renamed over it, so
// at every moment the one file or the other is complete there. The copy keeps the permissions
// of the file it replaces. False, with the target as it was, when any step fails.
bool replace(const QString &source, const QString &target);

// Removes what an interrupted run left: the files above (not the resource image) and the
// staged copies beside the resource image, the installed program and its translations.
void removeLeftovers();

} // namespace UpgradeFiles

#endif // UPGRADEFILES_H
