// What the program costs while nobody uses it, read from /proc as a user
// would see it: the real binary on Xvfb with openbox, 500 entries, 30 other
// windows open, its window hidden, signed in to nothing.
// idle_cpu_hidden: CPU time (all threads) over 60 s.
// rss_growth_100_images: resident memory after 100 copies of a full-HD PNG,
// 400 ms apart, minus resident memory before them.
#include "bench/history/history_fixture.h"
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <cstdio>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <unistd.h>
#include <X11/Xlib.h>

namespace {

constexpr int kWindows = 30;
constexpr int kIdleSeconds = 60;
constexpr int kImages = 100;

struct process_reading {
    double cpu_ms = -1;
    double rss_mb = -1;
    long wakeups = 0; // context switches of the GUI thread
};

QByteArray ReadProc(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

long StatusField(const QByteArray& status, const QByteArray& name)
{
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').front().toLong();
    return 0;
}

process_reading Read(qint64 pid)
{
    process_reading reading;
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    // The command name may hold spaces: the fields start after its ')'.
    const QByteArray stat = ReadProc(proc + QStringLiteral("/stat"));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 12) {
        const double ticks = fields[11].toDouble() + fields[12].toDouble(); // utime, stime
        reading.cpu_ms = 1000.0 * ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
    // The process's own status counts only its first thread, the GUI's.
    const QByteArray status = ReadProc(proc + QStringLiteral("/status"));
    reading.rss_mb = StatusField(status, "VmRSS:") / 1024.0;
    reading.wakeups = StatusField(status, "voluntary_ctxt_switches:")
        + StatusField(status, "nonvoluntary_ctxt_switches:");
    return reading;
}

void OpenOrdinaryWindows(Display* d)
{
    for (int i = 0; i < kWindows; ++i) {
        const Window w = XCreateSimpleWindow(
            d, DefaultRootWindow(d), 20 + i * 20, 20 + i * 15, 400, 300, 0, 0, 0xffffff);
        XStoreName(d, w, "ordinary window");
        XMapWindow(d, w);
    }
    XSync(d, False);
}

bool HideProgramWindow(const e2e::XSession& x, const e2e::ProgramCopy& copy)
{
    const QStringList windows = copy.VisibleWindows();
    if (windows.isEmpty())
        return false;
    x.Xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), windows.front() });
    x.Xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    return e2e::WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000);
}

QByteArray Png(int seed)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bench_history::Screenshot(seed).save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    // The pictures are drawn here with fonts; the program draws on Xvfb.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    e2e::XSession x;
    if (!x.Start()) {
        std::fprintf(stderr, "no X session: %s\n", qPrintable(x.error()));
        return 1;
    }
    Display* d = XOpenDisplay(qPrintable(x.display()));
    if (!d)
        return 1;
    OpenOrdinaryWindows(d);
    e2e::ProgramCopy copy(x);
    bench_history::MakeHistory(copy.FilePath(QString()));
    QProcess& program = copy.Launch();
    if (!copy.WaitForWindows() || !HideProgramWindow(x, copy)) {
        std::fprintf(stderr, "the program did not show or hide its window\n");
        return 1;
    }
    QThread::msleep(3000); // start-up work settles

    const process_reading before = Read(program.processId());
    QThread::msleep(kIdleSeconds * 1000);
    const process_reading after = Read(program.processId());
    std::fprintf(stderr, "hidden %d s: %.0f ms CPU, %ld GUI thread wake-ups, %.1f MB\n",
        kIdleSeconds, after.cpu_ms - before.cpu_ms, after.wakeups - before.wakeups, after.rss_mb);
    std::printf("BENCH idle_cpu_hidden %.0f ms\n", after.cpu_ms - before.cpu_ms);

    // Distinct pictures: equal ones would be refused as the same entry.
    std::vector<QByteArray> pngs;
    for (int i = 0; i < kImages; ++i)
        pngs.push_back(Png(i));
    for (const QByteArray& png : pngs) {
        x.Copy(png, QStringLiteral("image/png"));
        QThread::msleep(400);
    }
    QThread::msleep(5000); // the last writes land
    const process_reading images = Read(program.processId());
    std::fprintf(stderr, "after %d images: %.1f MB (before %.1f MB), %zu entries on disk\n",
        kImages, images.rss_mb, after.rss_mb, static_cast<std::size_t>(copy.Index().size()));
    std::printf("BENCH rss_growth_100_images %.1f MB\n", images.rss_mb - after.rss_mb);
    XCloseDisplay(d);
    return 0;
}
