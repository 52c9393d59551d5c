#ifndef CONTROL_H
#define CONTROL_H

#include <QtGlobal>

// Register access to the camera's sensor, image processor, trigger block and split-screen
// video DMA: one two-word record per access, each access opening and closing its device. On
// top of the raw accesses, one wrapper per picture setting, the statistics reads used by auto
// exposure and white balance, and the freeze switch. Costs nothing to create.
class Control
{
public:
    quint32 trigerRead(quint32 addr);
    quint32 trigerSignal_Read();

    quint32 sensorRead(quint32 addr, quint32 data);
    void sensorWrite(quint32 addr, quint32 data);
    quint32 imx185Read(quint32 reg);
    // Writes one sensor register and then waits at least 1 ms, as the sensor needs.
    void imx185Write(quint32 reg, quint32 value);

    quint32 ispRead(quint32 offset);
    void ispWrite(quint32 offset, quint32 value);

    void redGainWrite(quint32 v);
    void greenGainWrite(quint32 v);
    void blueGainWrite(quint32 v);
    // Contrast value v (0 ... 255) with its multiplier 256 / (256 - v) in units of 1/16384.
    void contrastWrite(quint32 v);
    // Gamma curve 0 ... 3 in bits 10-11 of the control word; the other bits are kept.
    void gammaWrite(quint32 v);
    // The exponent of gamma curve v (0 ... 3): the processor raises each level, as a fraction
    // of full scale, to 1 / exponent.
    static double gammaExponent(quint32 v);
    void sharpenWrite(quint32 v);
    // The share of the four-neighbour detail (4 x centre - neighbours) that sharpening v adds
    // to each level after the gamma curve: v / 20000, all of it from 20000 on.
    static double sharpeningShare(quint32 v);
    void setColorful(quint32 v);

    // Averages over the statistics window; 0 when the window counted no pixel.
    quint32 averageBright_Read();
    quint32 averageCr_Read();
    quint32 averageCb_Read();

    void splitScreen(quint32 v);
    // true holds the live picture, false lets it run again.
    void freeze(bool on);

private:
    quint32 average(quint32 sumOffset);
};

#endif // CONTROL_H
