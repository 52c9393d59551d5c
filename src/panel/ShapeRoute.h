#ifndef SHAPEROUTE_H
#define SHAPEROUTE_H

#include <QtGlobal>

#include <initializer_list>

class Shape;

// How the main window drives one drawing tool: which item class a first click creates, which
// serial counter numbers it, which click finishes it, at which click counts mouse moves reach
// drawing(), and what a right click does while the item is in progress.
struct ShapeRoute
{
    enum Counter { NoCounter = -1, CounterA, CounterB, CounterC, CounterD, CounterE, CounterF, CounterCount };

    int code = 0;
    Shape *(*create)() = nullptr;
    int counter = NoCounter;
    // Clicks 2 up to finishClick - 1 advance; click finishClick finishes.
    int finishClick = 2;
    // Bit n set: a mouse move while n clicks have been made calls drawing().
    quint32 drawingClicks = 0;
    // 0: a right click while drawing deletes the item. n: from n clicks on, it finishes it.
    int rightClickFinishesFrom = 0;
    // Calibration items get serial 0, disarm their tool when finished and are not listed in the
    // results table.
    bool calibration = false;
    // Whether the right click that finishes an item is also its last point. Where it is not,
    // the item is finished with an unset point and keeps the points clicked so far.
    bool rightClickIsPoint = true;
    // What the finishing click looks for in the picture: the item is then made of the edge
    // points found, not of the clicks.
    enum Search { NoSearch, RoundEdge, StraightEdge };
    Search search = NoSearch;
    // n > 0: clicks n and n + 1 are the item's base line. A press for click n on a finished item
    // that offers a straight line (a fitted edge) takes that line as both clicks.
    int baseLineClick = 0;

    bool drawsAt(int clicks) const { return clicks >= 0 && clicks < 32 && (drawingClicks >> clicks) & 1u; }

    static quint32 clicks(std::initializer_list<int> counts)
    {
        quint32 mask = 0;
        for (int n : counts)
            mask |= 1u << n;
        return mask;
    }
    static quint32 clickRange(int first, int last)
    {
        quint32 mask = 0;
        for (int n = first; n <= last; ++n)
            mask |= 1u << n;
        return mask;
    }
    template<class T>
    static Shape *make() { return new T; }
};

#endif // SHAPEROUTE_H
