// Cost of a capture (the photo, the measurements drawn over it, the file written) beside
// writing the same 8,294,400 bytes of a 1920 x 1080 picture raw, each with the file put in
// place and flushed the same way. The last line is the ratio of the bitmap capture to the raw
// write; the JPG capture is reported beside it.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QSaveFile>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

#include "Counting.h"
#include "Frame.h"
#include "MeasureLine.h"
#include "testutils.h"

namespace {

// Milliseconds, the best of a few runs; counted, one run.
double bestMs(const char *name, const std::function<bool()> &run)
{
    double best = 1e300;
    for (int round = 0; round < (Counting::active() ? 1 : 7); ++round) {
        QElapsedTimer timer;
        timer.start();
        Counting::begin();
        if (!run())
            std::printf("a run failed\n");
        Counting::end(name);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestUtils::Sandbox sandbox;
    auto *frame = new Frame(nullptr);
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame))
        std::printf("the main window was not shown\n");
    // A bench's worth of measurements on the picture.
    for (int i = 0; i < 20; ++i) {
        auto *line = new MeasureLine;
        frame->scene()->addItem(line);
        const QPointF start(100 + (i % 5) * 280, 100 + (i / 5) * 220);
        line->setPoint(start, 1, quint16(i + 1));
        line->endDraw(start + QPointF(200, 60));
        GlobalVar::shapeList << line;
    }

    const QByteArray bytes(1920 * 1080 * 4, '\x55');
    const QString raw = sandbox.path(QStringLiteral("raw.bin"));
    const double rawMs = bestMs("capture raw write", [&]() {
        QSaveFile file(raw);
        const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        ::sync();
        return written;
    });
    const double bmpMs = bestMs("capture bmp", [&]() { return frame->captureImageTo(sandbox.path(QStringLiteral("IMG00001.bmp"))); });
    const double jpgMs = bestMs("capture jpg", [&]() { return frame->captureImageTo(sandbox.path(QStringLiteral("IMG00002.jpg"))); });
    std::printf("raw write of %d bytes: %.2f ms\n", int(bytes.size()), rawMs);
    std::printf("capture bmp: %.2f ms (%lld bytes)\n", bmpMs, QFile(sandbox.path(QStringLiteral("IMG00001.bmp"))).size());
    std::printf("capture jpg: %.2f ms, ratio %.2f\n", jpgMs, jpgMs / rawMs);
    std::printf("capture ratio: %.2f\n", bmpMs / rawMs);
    delete frame;
    return 0;
}
