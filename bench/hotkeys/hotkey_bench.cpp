// hotkey_to_window / idle_cpu: the real main window with the X11 layer on a
// private Xvfb display with openbox, 500 entries (every fifth a full-HD
// screenshot) and 30 ordinary top-level windows open.
// hotkey_to_window: an XTest press of the text hotkey (Ctrl+Alt+W) with the
// window hidden, to the window mapped on the X server with a row selected and
// on the clipboard; median of 20.
// idle_cpu: the window hidden, nothing happening; the process's CPU time
// (all threads) over 20 s, as % of one core.
#include "app/main_window.h"
#include "bench/history/history_fixture.h"
#include "core/program_file.h"
#include "history/history_list.h"
#include "platform/platform.h"
#include "tests/e2e/support/x_session.h"
#include "widgets/native_window_id.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/resource.h>
#include <vector>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <X11/Xlib.h>

namespace {

constexpr int kPresses = 20;
constexpr int kWindows = 30;
constexpr int kIdleSeconds = 20;

// Lets the event loop run for a while without spinning.
void Run(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool Mapped(Display* d, platform::WindowId window)
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes(d, static_cast<Window>(window), &attributes)
        && attributes.map_state == IsViewable;
}

void Key(Display* d, KeySym key, bool down)
{
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, key), down ? True : False, CurrentTime);
    XFlush(d);
}

} // namespace

int main(int argc, char** argv)
{
    e2e::XSession x;
    if (!x.Start(QSize(1920, 1080))) {
        std::fprintf(stderr, "no X session: %s\n", qPrintable(x.error()));
        return 1;
    }
    qputenv("DISPLAY", x.display().toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir folder;
    bench_history::MakeHistory(folder.path());
    // No synthesised paste on the release: nothing here to paste into.
    QFile config(folder.filePath(QStringLiteral("config.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(R"({"auto_paste": false})") < 0)
        return 1;
    config.close();
    SetProgramFolderForTest(folder.path());
    platform::Install(platform::CreateNative("xcb"));

    Display* d = XOpenDisplay(x.display().toLatin1().constData());
    if (!d)
        return 1;
    for (int i = 0; i < kWindows; ++i) {
        const Window w = XCreateSimpleWindow(
            d, DefaultRootWindow(d), 20 + i * 20, 20 + i * 15, 400, 300, 0, 0, 0xffffff);
        XStoreName(d, w, "ordinary window");
        XMapWindow(d, w);
    }
    XSync(d, False);

    main_window window;
    Run(1000);

    std::vector<double> times;
    for (int press = 0; press < kPresses; ++press) {
        window.hide();
        window.list()->setCurrentRow(-1);
        Run(300);
        bool copied = false;
        const auto connection = QObject::connect(
            QApplication::clipboard(), &QClipboard::dataChanged, [&] { copied = true; });
        Key(d, XK_Control_L, true);
        Key(d, XK_Alt_L, true);
        XSync(d, False);
        QElapsedTimer timer;
        timer.start();
        Key(d, XK_w, true);
        Key(d, XK_w, false);
        // Busy on purpose: the end is seen as soon as it happens.
        bool done = false;
        while (!done && timer.elapsed() < 5000) {
            QCoreApplication::processEvents();
            done = copied && window.list()->currentRow() >= 0 && Mapped(d, NativeWindowId(&window));
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        QObject::disconnect(connection);
        Key(d, XK_Alt_L, false);
        Key(d, XK_Control_L, false);
        if (!done) {
            std::fprintf(stderr, "press %d: not done (copied %d, row %d, mapped %d)\n", press,
                copied, window.list()->currentRow(), Mapped(d, NativeWindowId(&window)));
            return 1;
        }
        std::fprintf(stderr, "press %d: %.2f ms\n", press, ms);
        times.push_back(ms);
        Run(300);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "BENCH hotkey_to_window %.2f ms\n", (times[kPresses / 2 - 1] + times[kPresses / 2]) / 2);
    std::fflush(stdout);

    window.hide();
    Run(2000);
    QElapsedTimer wall;
    wall.start();
    const double cpu_before = CpuSeconds();
    Run(kIdleSeconds * 1000);
    const double cpu = CpuSeconds() - cpu_before;
    std::printf("BENCH idle_cpu %.3f %%\n", 100.0 * cpu / (wall.nsecsElapsed() / 1e9));
    XCloseDisplay(d);
    return 0;
}
