#include "ShapeRoutes.h"

#include <QVector>

#include "MeasureHorizontalLine.h"
#include "MeasureLine.h"
#include "MeasureVerticalLine.h"

namespace {
QVector<ShapeRoute> &table()
{
    // One row per item class, added with the class: code, factory, counter, finishing click,
    // click counts at which moves draw, right-click finish, calibration.
    using R = ShapeRoute;
    static QVector<ShapeRoute> rows = {
        {3, &R::make<MeasureLine>, R::CounterA, 2, R::clicks({1}), 0, false},
        {4, &R::make<MeasureHorizontalLine>, R::CounterA, 2, R::clicks({1}), 0, false},
        {5, &R::make<MeasureVerticalLine>, R::CounterA, 2, R::clicks({1}), 0, false},
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
