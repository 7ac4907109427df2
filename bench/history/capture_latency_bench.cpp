// capture_latency: a 1 KB text copy to the entry saved and in items, with 500
// entries in the history, through the real main window and clipboard
// notification (offscreen platform: the X11 transfer, about 2 ms, is not in it).
#include "app/main_window.h"
#include "bench/history/history_fixture.h"
#include "core/program_file.h"
#include "core/settings_record.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <vector>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    bench_history::MakeHistory(folder.path(), 500, 1000000);
    SetProgramFolderForTest(folder.path());
    main_window window;
    if (window.history().items.size() != 500) {
        std::fprintf(stderr, "history not loaded: %zu entries\n", window.history().items.size());
        return 1;
    }

    std::vector<double> total;
    for (int i = 0; i < 60; ++i) {
        QString text = QStringLiteral("copy %1 ").arg(i);
        while (text.size() < 1024)
            text += QStringLiteral("lorem ipsum dolor sit amet %1 ").arg(i * 31 + text.size());
        text.truncate(1024);
        QElapsedTimer timer;
        timer.start();
        QGuiApplication::clipboard()->setText(text);
        const std::string wanted = text.toStdString();
        while (window.history().items.empty() || window.history().items.front().text != wanted) {
            if (timer.elapsed() > 5000) {
                std::fprintf(stderr, "copy %d was not captured\n", i);
                return 1;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        total.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(total.begin(), total.end());
    const double p50 = total[total.size() / 2];
    const double p95 = total[total.size() * 95 / 100];
    std::fprintf(stderr, "capture: median %.1f ms, p95 %.1f ms, max %.1f ms (500 entries)\n", p50,
        p95, total.back());
    std::printf("BENCH capture_latency %.1f ms\n", p95);
    return 0;
}
