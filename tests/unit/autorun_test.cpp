#include "app/autorun.h"
#include "platform/fake/fake_platform.h"
#include "platform/x11/x11_platform.h"
#include "platform/x11/xdg_autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <QDir>
#include <QTemporaryDir>
#include <sstream>

namespace {

TEST(Autorun, OnWritesTheQuotedProgramPathWithStartupUnderTheFolderName)
{
    platform::FakePlatform os;
    autorun::Apply(os, true, QStringLiteral("/opt/my tools/clip.box"));
    // The entry is named after the folder's base name (up to the first dot).
    ASSERT_EQ(os.autorun.count("clip"), 1u);
    EXPECT_EQ(os.autorun["clip"], "\"/opt/my tools/clip.box/quillbox\" -startup");
}

TEST(Autorun, OffRemovesTheEntry)
{
    platform::FakePlatform os;
    os.autorun["app"] = "\"/x/app/quillbox\" -startup";
    autorun::Apply(os, false, QStringLiteral("/x/app"));
    EXPECT_TRUE(os.autorun.empty());
    for (const auto& call : os.Calls())
        EXPECT_EQ(call.rfind("SetAutorun", 0), std::string::npos) << call;
}

class XdgAutostartFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        saved_ = old ? old : "";
        had_ = old != nullptr;
        setenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override
    {
        if (had_)
            setenv("XDG_CONFIG_HOME", saved_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    std::string Contents(const std::string& name) const
    {
        std::ifstream in(platform::XdgAutostart::EntryPath(name));
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    QTemporaryDir dir_;
    std::string saved_;
    bool had_ = false;
};

TEST_F(XdgAutostartFile, WriteReadRemove)
{
    platform::X11Platform os(false);
    EXPECT_FALSE(os.ReadAutorun("app").has_value());
    ASSERT_TRUE(os.SetAutorun("app", "/home/u/app/quillbox", "-startup"));
    EXPECT_EQ(platform::XdgAutostart::EntryPath("app"),
        dir_.path().toStdString() + "/autostart/app.desktop");
    EXPECT_EQ(os.ReadAutorun("app"), std::string("\"/home/u/app/quillbox\" -startup"));
    const std::string text = Contents("app");
    EXPECT_NE(text.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(text.find("Type=Application\n"), std::string::npos);
    ASSERT_TRUE(os.RemoveAutorun("app"));
    EXPECT_FALSE(os.ReadAutorun("app").has_value());
    EXPECT_FALSE(os.RemoveAutorun("app"));
}

TEST_F(XdgAutostartFile, ReservedCharactersInThePathAreEscaped)
{
    // Inside quotes " ` $ \ get a backslash, which the string escaping of
    // desktop entries doubles; % is written %%.
    EXPECT_EQ(platform::XdgAutostart::ExecLine(
                  "/a b/\"q\"/$HOME/`x`/back\\slash/100%/quillbox", "-startup"),
        "\"/a b/\\\\\"q\\\\\"/\\\\$HOME/\\\\`x\\\\`/back\\\\\\\\slash/100%%/quillbox\" "
        "-startup");
}

TEST_F(XdgAutostartFile, UnsafeNamesAndPathsAreRefused)
{
    platform::X11Platform os(false);
    EXPECT_FALSE(os.SetAutorun("../evil", "/p/quillbox", "-startup"));
    EXPECT_FALSE(os.SetAutorun("", "/p/quillbox", "-startup"));
    EXPECT_FALSE(os.SetAutorun("app", "/p/quill\nExec=rm -rf ~", "-startup"));
    EXPECT_FALSE(
        QDir(dir_.path() + QStringLiteral("/autostart")).exists(QStringLiteral("app.desktop")));
}

TEST_F(XdgAutostartFile, ApplyKeepsOneEntryAcrossStarts)
{
    platform::X11Platform os(false);
    autorun::Apply(os, true, QStringLiteral("/srv/quillbox"));
    autorun::Apply(os, true, QStringLiteral("/srv/quillbox"));
    EXPECT_EQ(os.ReadAutorun("quillbox"), std::string("\"/srv/quillbox/quillbox\" -startup"));
    EXPECT_EQ(QDir(dir_.path() + QStringLiteral("/autostart")).entryList(QDir::Files).size(), 1);
    autorun::Apply(os, false, QStringLiteral("/srv/quillbox"));
    EXPECT_FALSE(os.ReadAutorun("quillbox").has_value());
}

TEST(DpiScale, FromTheXftDpiResource)
{
    EXPECT_EQ(platform::DpiScaleFromResources(nullptr), 1);
    EXPECT_EQ(platform::DpiScaleFromResources(""), 1);
    EXPECT_EQ(platform::DpiScaleFromResources("Xft.dpi:\t96\n"), 1);
    EXPECT_EQ(platform::DpiScaleFromResources("Xcursor.size: 24\nXft.dpi: 192\n"), 2);
    EXPECT_EQ(platform::DpiScaleFromResources("Xft.dpi: 144"), 1);
    EXPECT_EQ(platform::DpiScaleFromResources("Xft.dpi: 48"), 1);
    EXPECT_EQ(platform::DpiScaleFromResources("Foo.Xft.dpi: 288\n"), 1);
    EXPECT_EQ(platform::DpiScaleFromResources("Xft.dpi: garbage"), 1);
}

} // namespace
