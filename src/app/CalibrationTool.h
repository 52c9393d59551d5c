#ifndef CALIBRATIONTOOL_H
#define CALIBRATIONTOOL_H

#include <QSize>

#include "ClickTool.h"

class CalibrationWorkflow;

// Draws a calibration item as its row says, and names it: a right click on the finished item,
// while the tool is still chosen, opens the calibration dialog for it. A right click while the
// item is drawn does nothing.
class CalibrationTool : public ClickTool
{
    Q_OBJECT

public:
    // The dialog stands inside `area` (the screen less the panel).
    CalibrationTool(QGraphicsScene *scene, MeasurementDocument *document, CalibrationWorkflow *workflow,
                    const QSize &area, QObject *parent = nullptr);

    void rightPress(const QPointF &p) override;
    // Opens the dialog for the finished item; false when there is none to name.
    bool name();

protected:
    void begin(const QPointF &p) override;

private:
    CalibrationWorkflow *workflow;
    QSize area;
};

#endif // CALIBRATIONTOOL_H
