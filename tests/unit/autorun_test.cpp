#include "app/autorun.h"
#include "platform/x11/x11_layer.h"
#include "platform/x11/xdg_autostart.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

class XdgAutostartFile : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit()); }
    void TearDown() override
    {
        if (saved_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", saved_);
    }
    QStringList Entries() const { return QDir(dir_.path() + "/autostart").entryList(QDir::Files); }

    const QByteArray saved_ = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir dir_;
    platform::x11_layer os { false };
};

// The entry is named by the layout and rewritten, not doubled, at each start.
TEST_F(XdgAutostartFile, ApplyWritesOneEntryNamedByTheLayoutAndRemovesIt)
{
    program_layout layout;
    layout.program_file = QStringLiteral("/srv/my tools/clip.box/quillbox");
    layout.autorun_name = QStringLiteral("clip");
    autorun::Apply(os, true, layout);
    autorun::Apply(os, true, layout);
    EXPECT_EQ(os.ReadAutorun("clip"), std::string("\"/srv/my tools/clip.box/quillbox\" -startup"));
    EXPECT_EQ(Entries(), QStringList { "clip.desktop" });
    autorun::Apply(os, false, layout);
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(XdgAutostartFile, ReservedCharactersAreEscapedUnsafeNamesAndPathsRefused)
{
    // Inside quotes " ` $ \ get a backslash, which the string escaping of
    // desktop entries doubles; % is written %%.
    EXPECT_EQ(platform::xdg_autostart::ExecLine(
                  "/a b/\"q\"/$HOME/`x`/back\\slash/100%/quillbox", "-startup"),
        "\"/a b/\\\\\"q\\\\\"/\\\\$HOME/\\\\`x\\\\`/back\\\\\\\\slash/100%%/quillbox\" "
        "-startup");
    EXPECT_FALSE(os.SetAutorun("../evil", "/p/quillbox", "-startup"));
    EXPECT_FALSE(os.SetAutorun("", "/p/quillbox", "-startup"));
    EXPECT_FALSE(os.SetAutorun("app", "/p/quill\nExec=rm -rf ~", "-startup"));
    EXPECT_TRUE(Entries().isEmpty());
}

TEST(DpiScale, FromTheXftDpiResourceAtTheStartOfALine)
{
    const std::pair<const char*, int> cases[]
        = { { nullptr, 1 }, { "Xcursor.size: 24\nXft.dpi: 192\n", 2 }, { "Xft.dpi: 144", 1 },
              { "Xft.dpi: 48", 1 }, { "Foo.Xft.dpi: 288\n", 1 }, { "Xft.dpi: garbage", 1 } };
    for (const auto& [resources, scale] : cases)
        EXPECT_EQ(platform::DpiScaleFromResources(resources), scale)
            << (resources ? resources : "null");
}

} // namespace
