#ifndef REFERENCELINES_H
#define REFERENCELINES_H

#include <QObject>
#include <QPointF>

#include "CustomLine.h"

class QGraphicsScene;
class QPen;

// The reference lines over the picture: the cross hair and the custom horizontal and vertical
// lines (GlobalVar::horizontalLineList and verticalLineList), which a configuration file
// ("CFG*.ini") keeps.
class ReferenceLines : public QObject
{
    Q_OBJECT

public:
    // Lines are added to `scene`; without a scene they exist but are not shown.
    ReferenceLines(QGraphicsScene *scene, QObject *parent);

    // A new line named "horizontal" or "vertical" through `position`.
    CustomLine *add(const QString &name, const QPointF &position, const QPen &pen);
    // Replaces the custom lines of one direction by `count` lines evenly spread.
    void rebuild(bool horizontal, int count);
    // Deletes every custom line.
    void clearCustom();
    // Adds the custom lines kept in a configuration file.
    void load(const QString &path);

signals:
    // A line was moved or restyled by the user.
    void signal_lineChanged();
    // The user dragged a line or changed it in its dialog; it looked like `before`.
    void signal_lineEdited(CustomLine *line, const CustomLine::Look &before);

private:
    QGraphicsScene *scene;
};

#endif // REFERENCELINES_H
