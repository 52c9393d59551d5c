#include "ShapeRoutes.h"

#include <QVector>

#include "MeasureCustomParaline.h"
#include "MeasureDualParaline.h"
#include "MeasureParaline.h"
#include "MeasureParaline2Paraline.h"
#include "MeasurePoint2Line.h"
#include "MeasurePolygon.h"
#include "MeasureRectangle.h"

namespace {
QVector<ShapeRoute> &table()
{
    // One row per item class, added with the class: code, factory, counter, finishing click,
    // click counts at which moves draw, right-click finish, calibration.
    static QVector<ShapeRoute> rows = {
        {7, &ShapeRoute::make<MeasureParaline>, ShapeRoute::CounterA, 3,
         ShapeRoute::clicks({1, 2}), 0, false},
        {8, &ShapeRoute::make<MeasureCustomParaline>, ShapeRoute::CounterA, 18,
         ShapeRoute::clickRange(1, 17), 2, false},
        {9, &ShapeRoute::make<MeasurePoint2Line>, ShapeRoute::CounterA, 3,
         ShapeRoute::clicks({2}), 0, false},
        {11, &ShapeRoute::make<MeasureRectangle>, ShapeRoute::CounterD, 2,
         ShapeRoute::clicks({1}), 0, false},
        {12, &ShapeRoute::make<MeasurePolygon>, ShapeRoute::CounterE, 10,
         ShapeRoute::clickRange(1, 10), 2, false},
        {13, &ShapeRoute::make<MeasureDualParaline>, ShapeRoute::CounterA, 4,
         ShapeRoute::clickRange(1, 4), 0, false},
        {20, &ShapeRoute::make<MeasureParaline2Paraline>, ShapeRoute::CounterA, 5,
         ShapeRoute::clickRange(1, 4), 0, false},
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
