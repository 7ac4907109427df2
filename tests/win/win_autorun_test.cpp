// The autorun value in the registry, through the real advapi32.
#include "platform/win/win_layer.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(WinAutorun, RoundTripWithNonAsciiNamesAndRemoval)
{
    win_layer layer;
    const std::string name
        = "quillbox \xC3\xBC\xE5\xA4\x8D\xE5\x88\xB6 \xF0\x9F\x93\x8B"; // ü复制 📋
    const std::string program = "C:\\Programme\\Kl\xC3\xA4ps\\quillbox.exe";
    layer.RemoveAutorun(name);
    EXPECT_FALSE(layer.ReadAutorun(name).has_value());

    ASSERT_TRUE(layer.SetAutorun(name, program, "-startup"));
    EXPECT_EQ(layer.ReadAutorun(name), "\"" + program + "\" -startup");
    // A second write replaces the value rather than adding one.
    ASSERT_TRUE(layer.SetAutorun(name, program, "show_window"));
    EXPECT_EQ(layer.ReadAutorun(name), "\"" + program + "\" show_window");
    // Another name is a value of its own.
    EXPECT_FALSE(layer.ReadAutorun(name + "2").has_value());

    EXPECT_TRUE(layer.RemoveAutorun(name));
    EXPECT_FALSE(layer.ReadAutorun(name).has_value());
    EXPECT_FALSE(layer.RemoveAutorun(name));
}

TEST(WinLayer, IsTheNativeLayerAndScalesAtLeastByOne)
{
    auto native = CreateNative("windows");
    ASSERT_TRUE(native);
    EXPECT_EQ(native->Name(), "win");
    // Wine's screen is 96 DPI unless told otherwise.
    EXPECT_EQ(native->DpiScale(), 1);
}

} // namespace
} // namespace platform
