#include "ToolTable.h"

#include "CalibrateCircle.h"
#include "CalibrateLine.h"
#include "MeasureAngle.h"
#include "MeasureCircle.h"
#include "MeasureCircle2Circle.h"
#include "MeasureCircleFind.h"
#include "MeasureCircleFit.h"
#include "MeasureConcentric.h"
#include "MeasureCustomParaline.h"
#include "MeasureDualParaline.h"
#include "MeasureEdgeLine.h"
#include "MeasureHorizontalLine.h"
#include "MeasureLine.h"
#include "MeasureLine2Circle.h"
#include "MeasureParaline.h"
#include "MeasureParaline2Paraline.h"
#include "MeasurePoint2Circle.h"
#include "MeasurePoint2Line.h"
#include "MeasurePolygon.h"
#include "MeasureRadian.h"
#include "MeasureRectangle.h"
#include "MeasureVerticalLine.h"

namespace {
using R = ShapeRoute;

// A row of the table, written field by field.
class Tool
{
public:
    template<class Item>
    static Tool of(ToolId id, const char *name)
    {
        Tool tool;
        tool.d.id = id;
        tool.d.name = name;
        tool.d.route.code = toolCode(id);
        tool.d.route.create = &R::make<Item>;
        return tool;
    }
    // A tool of the palette whose items are listed in the results table, numbered by `counter`.
    Tool &button(const char *object, const char *icon, R::Counter counter)
    {
        d.button = object;
        d.icon = icon;
        d.measurement = true;
        d.route.counter = counter;
        return *this;
    }
    // Untranslated, in the "ToolPalette" context.
    Tool &toolTip(const char *text)
    {
        d.toolTip = text;
        return *this;
    }
    // A calibration: armed from the calibration menu, numbered 0, not listed.
    Tool &calibration(const char *icon)
    {
        d.icon = icon;
        d.route.calibration = true;
        return *this;
    }
    // Click `click` finishes; a mouse move while one of `drawingClicks` clicks have been made
    // redraws the item.
    Tool &finishes(int click, quint32 drawingClicks)
    {
        d.route.finishClick = click;
        d.route.drawingClicks = drawingClicks;
        return *this;
    }
    // From `clicks` clicks on a right click finishes the item, with its point or without.
    Tool &rightClickFinishesFrom(int clicks, bool isPoint = true)
    {
        d.route.rightClickFinishesFrom = clicks;
        d.route.rightClickIsPoint = isPoint;
        return *this;
    }
    // The finishing click searches the picture for the item's points.
    Tool &searches(R::Search search)
    {
        d.route.search = search;
        return *this;
    }
    // Clicks `click` and `click` + 1 draw a straight line, which may be taken from a fitted edge.
    Tool &baseLineAt(int click)
    {
        d.route.baseLineClick = click;
        return *this;
    }
    operator ToolDescription() const { return d; }

private:
    ToolDescription d;
};

const QVector<ToolDescription> &table()
{
    static const QVector<ToolDescription> rows = {
        Tool::of<CalibrateLine>(ToolId::CalibrateLine, "calibration-line")
            .calibration("ruler-line").finishes(2, R::clicks({1})),
        Tool::of<CalibrateCircle>(ToolId::CalibrateCircle, "calibration-circle")
            .calibration("ruler-circle").finishes(3, R::clicks({2})),
        Tool::of<MeasureLine>(ToolId::Line, "line")
            .button("tb_FreeLine", "line", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "line"))
            .finishes(2, R::clicks({1})),
        Tool::of<MeasureHorizontalLine>(ToolId::HorizontalLine, "horizontal-line")
            .button("tb_HorizontalLine", "horizontalline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "horizontal line"))
            .finishes(2, R::clicks({1})),
        Tool::of<MeasureVerticalLine>(ToolId::VerticalLine, "vertical-line")
            .button("tb_VerticalLine", "verticalline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "vertical line"))
            .finishes(2, R::clicks({1})),
        Tool::of<MeasureParaline>(ToolId::Paraline, "parallel-lines")
            .button("tb_ParaLine", "paraline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance between parallel lines"))
            .finishes(3, R::clicks({1, 2})).baseLineAt(1),
        Tool::of<MeasureCustomParaline>(ToolId::CustomParaline, "custom-parallel-lines")
            .button("tb_CustomParaline", "customparaline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance between custom parallel lines"))
            .finishes(18, R::clickRange(1, 17)).rightClickFinishesFrom(2),
        Tool::of<MeasurePoint2Line>(ToolId::Point2Line, "point-to-line")
            .button("tb_P2Line", "point2line", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance from point to line"))
            .finishes(3, R::clicks({2})).baseLineAt(2),
        Tool::of<MeasureAngle>(ToolId::Angle, "angle")
            .button("tb_Angle", "angle", R::CounterB)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "angle"))
            .finishes(4, R::clicks({1, 3})),
        Tool::of<MeasureRectangle>(ToolId::Rectangle, "rectangle")
            .button("tb_Rectangle", "rect", R::CounterD)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "rectangle"))
            .finishes(2, R::clicks({1})),
        Tool::of<MeasurePolygon>(ToolId::Polygon, "polygon")
            .button("tb_Polygon", "polygon", R::CounterE)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "polygon"))
            .finishes(10, R::clickRange(1, 10)).rightClickFinishesFrom(2),
        Tool::of<MeasureDualParaline>(ToolId::DualParaline, "dual-parallel-lines")
            .button("tb_DualParaLine", "dualparaline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "dual parallel lines"))
            .finishes(4, R::clickRange(1, 4)),
        Tool::of<MeasureRadian>(ToolId::Radian, "arc")
            .button("tb_Radian", "radian", R::CounterC)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "radian"))
            .finishes(3, R::clicks({2})),
        Tool::of<MeasureCircle>(ToolId::Circle, "circle")
            .button("tb_Circle", "circle", R::CounterC)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "circle"))
            .finishes(3, R::clicks({2})),
        Tool::of<MeasurePoint2Circle>(ToolId::Point2Circle, "point-to-circle")
            .button("tb_P2Circle", "point2circle", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance from point to center of circle"))
            .finishes(4, R::clicks({3})),
        Tool::of<MeasureLine2Circle>(ToolId::Line2Circle, "line-to-circle")
            .button("tb_L2Circle", "line2circle", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance from line to center of circle"))
            .finishes(5, R::clicks({1, 4})).baseLineAt(1),
        Tool::of<MeasureCircle2Circle>(ToolId::Circle2Circle, "circle-to-circle")
            .button("tb_C2Circle", "circle2circle", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance between center of circles"))
            .finishes(6, R::clicks({2, 5})),
        Tool::of<MeasureConcentric>(ToolId::Concentric, "concentric-circles")
            .button("tb_Concentric", "concentric", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "concentric circles"))
            .finishes(4, R::clicks({2, 3})),
        Tool::of<MeasureParaline2Paraline>(ToolId::Paraline2Paraline, "parallels-to-parallels")
            .button("tb_Paraline2Paraline", "paraline2paraline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "distance between center of parallel lines"))
            .finishes(5, R::clickRange(1, 4)).baseLineAt(1),
        Tool::of<MeasureCircleFit>(ToolId::CircleFit, "fitted-circle")
            .button("tb_CircleFit", "circlefit", R::CounterF)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "circle fitted to points"))
            .finishes(MeasureCircleFit::maxPoints, R::clickRange(1, MeasureCircleFit::maxPoints - 1))
            .rightClickFinishesFrom(MeasureCircleFit::minPoints, false),
        Tool::of<MeasureCircleFind>(ToolId::CircleFind, "found-circle")
            .button("tb_CircleFind", "circlefind", R::CounterF)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "circle found from one click inside it"))
            .finishes(1, 0).searches(R::RoundEdge),
        Tool::of<MeasureEdgeLine>(ToolId::EdgeLine, "edge-line")
            .button("tb_EdgeLine", "edgeline", R::CounterA)
            .toolTip(QT_TRANSLATE_NOOP("ToolPalette", "straight edge between two clicks"))
            .finishes(2, R::clicks({1})).searches(R::StraightEdge),
    };
    return rows;
}
} // namespace

const QVector<ToolDescription> &ToolTable::all()
{
    return table();
}

const ToolDescription *ToolTable::find(ToolId id)
{
    for (const ToolDescription &tool : table()) {
        if (tool.id == id)
            return &tool;
    }
    return nullptr;
}

const ToolDescription *ToolTable::find(int code)
{
    return code == toolCode(ToolId::None) ? nullptr : find(ToolId(code));
}

bool ToolTable::isMeasurement(int code)
{
    const ToolDescription *tool = find(code);
    return tool && tool->measurement;
}

bool ToolTable::isCalibration(int code)
{
    const ToolDescription *tool = find(code);
    return tool && tool->route.calibration;
}
