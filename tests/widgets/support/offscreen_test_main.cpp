// Widget tests of controls that hold their own state: the offscreen platform
// and nothing of the program's globals (no settings, bus, folder or OS layer).
#include <gtest/gtest.h>

#include <QApplication>

// The build lists these tests by running them, outside ctest's environment;
// leaks inside Qt's platform plugins must not fail that run. Ours still do.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt5Core.so\nleak:libQt5Gui.so\nleak:libQt5Widgets.so\n"
           "leak:libqoffscreen.so\nleak:libfontconfig.so\nleak:libfreetype.so\n";
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
