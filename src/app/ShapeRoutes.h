#ifndef SHAPEROUTES_H
#define SHAPEROUTES_H

#include "ShapeRoute.h"

// How the main window finds the route of the armed tool: the tool table's row for its code,
// unless a row was put over it. A code with no row arms nothing: presses and moves are consumed
// and create no item.
class ShapeRoutes
{
public:
    ShapeRoutes() = delete;

    static const ShapeRoute *find(int code);
    // Puts a row over the tool table's row of the same code (stand-in items are driven so), or
    // takes it away again.
    static void add(const ShapeRoute &route);
    static void remove(int code);
};

#endif // SHAPEROUTES_H
