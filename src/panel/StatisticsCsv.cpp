#include "StatisticsCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ResultsCsv.h"
#include "ToolTable.h"
#include "ValueFormat.h"

QStringList StatisticsCsv::header()
{
    const char *const names[] = {QT_TRANSLATE_NOOP("StatisticsCsv", "tool"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "value"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "unit"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "count"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "mean"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "standard deviation"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "minimum"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "maximum"),
                                 QT_TRANSLATE_NOOP("StatisticsCsv", "range")};
    QStringList texts;
    for (const char *name : names)
        texts << QCoreApplication::translate("StatisticsCsv", name);
    return texts;
}

QVector<QStringList> StatisticsCsv::rows(const QVector<ValueStatistics::Summary> &summaries)
{
    QVector<QStringList> rows;
    rows.reserve(summaries.size());
    for (const ValueStatistics::Summary &s : summaries) {
        const ToolDescription *tool = ToolTable::find(s.tool);
        const QString name = tool && tool->toolTip ? QCoreApplication::translate("ToolPalette", tool->toolTip)
                                                   : QString::number(s.tool);
        rows.append({name, s.key, s.unit, QString::number(s.count), ValueFormat::number(s.mean),
                     s.count > 1 ? ValueFormat::number(s.deviation) : QStringLiteral("-"),
                     ValueFormat::number(s.minimum), ValueFormat::number(s.maximum), ValueFormat::number(s.range())});
    }
    return rows;
}

QByteArray StatisticsCsv::compose(const QVector<ValueStatistics::Summary> &summaries)
{
    return ResultsCsv::composeTable(header(), rows(summaries));
}

QString StatisticsCsv::pathBeside(const QString &resultsPath)
{
    const QFileInfo info(resultsPath);
    const QString base = info.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
        ? info.completeBaseName() : info.fileName();
    return info.dir().filePath(base + QStringLiteral("_statistics.csv"));
}
