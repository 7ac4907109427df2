// The portable or installed layout, decided on real folders with the XDG
// variables set as a user's session would.
#include "core/program_file.h"
#include "core/program_layout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class ProgramLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kVariables)
            saved_.push_back(qgetenv(name));
        qputenv("HOME", home());
        qputenv("XDG_CONFIG_HOME", home() + "/cfg");
        qputenv("XDG_DATA_HOME", home() + "/data");
    }
    void TearDown() override
    {
        for (int i = 0; i < 3; ++i)
            saved_[i].isNull() ? qunsetenv(kVariables[i]) : qputenv(kVariables[i], saved_[i]);
        // Read-only folders must be writable again for QTemporaryDir to go.
        for (const QString& folder : locked_)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QByteArray home() const { return QFile::encodeName(dir_.path() + "/home"); }
    // A folder of the temporary tree, made read-only when asked.
    QString Folder(const QString& relative, bool read_only = false)
    {
        const QString path = dir_.path() + '/' + relative;
        QDir().mkpath(path);
        if (read_only) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther);
            locked_.push_back(path);
        }
        return path;
    }

    static constexpr const char* kVariables[] = { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME" };
    QTemporaryDir dir_;
    std::vector<QByteArray> saved_;
    std::vector<QString> locked_;
};

TEST_F(ProgramLayoutTest, AWritableFolderKeepsEverythingBesideTheProgramAReadOnlyOneUsesXdgOrHome)
{
    const QString folder = Folder("my tools/clip.box");
    program_layout layout = program_layout::Decide(folder + "/");
    EXPECT_FALSE(layout.installed);
    EXPECT_EQ(layout.settings_folder, folder);
    EXPECT_EQ(layout.shared_folder, folder);
    EXPECT_EQ(layout.program_file, folder + "/quillbox");
    EXPECT_EQ(layout.autorun_name, "clip");

    // Read-only even for root: a folder without write bits counts as installed.
    const QString alone = Folder("opt/quillbox", true);
    layout = program_layout::Decide(alone);
    EXPECT_TRUE(layout.installed);
    EXPECT_EQ(layout.shared_folder, alone); // no share/ beside it
    EXPECT_EQ(layout.settings_folder, home() + "/cfg/quillbox");
    qputenv("XDG_CONFIG_HOME", "relative/cfg");
    qunsetenv("XDG_DATA_HOME");
    layout = program_layout::Decide(alone);
    EXPECT_EQ(layout.settings_folder, home() + "/.config/quillbox");
    EXPECT_EQ(layout.data_folder, home() + "/.local/share/quillbox");
}

TEST_F(ProgramLayoutTest, SystemProgramFoldersAreInstalledEvenWhenWritable)
{
    EXPECT_TRUE(program_layout::Decide("/usr/local/bin").installed);
    // Through a link (merged /usr, a user's shortcut) the real folder counts.
    const QString link = dir_.path() + "/bin-link";
    ASSERT_TRUE(QFile::link("/usr/bin", link));
    EXPECT_TRUE(program_layout::Decide(link).installed);
    // Only whole folder names: /usrdata is no system folder.
    EXPECT_FALSE(program_layout::Decide(Folder("usr")).installed);
}

TEST_F(ProgramLayoutTest, TheInstalledLayoutCreatesPrivateFoldersOnFirstUse)
{
    SetProgramFolderForTest(Folder("prefix/bin", true));
    const program_layout& layout = ProgramLayout();
    SetProgramFolderForTest(QString());
    for (const QString& folder : { layout.settings_folder, layout.data_folder }) {
        const QFileInfo info(folder);
        EXPECT_TRUE(info.isDir()) << folder.toStdString();
        EXPECT_EQ(info.permissions() & 0x7077, 0x7000) // rwx for the owner alone
            << folder.toStdString();
    }
}

} // namespace
