// settings_first_show: the gear clicked in the real main window to the
// settings window's first paint, the window made on that click (offscreen,
// fresh process). settings_show: the same for a later opening, median of 20.
// settings_apply: closing it to the edited copy applied (the settings saved,
// the hotkeys registered, the list redrawn), median of 20.
#include "app/main_window.h"
#include "core/program_file.h"
#include "platform/fake/fake_layer.h"
#include "widgets/settings_widget.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <vector>

namespace {

// Counts the paints of settings windows, which the click makes.
class paint_counter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<settings_widget*>(watched))
            ++paints;
        return false;
    }
};

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    SetProgramFolderForTest(folder.path());
    platform::Install(std::make_unique<platform::fake_layer>());
    main_window window;
    QCoreApplication::processEvents();
    auto* gear = window.findChild<QPushButton*>(QStringLiteral("settings_button"));
    paint_counter counter;
    app.installEventFilter(&counter);

    const auto open = [&] {
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        gear->click();
        for (int spin = 0; counter.paints == before && spin < 100000; ++spin)
            QCoreApplication::processEvents();
        return timer.nsecsElapsed() / 1e6;
    };
    const double first = open();
    std::vector<double> shows;
    std::vector<double> applies;
    for (int round = 0; round < 20; ++round) {
        QElapsedTimer timer;
        timer.start();
        window.settings_window()->closeWidget();
        applies.push_back(timer.nsecsElapsed() / 1e6);
        shows.push_back(open());
    }
    std::printf("BENCH settings_first_show %.2f ms\n", first);
    std::printf("BENCH settings_show %.2f ms\n", Median(shows));
    std::printf("BENCH settings_apply %.2f ms\n", Median(applies));
    return 0;
}
