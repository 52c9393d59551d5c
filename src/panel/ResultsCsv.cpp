#include "ResultsCsv.h"

#include "SafeFile.h"

namespace {
// A field as spreadsheets read it: one that holds a double quote, a comma or a line break is
// put in double quotes with every quote inside doubled; the value is always quoted.
QString field(const QString &text, bool quoted = false)
{
    if (!quoted && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char(','))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}
} // namespace

QByteArray ResultsCsv::compose(const QStringList &header, const QVector<Row> &rows)
{
    QString text;
    for (const QString &name : header)
        text += field(name) + QLatin1Char(',');
    text += QStringLiteral("\r\n");
    const bool result = header.size() > 3;
    for (const Row &row : rows)
        text += field(row.index) + QLatin1Char(',') + field(row.item) + QLatin1Char(',') + field(row.value, true)
                + QLatin1Char(',') + (result ? field(row.result) + QLatin1Char(',') : QString()) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray ResultsCsv::composeTable(const QStringList &header, const QVector<QStringList> &rows)
{
    QString text;
    for (const QString &name : header)
        text += field(name) + QLatin1Char(',');
    text += QStringLiteral("\r\n");
    for (const QStringList &row : rows) {
        for (const QString &cell : row)
            text += field(cell) + QLatin1Char(',');
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool ResultsCsv::writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    return SafeFile::write(path, bytes, error);
}
