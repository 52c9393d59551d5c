#ifndef STATISTICSCSV_H
#define STATISTICSCSV_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "ValueStatistics.h"

// The statistics of the results as texts: one row per tool and value with its unit, count, mean,
// standard deviation, minimum, maximum and range, the numbers with the configured decimals and
// "-" for the deviation of a single value. The statistics view shows these rows and the file
// beside the results CSV holds them, in the same form as that file.
class StatisticsCsv
{
public:
    StatisticsCsv() = delete;

    // Translated.
    static QStringList header();
    static QVector<QStringList> rows(const QVector<ValueStatistics::Summary> &summaries);
    static QByteArray compose(const QVector<ValueStatistics::Summary> &summaries);
    // "EXT00001_statistics.csv" beside "EXT00001.csv".
    static QString pathBeside(const QString &resultsPath);
};

#endif // STATISTICSCSV_H
