#ifndef UPGRADECANDIDATE_H
#define UPGRADECANDIDATE_H

#include <QString>
#include <QStringList>

// Which application file on a USB stick is worth installing. A candidate is named after the
// application, one separator and "V" with a four-character version, e.g. "Korvelin_V2.14".
struct UpgradeCandidate
{
    QString fileName;
    double version = 0.0;

    bool isValid() const { return version > 0.0; }

    // The newest candidate among the names; an earlier name wins a tie.
    static UpgradeCandidate choose(const QStringList &fileNames, const QString &applicationName);
    // The version of one file name, 0 when the name is not a candidate.
    static double versionOf(const QString &fileName, const QString &applicationName);
    // The running version from its label text: "V2.13" gives 2.13; 0 when unreadable.
    static double runningVersion(const QString &versionText);
};

#endif // UPGRADECANDIDATE_H
