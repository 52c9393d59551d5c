#include "ShapeRoutes.h"

#include <QVector>

#include "ToolTable.h"

namespace {
// Rows put over the tool table's own, by code.
QVector<ShapeRoute> &replaced()
{
    static QVector<ShapeRoute> rows;
    return rows;
}
} // namespace

const ShapeRoute *ShapeRoutes::find(int code)
{
    for (const ShapeRoute &route : replaced()) {
        if (route.code == code)
            return &route;
    }
    const ToolDescription *tool = ToolTable::find(code);
    return tool ? &tool->route : nullptr;
}

void ShapeRoutes::add(const ShapeRoute &route)
{
    remove(route.code);
    replaced().append(route);
}

void ShapeRoutes::remove(int code)
{
    QVector<ShapeRoute> &rows = replaced();
    for (int i = rows.size() - 1; i >= 0; --i) {
        if (rows.at(i).code == code)
            rows.remove(i);
    }
}
