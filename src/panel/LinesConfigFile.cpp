#include "LinesConfigFile.h"

#include <QSettings>

#include <unistd.h>

#include "CustomLine.h"
#include "ParamFile.h"

namespace {
void saveGroup(QSettings &settings, const QString &group, const char *positionKey,
               const QVector<CustomLine *> &lines, bool horizontal)
{
    for (int k = 1; k <= lines.size(); ++k) {
        const CustomLine *line = lines.at(k - 1);
        const qreal position = horizontal ? line->position.y() : line->position.x();
        settings.setValue(QStringLiteral("%1/%2%3").arg(group, QLatin1String(positionKey)).arg(k), float(position));
        settings.setValue(QStringLiteral("%1/width%2").arg(group).arg(k), line->pen.width());
        settings.setValue(QStringLiteral("%1/color%2").arg(group).arg(k), ParamFile::colorValue(line->pen.color()));
    }
    settings.setValue(group + QStringLiteral("/total"), int(lines.size()));
}

QVector<LinesConfigFile::Line> readGroup(const QSettings &settings, const QString &group, const char *positionKey)
{
    QVector<LinesConfigFile::Line> lines;
    const int total = settings.value(group + QStringLiteral("/total")).toInt();
    for (int k = 1; k <= total; ++k) {
        LinesConfigFile::Line line;
        line.position = settings.value(QStringLiteral("%1/%2%3").arg(group, QLatin1String(positionKey)).arg(k)).toDouble();
        line.width = settings.value(QStringLiteral("%1/width%2").arg(group).arg(k)).toInt();
        line.color = ParamFile::opaqueColor(settings.value(QStringLiteral("%1/color%2").arg(group).arg(k)));
        lines << line;
    }
    return lines;
}
} // namespace

bool LinesConfigFile::save(const QString &path, const QVector<CustomLine *> &horizontal,
                           const QVector<CustomLine *> &vertical)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.clear();
    saveGroup(settings, QStringLiteral("hline"), "py", horizontal, true);
    saveGroup(settings, QStringLiteral("vline"), "px", vertical, false);
    settings.sync();
    ::sync();
    return settings.status() == QSettings::NoError;
}

LinesConfigFile::Lines LinesConfigFile::read(const QString &path)
{
    const QSettings settings(path, QSettings::IniFormat);
    return {readGroup(settings, QStringLiteral("hline"), "py"),
            readGroup(settings, QStringLiteral("vline"), "px")};
}
