// Cost of one frame of the simulated live picture after a camera setting changed, as when a
// slider of the camera settings dialog moves: the picture through the sensor's exposure and
// gain, the colour gains, contrast, gamma and sharpening, into the picture the view draws as
// it is. The last line is the median time of a frame.
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>

#include "CameraSeam.h"
#include "Control.h"
#include "SimulatedCamera.h"
#include "testutils.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestUtils::Sandbox sandbox;
    SimulatedCamera *camera = SimulatedCamera::active();
    if (!camera) {
        std::printf("no simulator in use\n");
        return 1;
    }
    camera->livePicture();
    Control control;
    std::vector<double> frames;
    for (int step = 0; step < 40; ++step) {
        QElapsedTimer timer;
        timer.start();
        // The red gain slider moves one step; the picture is rendered again.
        control.redGainWrite(quint32(9000 + 50 * step));
        const QImage picture = camera->livePicture();
        frames.push_back(timer.nsecsElapsed() / 1e6);
        if (picture.isNull())
            std::printf("no picture\n");
    }
    std::sort(frames.begin(), frames.end());
    std::printf("fastest frame: %.2f ms, slowest: %.2f ms\n", frames.front(), frames.back());
    std::printf("frame ms: %.2f\n", frames[frames.size() / 2]);
    return 0;
}
