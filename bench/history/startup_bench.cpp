// startup_500 / startup_rss_500: the real main window started on a history of
// 500 entries of which 100 are 1920x1080 PNG screenshots. Each start is a
// fresh process; time from launch to the window shown, resident memory once
// the rows of the first screen have their pictures.
#include "app/main_window.h"
#include "bench/history/history_fixture.h"
#include "core/program_file.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

namespace {

// Rows a first screen shows (700 px high, image rows 200 px).
constexpr int kFirstRows = 12;

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

int Child(int argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SetProgramFolderForTest(folder);
    main_window window;
    QCoreApplication::processEvents();
    if (!window.isVisible())
        return 1;
    std::printf("SHOWN\n");
    std::fflush(stdout);

    // What the list draws first: the row pictures of the first screen.
    int rows = 0;
    for (const content_item& item : *window.shown().view()) {
        if (rows++ == kFirstRows)
            break;
        if (item.pixmap)
            window.history().row_images().Request(item.pixmap);
    }
    window.history().row_images().WaitForDone(60000);
    QCoreApplication::processEvents();
    std::printf("RSS %ld\n", ResidentKb());
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--child") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return Child(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the screenshots draw text
    QTemporaryDir folder;
    bench_history::MakeHistory(folder.path());

    std::vector<double> times;
    long rss = 0;
    // The first start makes the row picture files; later starts read them.
    for (int run = 0; run < 6; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        child.start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("--child"), folder.path() });
        QByteArray out;
        double shown = -1;
        while (child.waitForReadyRead(60000)) {
            out += child.readAllStandardOutput();
            if (shown < 0 && out.contains("SHOWN"))
                shown = timer.nsecsElapsed() / 1e6;
            if (out.contains("RSS"))
                break;
        }
        child.waitForFinished(60000);
        out += child.readAllStandardOutput();
        const int at = out.indexOf("RSS ");
        if (shown < 0 || at < 0) {
            std::fprintf(stderr, "start-up run %d failed\n", run);
            return 1;
        }
        const long kb = out.mid(at + 4).split('\n').front().toLong();
        std::fprintf(stderr, "run %d: shown after %.1f ms, %ld kB resident\n", run, shown, kb);
        times.push_back(shown);
        rss = std::max(rss, kb);
    }
    std::sort(times.begin(), times.end());
    std::printf("BENCH startup_500 %.1f ms\n", times.back());
    std::printf("BENCH startup_rss_500 %.1f MB\n", rss / 1024.0);
    return 0;
}
