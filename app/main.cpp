#include "app/main_window.h"
#include "app/shell_actions.h"
#include "app/single_instance.h"
#include "platform/platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    shell_actions::RememberLaunchArguments(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    // Hiding the window to the tray must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (single_instance::ProbeRunning(1000))
        return 0; // the running copy shows its window
    SingleInstance().Listen();

    platform::Install(platform::CreateNative(QGuiApplication::platformName().toStdString()));

    int code = 0;
    {
        main_window window(nullptr);
        code = QApplication::exec();
    }
    SingleInstance().Close();
    return code;
}
