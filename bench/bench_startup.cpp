// Start-up of the program beside a bare Qt window: the time from starting the process to the
// first painted frame of its main window, and the peak resident memory by then, for the main
// window and for a bare frameless translucent 1920 x 1080 dialog, each in a process of its own
// (the benchmark starts itself again with "--child main" or "--child bare"). The main window
// starts as on a camera's first day, without its settings files, which it then writes; "--child
// again" starts it as on every later day, with the files an earlier start left in a folder kept
// for the run. The simulator's picture follows the main window's first frame; the time and peak
// memory until it is painted too are reported beside.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Frame.h"
#include "GraphicsView.h"
#include "Startup.h"
#include "testutils.h"

namespace {

// Peak resident memory of this process in kB.
long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void report(const char *what)
{
    std::printf("%s %ld\n", what, peakKilobytes());
    std::fflush(stdout);
}

// Reports once `widget` was painted, then quits; with a view, once the view was painted with
// its live picture as well.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *widget, GraphicsView *view = nullptr)
        : view(view)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || done)
            return false;
        // After this paint event has been handled.
        if (!seen) {
            seen = true;
            const bool last = !view;
            QTimer::singleShot(0, qApp, [this, last]() {
                report("painted");
                if (last)
                    QCoreApplication::exit(0);
            });
        }
        if (view && !view->livePicture().isNull()) {
            done = true;
            QTimer::singleShot(0, qApp, []() {
                report("picture");
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    GraphicsView *view = nullptr;
    bool seen = false;
    bool done = false;
};

int child(int argc, char **argv, const QByteArray &kind)
{
    QApplication app(argc, argv);
    if (kind != "bare") {
        TestUtils::Sandbox sandbox(kind == "again" ? qEnvironmentVariable("KORVELIN_BENCH_HOME") : QString());
        Startup::prepare();
        Frame frame(nullptr);
        FirstPaint watch(frame.view()->viewport(), frame.view());
        frame.show();
        return app.exec();
    }
    QDialog bare;
    bare.setWindowFlags(Qt::FramelessWindowHint);
    bare.setAttribute(Qt::WA_TranslucentBackground);
    bare.setGeometry(0, 0, 1920, 1080);
    FirstPaint watch(&bare);
    bare.show();
    return app.exec();
}

struct Run
{
    double ms = 0;
    long kilobytes = 0;
    double pictureMs = 0;
    long pictureKilobytes = 0;
};

Run start(const QString &self, const QString &kind, const QString &home = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVELIN_BENCH_HOME"), home);
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(self, {QStringLiteral("--child"), kind});
    Run run;
    const bool picture = kind != QLatin1String("bare");
    bool finished = false;
    while (!finished && process.waitForReadyRead(10000)) {
        const double ms = timer.nsecsElapsed() / 1e6;
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            const long kilobytes = line.mid(line.indexOf(' ') + 1).toLong();
            if (line.startsWith("painted")) {
                run.ms = ms;
                run.kilobytes = kilobytes;
                finished = !picture;
            } else if (line.startsWith("picture")) {
                run.pictureMs = ms;
                run.pictureKilobytes = kilobytes;
                finished = true;
            }
        }
    }
    process.waitForFinished(10000);
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QByteArray(argv[2]));

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> mainMs, bareMs, mainKb, bareKb, pictureMs, pictureKb, againMs, againKb;
    QTemporaryDir home;
    // The first start in the kept folder writes its settings files.
    start(self, QStringLiteral("again"), home.path());
    // Side by side, in turns, so that all see the same machine.
    for (int round = 0; round < 7; ++round) {
        const Run bare = start(self, QStringLiteral("bare"));
        const Run main = start(self, QStringLiteral("main"));
        const Run again = start(self, QStringLiteral("again"), home.path());
        if (bare.ms <= 0 || main.ms <= 0 || main.pictureMs <= 0 || again.ms <= 0) {
            std::printf("a run did not paint\n");
            return 1;
        }
        bareMs.push_back(bare.ms);
        mainMs.push_back(main.ms);
        bareKb.push_back(bare.kilobytes);
        mainKb.push_back(main.kilobytes);
        pictureMs.push_back(main.pictureMs);
        pictureKb.push_back(main.pictureKilobytes);
        againMs.push_back(again.ms);
        againKb.push_back(again.kilobytes);
    }
    std::printf("bare dialog: %.1f ms, %.0f kB peak\n", median(bareMs), median(bareKb));
    std::printf("main window: %.1f ms, %.0f kB peak\n", median(mainMs), median(mainKb));
    std::printf("main window with its picture: %.1f ms, %.0f kB peak\n", median(pictureMs), median(pictureKb));
    std::printf("main window, settings files in place: %.1f ms, %.0f kB peak (ratio %.2f)\n", median(againMs),
                median(againKb), median(againMs) / median(bareMs));
    std::printf("startup ratio: %.2f\n", median(mainMs) / median(bareMs));
    std::printf("memory ratio: %.2f\n", median(mainKb) / median(bareKb));
    return 0;
}
