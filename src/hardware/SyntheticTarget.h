#ifndef SYNTHETICTARGET_H
#define SYNTHETICTARGET_H

#include <QImage>

// Renders the simulator's metrology target (see TargetGeometry.h) as a 1920 x 1080 picture:
// a ruler, a disc, a ring, a rectangle and an angled wedge on a lightly textured background.
class SyntheticTarget
{
public:
    SyntheticTarget() = delete;

    static QImage render();
};

#endif // SYNTHETICTARGET_H
