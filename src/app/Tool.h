#ifndef TOOL_H
#define TOOL_H

class QPointF;

// A drawing tool as the main window drives it: the view's presses, moves and releases in
// scene coordinates (picture pixels), already moved to a detected edge where that is on.
class Tool
{
public:
    virtual ~Tool() = default;

    // The tool is armed, or another one is: anything half drawn is abandoned.
    virtual void activate() {}
    virtual void deactivate() { cancel(); }
    virtual void press(const QPointF &p) = 0;
    virtual void move(const QPointF &p) = 0;
    virtual void release(const QPointF &) {}
    // A right press while the tool is armed.
    virtual void rightPress(const QPointF &p) = 0;
    // Escape: the item in progress is abandoned.
    virtual void cancel() = 0;
};

#endif // TOOL_H
