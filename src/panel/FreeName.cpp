#include "FreeName.h"

#include <QDir>
#include <QStringList>

int FreeName::nextNumber(const QString &folder, const QString &prefix, const QString &extensions)
{
    // "bmp,jpg" gives the filters "", "*.bmp", "*.jpg".
    QString patterns = QLatin1Char(',') + extensions;
    const QStringList filters = patterns.replace(QLatin1Char(','), QLatin1String(",*.")).split(QLatin1Char(','));
    const QFileInfoList entries = QDir(folder).entryInfoList(filters, QDir::AllEntries | QDir::Hidden
                                                                          | QDir::System | QDir::NoDotAndDotDot);
    int highest = 0;
    for (const QFileInfo &entry : entries) {
        const QString base = entry.baseName();
        // Sticks are FAT: "img00006.bmp" is the file that "IMG00006.bmp" would replace.
        if (base.size() != 8 || !base.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        highest = qMax(highest, isDigitString(base.mid(prefix.size())));
    }
    return highest + 1;
}

QString FreeName::baseName(const QString &prefix, int number)
{
    return prefix + QStringLiteral("%1").arg(number, 5, 10, QLatin1Char('0'));
}

int FreeName::isDigitString(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    for (char c : latin) {
        if (c < '0' || c > '9')
            return -1;
    }
    return latin.isEmpty() ? 0 : latin.toInt();
}
