#include "LinesConfigFile.h"

#include <QFileInfo>
#include <QSettings>

#include "CustomLine.h"
#include "FileRepairs.h"
#include "FreshSettings.h"
#include "ParamFile.h"
#include "SafeFile.h"
#include "SettingsReader.h"

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

QVector<LinesConfigFile::Line> readGroup(SettingsReader &in, const QString &group, const char *positionKey,
                                         double largestPosition)
{
    QVector<LinesConfigFile::Line> lines;
    const int total = in.integer(group + QStringLiteral("/total"), 0, 0, LinesConfigFile::largestLineCount);
    for (int k = 1; k <= total; ++k) {
        // A line without a usable position is left out; its pen falls back to the default.
        bool ok = false;
        LinesConfigFile::Line line;
        line.position = in.real(QStringLiteral("%1/%2%3").arg(group, QLatin1String(positionKey)).arg(k), 0,
                                largestPosition, &ok);
        if (!ok) {
            in.noteRepaired();
            continue;
        }
        line.width = in.integer(QStringLiteral("%1/width%2").arg(group).arg(k), 1, 1, 3);
        line.color = ParamFile::opaqueColor(in.color(QStringLiteral("%1/color%2").arg(group).arg(k), 0xFFFF0000));
        lines << line;
    }
    return lines;
}
} // namespace

bool LinesConfigFile::save(const QString &path, const QVector<CustomLine *> &horizontal,
                           const QVector<CustomLine *> &vertical, QString *error)
{
    return SafeFile::editSettings(
        path,
        [&](QSettings &settings) {
            settings.clear();
            saveGroup(settings, QStringLiteral("hline"), "py", horizontal, true);
            saveGroup(settings, QStringLiteral("vline"), "px", vertical, false);
        },
        error);
}

bool LinesConfigFile::holdsLines(const QString &path)
{
    return QFileInfo(path).size() > 0
        && FileRepairs::readable(path, {QStringLiteral("hline"), QStringLiteral("vline")});
}

LinesConfigFile::Lines LinesConfigFile::read(const QString &path)
{
    if (!holdsLines(path))
        return {};
    FreshSettings file(path);
    SettingsReader in(file.settings());
    Lines lines{readGroup(in, QStringLiteral("hline"), "py", 1080),
                readGroup(in, QStringLiteral("vline"), "px", 1920)};
    if (in.repaired())
        FileRepairs::noteRepaired(path);
    return lines;
}
