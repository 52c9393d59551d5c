#ifndef AUTOADJUST_H
#define AUTOADJUST_H

#include <QtGlobal>

// One step of auto exposure and of auto white balance, on plain values, as the camera settings
// dialog runs them between frames.
class AutoAdjust
{
public:
    AutoAdjust() = delete;

    // Brightness the exposure aims at, and the neutral chroma level.
    static constexpr int targetBrightness = 100;
    static constexpr int neutralChroma = 128;

    // From the average brightness, moves the shutter line value (0 longest ... 1125 shortest)
    // and the sensor gain (0 ... 30, used at the longest shutter only) one step towards the
    // target. True, with nothing changed, when the brightness lies in the band accepted at this
    // exposure or nothing more can be done.
    static bool exposureStep(quint32 &exposure, quint32 &gain, quint32 brightness);

    // From the average Cr and Cb, moves the red and blue gains (8000 ... 32000) by 1 % towards
    // neutral. True when both are neutral or at the limit in the direction they would move.
    static bool whiteBalanceStep(float &red, float &blue, quint32 cr, quint32 cb);

private:
    static bool gainStep(float &gain, quint32 chroma);
};

#endif // AUTOADJUST_H
