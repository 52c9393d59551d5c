#ifndef RESULTSCSV_H
#define RESULTSCSV_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The results table as a CSV file: UTF-8 with a byte-order mark, CR LF line ends, a header
// ending in a comma, every value in double quotes followed by a comma. A double quote inside
// a quoted field is doubled, and any other field holding a quote, comma or line break is
// quoted, so that a spreadsheet reads every row as written.
class ResultsCsv
{
public:
    struct Row
    {
        QString index;
        QString item;
        QString value;
        // Written only when the header names a fourth column.
        QString result;
    };

    ResultsCsv() = delete;

    static QByteArray compose(const QStringList &header, const QVector<Row> &rows);
    // Any table in the same form: every field followed by a comma, quoted where it must be.
    static QByteArray composeTable(const QStringList &header, const QVector<QStringList> &rows);

    // Writes `bytes` to `path` so that the file is either complete or not changed at all: a
    // temporary file beside it is written, flushed to the medium and renamed over it.
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);
};

#endif // RESULTSCSV_H
