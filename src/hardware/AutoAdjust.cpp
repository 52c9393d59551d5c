#include "AutoAdjust.h"

namespace {
constexpr int shortest = 1125;
constexpr quint32 maxGain = 30;
constexpr float minColourGain = 8000.0f;
constexpr float maxColourGain = 32000.0f;
} // namespace

bool AutoAdjust::exposureStep(quint32 &exposure, quint32 &gain, quint32 brightness)
{
    const int b = int(qMin<quint32>(brightness, 255));
    int e = int(qMin<quint32>(exposure, shortest));
    const int target = targetBrightness;

    if (e == shortest) {
        if (b > 35)
            return true;
        e = shortest - 1;
    } else if (e >= 1113) {
        if (b <= 83)
            e -= 1;
        else if (b >= 117)
            e += 1;
        else
            return true;
    } else if (e >= 1085) {
        if (b <= 91)
            e -= (target - b) >> 2;
        else if (b >= 109)
            e = qMin(e + ((b - target) >> 2), 1113);
        else
            return true;
    } else if (e >= 1005) {
        if (b <= 95)
            e -= (target - b) >> 1;
        else if (b >= 105)
            e = qMin(e + ((b - target) >> 1), 1085);
        else
            return true;
    } else if (e >= 1) {
        if (b <= 97)
            e = qMax(e - 2 * (target - b), 0);
        else if (b >= 103)
            e = qMin(e + 2 * (b - target), 1005);
        else
            return true;
    } else {
        // The longest shutter: the sensor gain does the rest.
        if (b <= 91) {
            if (gain >= maxGain)
                return true;
            gain = qMin(gain + 2, maxGain);
        } else if (b >= 109) {
            if (gain > 0)
                gain = gain >= 2 ? gain - 2 : 0;
            else
                e = 1;
        } else {
            return true;
        }
    }
    exposure = quint32(e);
    return false;
}

bool AutoAdjust::gainStep(float &gain, quint32 chroma)
{
    if (chroma > quint32(neutralChroma) && gain > minColourGain) {
        gain = float(qMax(double(gain) * 0.99, double(minColourGain)));
        return false;
    }
    if (chroma < quint32(neutralChroma) && gain < maxColourGain) {
        gain = float(qMin(double(gain) * 1.01, double(maxColourGain)));
        return false;
    }
    return true;
}

bool AutoAdjust::whiteBalanceStep(float &red, float &blue, quint32 cr, quint32 cb)
{
    const bool redDone = gainStep(red, cr);
    const bool blueDone = gainStep(blue, cb);
    return redDone && blueDone;
}
