#include "app/command_line.h"
#include "app/main_window.h"
#include "app/shell_actions.h"
#include "app/single_instance.h"
#include "platform/platform.h"
#include "platform/process_memory.h"

#include <cstdio>
#include <QApplication>

int main(int argc, char* argv[])
{
    // Answered before the application object exists: they need no display and
    // must not wake or replace a running copy.
    switch (command_line::Parse(argc, argv)) {
    case command_line::request::help:
        std::fputs(command_line::HelpText().c_str(), stdout);
        return 0;
    case command_line::request::version:
        std::fputs(command_line::VersionText().c_str(), stdout);
        return 0;
    case command_line::request::run:
        break;
    }

    platform::ReturnLargeBlocksWhenFreed();
    // No widget draws with OpenGL, yet the xcb platform would load the whole
    // software GL stack for GLX (tens of MB resident). A user's choice stands.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    shell_actions::RememberLaunchArguments(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    // Window managers match the window to the installed desktop entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLBOX_APP_ID));
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
