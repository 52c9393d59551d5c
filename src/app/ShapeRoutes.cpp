#include "ShapeRoutes.h"

#include <QVector>

#include "CalibrateCircle.h"
#include "CalibrateLine.h"
#include "MeasureAngle.h"
#include "MeasureCircle.h"
#include "MeasureCircle2Circle.h"
#include "MeasureCircleFit.h"
#include "MeasureConcentric.h"
#include "MeasureCustomParaline.h"
#include "MeasureDualParaline.h"
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
QVector<ShapeRoute> &table()
{
    // One row per item class: code, factory, counter, finishing click, click counts at which
    // moves draw, from how many clicks a right click finishes, calibration, whether that right
    // click is a point of the item.
    using R = ShapeRoute;
    static QVector<ShapeRoute> rows = {
        {1, &R::make<CalibrateLine>, R::NoCounter, 2, R::clicks({1}), 0, true},
        {2, &R::make<CalibrateCircle>, R::NoCounter, 3, R::clicks({2}), 0, true},
        {3, &R::make<MeasureLine>, R::CounterA, 2, R::clicks({1}), 0, false},
        {4, &R::make<MeasureHorizontalLine>, R::CounterA, 2, R::clicks({1}), 0, false},
        {5, &R::make<MeasureVerticalLine>, R::CounterA, 2, R::clicks({1}), 0, false},
        {7, &R::make<MeasureParaline>, R::CounterA, 3, R::clicks({1, 2}), 0, false},
        {8, &R::make<MeasureCustomParaline>, R::CounterA, 18, R::clickRange(1, 17), 2, false},
        {9, &R::make<MeasurePoint2Line>, R::CounterA, 3, R::clicks({2}), 0, false},
        {10, &R::make<MeasureAngle>, R::CounterB, 4, R::clicks({1, 3}), 0, false},
        {11, &R::make<MeasureRectangle>, R::CounterD, 2, R::clicks({1}), 0, false},
        {12, &R::make<MeasurePolygon>, R::CounterE, 10, R::clickRange(1, 10), 2, false},
        {13, &R::make<MeasureDualParaline>, R::CounterA, 4, R::clickRange(1, 4), 0, false},
        {14, &R::make<MeasureRadian>, R::CounterC, 3, R::clicks({2}), 0, false},
        {15, &R::make<MeasureCircle>, R::CounterC, 3, R::clicks({2}), 0, false},
        {16, &R::make<MeasurePoint2Circle>, R::CounterA, 4, R::clicks({3}), 0, false},
        {17, &R::make<MeasureLine2Circle>, R::CounterA, 5, R::clicks({1, 4}), 0, false},
        {18, &R::make<MeasureCircle2Circle>, R::CounterA, 6, R::clicks({2, 5}), 0, false},
        {19, &R::make<MeasureConcentric>, R::CounterA, 4, R::clicks({2, 3}), 0, false},
        {20, &R::make<MeasureParaline2Paraline>, R::CounterA, 5, R::clickRange(1, 4), 0, false},
        {21, &R::make<MeasureCircleFit>, R::CounterF, MeasureCircleFit::maxPoints,
         R::clickRange(1, MeasureCircleFit::maxPoints - 1), MeasureCircleFit::minPoints, false, false},
    };
    return rows;
}
} // namespace

const ShapeRoute *ShapeRoutes::find(int code)
{
    for (const ShapeRoute &route : table()) {
        if (route.code == code)
            return &route;
    }
    return nullptr;
}

void ShapeRoutes::add(const ShapeRoute &route)
{
    remove(route.code);
    table().append(route);
}

void ShapeRoutes::remove(int code)
{
    QVector<ShapeRoute> &rows = table();
    for (int i = rows.size() - 1; i >= 0; --i) {
        if (rows.at(i).code == code)
            rows.remove(i);
    }
}
