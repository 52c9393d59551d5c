#include "ShapeRoutes.h"

#include <QVector>

#include "MeasureAngle.h"
#include "MeasureCircle.h"
#include "MeasureCircle2Circle.h"
#include "MeasureConcentric.h"
#include "MeasureLine2Circle.h"
#include "MeasurePoint2Circle.h"
#include "MeasureRadian.h"

namespace {
QVector<ShapeRoute> &table()
{
    // One row per item class, added with the class: code, factory, counter, finishing click,
    // click counts at which moves draw, right-click finish, calibration.
    static QVector<ShapeRoute> rows = {
        {10, &ShapeRoute::make<MeasureAngle>, ShapeRoute::CounterB, 4,
         ShapeRoute::clicks({1, 3}), 0, false},
        {14, &ShapeRoute::make<MeasureRadian>, ShapeRoute::CounterC, 3,
         ShapeRoute::clicks({2}), 0, false},
        {15, &ShapeRoute::make<MeasureCircle>, ShapeRoute::CounterC, 3,
         ShapeRoute::clicks({2}), 0, false},
        {16, &ShapeRoute::make<MeasurePoint2Circle>, ShapeRoute::CounterA, 4,
         ShapeRoute::clicks({3}), 0, false},
        {17, &ShapeRoute::make<MeasureLine2Circle>, ShapeRoute::CounterA, 5,
         ShapeRoute::clicks({1, 4}), 0, false},
        {18, &ShapeRoute::make<MeasureCircle2Circle>, ShapeRoute::CounterA, 6,
         ShapeRoute::clicks({2, 5}), 0, false},
        {19, &ShapeRoute::make<MeasureConcentric>, ShapeRoute::CounterA, 4,
         ShapeRoute::clicks({2, 3}), 0, false},
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
