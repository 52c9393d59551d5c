#include "ResultsCsv.h"

#include "SafeFile.h"

QByteArray ResultsCsv::compose(const QStringList &header, const QVector<Row> &rows)
{
    QString text = header.join(QLatin1Char(',')) + QStringLiteral(",\r\n");
    for (const Row &row : rows)
        text += row.index + QLatin1Char(',') + row.item + QStringLiteral(",\"") + row.value
                + QStringLiteral("\",\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool ResultsCsv::writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    return SafeFile::write(path, bytes, error);
}
