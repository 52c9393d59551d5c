#ifndef SHAPEROUTES_H
#define SHAPEROUTES_H

#include "ShapeRoute.h"

// The routing table of the drawing tools, by tool code. A tool whose code has no row arms
// nothing: presses and moves are consumed and create no item.
class ShapeRoutes
{
public:
    ShapeRoutes() = delete;

    static const ShapeRoute *find(int code);
    // Adds a row, or replaces the row with the same code.
    static void add(const ShapeRoute &route);
    static void remove(int code);
};

#endif // SHAPEROUTES_H
