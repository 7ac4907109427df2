// Widget tests run on the offscreen platform with the fake OS layer, in a
// program folder of their own, so they never touch the user's files.
#include "core/program_file.h"
#include "platform/fake/fake_layer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    SetProgramFolderForTest(folder.path());
    platform::Install(std::make_unique<platform::fake_layer>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
