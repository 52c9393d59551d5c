#ifndef SYNTHETICTARGET_H
#define SYNTHETICTARGET_H

#include <QImage>
#include <QTransform>

// Renders the simulator's metrology target (see TargetGeometry.h) as a 1920 x 1080 picture:
// a ruler, a disc, a ring, a rectangle and an angled wedge on a lightly textured background.
class SyntheticTarget
{
public:
    SyntheticTarget() = delete;

    static QImage render();
    // The same target moved on the picture by `placement` (a shift by fractions of a pixel, a
    // small rotation): the features drawn through it, the texture as on the still target.
    static QImage render(const QTransform &placement);
};

#endif // SYNTHETICTARGET_H
