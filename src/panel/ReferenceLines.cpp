#include "ReferenceLines.h"

#include <QGraphicsScene>

#include "CustomLine.h"
#include "GlobalVar.h"
#include "LinesConfigFile.h"
#include "ParamFile.h"

namespace {
const char *directionName(bool horizontal)
{
    return horizontal ? "horizontal" : "vertical";
}
} // namespace

ReferenceLines::ReferenceLines(QGraphicsScene *scene, QObject *parent)
    : QObject(parent)
    , scene(scene)
{
}

CustomLine *ReferenceLines::add(const QString &name, const QPointF &position, const QPen &pen)
{
    auto *line = new CustomLine;
    line->name = name;
    line->position = position;
    line->pen = pen;
    line->initialLine();
    connect(line, &CustomLine::signal_saveLinesProperty, this, &ReferenceLines::signal_lineChanged);
    connect(line, &CustomLine::signal_edited, this, [this, line](const CustomLine::Look &before) {
        emit signal_lineEdited(line, before);
    });
    // The scene owns the lines it shows; without one (a panel on its own) this object does.
    if (scene)
        scene->addItem(line);
    else
        line->setParent(this);
    return line;
}

void ReferenceLines::rebuild(bool horizontal, int count)
{
    QVector<CustomLine *> &lines = horizontal ? GlobalVar::horizontalLineList : GlobalVar::verticalLineList;
    qDeleteAll(lines);
    lines.clear();
    for (int k = 1; k <= count; ++k) {
        const QPointF position = horizontal ? QPointF(0, k * (1080 / (count + 1))) : QPointF(k * (1600 / (count + 1)), 0);
        lines << add(QLatin1String(directionName(horizontal)), position, ParamFile::referencePen());
    }
}

void ReferenceLines::clearCustom()
{
    qDeleteAll(GlobalVar::horizontalLineList);
    GlobalVar::horizontalLineList.clear();
    qDeleteAll(GlobalVar::verticalLineList);
    GlobalVar::verticalLineList.clear();
}

void ReferenceLines::load(const QString &path)
{
    const LinesConfigFile::Lines lines = LinesConfigFile::read(path);
    auto addSaved = [this](const LinesConfigFile::Line &saved, bool horizontal) {
        QPen pen = ParamFile::referencePen();
        pen.setWidth(saved.width);
        pen.setColor(saved.color);
        return add(QLatin1String(directionName(horizontal)),
                   horizontal ? QPointF(0, saved.position) : QPointF(saved.position, 0), pen);
    };
    for (const LinesConfigFile::Line &saved : lines.horizontal)
        GlobalVar::horizontalLineList << addSaved(saved, true);
    for (const LinesConfigFile::Line &saved : lines.vertical)
        GlobalVar::verticalLineList << addSaved(saved, false);
}
