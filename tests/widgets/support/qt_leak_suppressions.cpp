// The build lists widget tests by running them, outside ctest's environment;
// leaks inside Qt's platform plugins must not fail that run. Ours still do.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt5Core.so\nleak:libQt5Gui.so\nleak:libQt5Widgets.so\n"
           "leak:libqoffscreen.so\nleak:libfontconfig.so\nleak:libfreetype.so\n";
}
