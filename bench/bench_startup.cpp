// Start-up of the program beside two floors: the time from starting the process to the first
// painted frame of its main window, and the peak resident memory by then, for the main window,
// for a bare frameless translucent 1920 x 1080 dialog, and for the same dialog showing text (a
// font window: it registers the program's font file, lays out and draws one line in it and
// fills every pixel of its window once, as any window that shows text over the whole screen
// must), each in a process of its own (the benchmark starts itself again with "--child main",
// "--child bare" or "--child font"). The main window finds the font file in its working folder
// as on the camera. It starts as on a camera's first day, without its settings files, which it then writes; "--child
// again" starts it as on every later day, with the files an earlier start left in a folder kept
// for the run. The simulator's picture follows the main window's first frame; the time and peak
// memory until it is painted too are reported beside.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "Counting.h"
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

const QString fontFile = QStringLiteral("SourceHanSans-Light.ttc");

// The font file the program is built with, as it stands beside the program.
QString builtFont()
{
    return QDir(QStringLiteral(KORVELIN_BUILD_DIR)).filePath(fontFile);
}

// What one kind of child counts from its start to its first painted frame.
QByteArray kindOfChild;

void report(const char *what)
{
    // The start that only leaves the settings files for the later ones is not counted.
    if (qstrcmp(what, "painted") == 0 && !qEnvironmentVariableIsSet("KORVELIN_BENCH_UNCOUNTED"))
        Counting::end(("startup " + kindOfChild).constData());
    std::printf("%s %ld\n", what, peakKilobytes());
    std::fflush(stdout);
}

// The floor for a window that shows text: one line in the program's font over a window whose
// every pixel is filled once.
class FontWindow : public QDialog
{
public:
    FontWindow()
    {
        const int id = QFontDatabase::addApplicationFont(builtFont());
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            std::printf("no font file %s\n", qPrintable(builtFont()));
        font = QFont(families.value(0), 12);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), QColor(224, 224, 224, 128));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setFont(font);
        painter.drawText(QPointF(1620, 40), QStringLiteral("Korvelin V 2.13 Mem: 1.00 GB"));
    }

private:
    QFont font;
};

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
    kindOfChild = kind;
    QApplication app(argc, argv);
    if (kind == "main" || kind == "again") {
        TestUtils::Sandbox sandbox(kind == "again" ? qEnvironmentVariable("KORVELIN_BENCH_HOME") : QString());
        // As on the camera, where the font file stands in the working folder.
        QFile::link(builtFont(), fontFile);
        Startup::prepare();
        Frame frame(nullptr);
        FirstPaint watch(frame.view()->viewport(), frame.view());
        frame.show();
        return app.exec();
    }
    std::unique_ptr<QDialog> floor(kind == "font" ? new FontWindow : new QDialog);
    floor->setWindowFlags(Qt::FramelessWindowHint);
    floor->setAttribute(Qt::WA_TranslucentBackground);
    floor->setGeometry(0, 0, 1920, 1080);
    FirstPaint watch(floor.get());
    floor->show();
    return app.exec();
}

struct Run
{
    double ms = 0;
    long kilobytes = 0;
    double pictureMs = 0;
    long pictureKilobytes = 0;
};

Run start(const QString &self, const QString &kind, const QString &home = QString(), bool counted = true)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVELIN_BENCH_HOME"), home);
    if (!counted)
        environment.insert(QStringLiteral("KORVELIN_BENCH_UNCOUNTED"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(self, {QStringLiteral("--child"), kind});
    // Under callgrind a start takes a hundred times as long.
    const int wait = Counting::active() ? 600000 : 10000;
    Run run;
    const bool picture = kind != QLatin1String("bare");
    bool finished = false;
    while (!finished && process.waitForReadyRead(wait)) {
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
    process.waitForFinished(wait);
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
    std::vector<double> mainMs, bareMs, fontMs, mainKb, bareKb, fontKb, pictureMs, pictureKb, againMs, againKb;
    QTemporaryDir home;
    // The first start in the kept folder writes its settings files.
    start(self, QStringLiteral("again"), home.path(), false);
    // Side by side, in turns, so that all see the same machine; counted, each once.
    const int rounds = Counting::active() ? 1 : 7;
    for (int round = 0; round < rounds; ++round) {
        const Run bare = start(self, QStringLiteral("bare"));
        const Run font = start(self, QStringLiteral("font"));
        const Run main = start(self, QStringLiteral("main"));
        const Run again = start(self, QStringLiteral("again"), home.path());
        if (bare.ms <= 0 || font.ms <= 0 || main.ms <= 0 || main.pictureMs <= 0 || again.ms <= 0) {
            std::printf("a run did not paint\n");
            return 1;
        }
        bareMs.push_back(bare.ms);
        fontMs.push_back(font.ms);
        mainMs.push_back(main.ms);
        bareKb.push_back(bare.kilobytes);
        fontKb.push_back(font.kilobytes);
        mainKb.push_back(main.kilobytes);
        pictureMs.push_back(main.pictureMs);
        pictureKb.push_back(main.pictureKilobytes);
        againMs.push_back(again.ms);
        againKb.push_back(again.kilobytes);
    }
    std::printf("bare dialog: %.1f ms, %.0f kB peak\n", median(bareMs), median(bareKb));
    std::printf("font window: %.1f ms, %.0f kB peak\n", median(fontMs), median(fontKb));
    std::printf("main window: %.1f ms, %.0f kB peak\n", median(mainMs), median(mainKb));
    std::printf("main window with its picture: %.1f ms, %.0f kB peak (ratio against a font window %.2f)\n",
                median(pictureMs), median(pictureKb), median(pictureMs) / median(fontMs));
    std::printf("main window, settings files in place: %.1f ms, %.0f kB peak (ratios against a font window "
                "%.2f and %.2f)\n",
                median(againMs), median(againKb), median(againMs) / median(fontMs), median(againKb) / median(fontKb));
    std::printf("startup ratio: %.2f\n", median(mainMs) / median(bareMs));
    std::printf("memory ratio: %.2f\n", median(mainKb) / median(bareKb));
    std::printf("startup ratio against a font window: %.2f\n", median(mainMs) / median(fontMs));
    std::printf("memory ratio against a font window: %.2f\n", median(mainKb) / median(fontKb));
    return 0;
}
