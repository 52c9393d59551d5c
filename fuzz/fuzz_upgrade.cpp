// The upgrade's look at a stick: the names of the files on it and their versions, the running
// version's label, and the headers of the application file and the device tree.
#include <cstdlib>

#include "ElfHeader.h"
#include "FlashImage.h"
#include "FuzzTarget.h"
#include "UpgradeCandidate.h"

KORVELIN_FUZZ_TARGET(upgrade)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QStringList names = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    const UpgradeCandidate chosen = UpgradeCandidate::choose(names, QStringLiteral("Korvelin"));
    if (chosen.isValid() && !names.contains(chosen.fileName))
        abort();
    for (const QString &name : names) {
        if (UpgradeCandidate::versionOf(name, QStringLiteral("Korvelin")) > chosen.version)
            abort();
    }
    UpgradeCandidate::runningVersion(names.first());
    ElfHeader::parse(bytes).runsLike(ElfHeader::parse(bytes.mid(1)));
    FlashImage::isDeviceTree(bytes);
    return 0;
}
