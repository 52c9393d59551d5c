#include "ShapeRoutes.h"

#include <QVector>

namespace {
QVector<ShapeRoute> &table()
{
    // One row per item class, added with the class: code, factory, counter, finishing click,
    // click counts at which moves draw, right-click finish, calibration.
    static QVector<ShapeRoute> rows = {
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
