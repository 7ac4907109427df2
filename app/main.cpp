#include "app/main_window.h"
#include "app/single_instance.h"
#include "platform/platform.h"
#include "platform/process_memory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    platform::ReturnLargeBlocksWhenFreed();
    // No widget draws with OpenGL, yet the xcb platform would load the whole
    // software GL stack for GLX (tens of MB resident). A user's choice stands.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
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
