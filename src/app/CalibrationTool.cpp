#include "CalibrationTool.h"

#include "CalibrationWorkflow.h"

CalibrationTool::CalibrationTool(QGraphicsScene *scene, MeasurementDocument *document,
                                 CalibrationWorkflow *workflow, const QSize &area, QObject *parent)
    : ClickTool(scene, document, parent)
    , workflow(workflow)
    , area(area)
{
}

void CalibrationTool::rightPress(const QPointF &)
{
    name();
}

bool CalibrationTool::name()
{
    return clickCount() == 0 && route() && workflow->open(item(), route()->code, area);
}

void CalibrationTool::begin(const QPointF &p)
{
    // A new calibration replaces the one whose dialog is still open.
    workflow->putAway();
    ClickTool::begin(p);
}
