#ifndef TOOLID_H
#define TOOLID_H

// The drawing tools. The values are the tool codes that items report by property() and that
// stored files and callers keep, so a value never changes; 6 is not used.
enum class ToolId : int {
    None = 0,
    CalibrateLine = 1,
    CalibrateCircle = 2,
    Line = 3,
    HorizontalLine = 4,
    VerticalLine = 5,
    Paraline = 7,
    CustomParaline = 8,
    Point2Line = 9,
    Angle = 10,
    Rectangle = 11,
    Polygon = 12,
    DualParaline = 13,
    Radian = 14,
    Circle = 15,
    Point2Circle = 16,
    Line2Circle = 17,
    Circle2Circle = 18,
    Concentric = 19,
    Paraline2Paraline = 20,
    CircleFit = 21,
    CircleFind = 22,
    EdgeLine = 23,
};

// Every tool but None, in code order.
constexpr ToolId allToolIds[] = {
    ToolId::CalibrateLine, ToolId::CalibrateCircle, ToolId::Line, ToolId::HorizontalLine,
    ToolId::VerticalLine, ToolId::Paraline, ToolId::CustomParaline, ToolId::Point2Line,
    ToolId::Angle, ToolId::Rectangle, ToolId::Polygon, ToolId::DualParaline, ToolId::Radian,
    ToolId::Circle, ToolId::Point2Circle, ToolId::Line2Circle, ToolId::Circle2Circle,
    ToolId::Concentric, ToolId::Paraline2Paraline, ToolId::CircleFit,
    ToolId::CircleFind, ToolId::EdgeLine,
};

constexpr int toolCode(ToolId id) { return int(id); }

#endif // TOOLID_H
