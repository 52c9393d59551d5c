#include "UpgradeCandidate.h"

double UpgradeCandidate::versionOf(const QString &fileName, const QString &applicationName)
{
    if (applicationName.isEmpty() || !fileName.startsWith(applicationName))
        return 0.0;
    // The application name and the one separator after it.
    const QString rest = fileName.mid(applicationName.size() + 1);
    if (!rest.startsWith(QLatin1Char('V')))
        return 0.0;
    const QString number = rest.mid(1);
    if (number.size() != 4)
        return 0.0;
    bool ok = false;
    const double version = number.toDouble(&ok);
    return ok && version > 0.0 ? version : 0.0;
}

UpgradeCandidate UpgradeCandidate::choose(const QStringList &fileNames, const QString &applicationName)
{
    UpgradeCandidate best;
    for (const QString &name : fileNames) {
        const double version = versionOf(name, applicationName);
        if (version > best.version) {
            best.fileName = name;
            best.version = version;
        }
    }
    return best;
}

double UpgradeCandidate::runningVersion(const QString &versionText)
{
    bool ok = false;
    const double version = versionText.mid(1).toDouble(&ok);
    return ok ? version : 0.0;
}
