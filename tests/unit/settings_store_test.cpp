#include "core/atomic_file.h"
#include "core/settings_store.h"
#include "tests/unit/unit_files.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

using settings_store::LoadResult;
using unit_test::ReadFile;

class SettingsFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("config.json")); }
    QJsonObject ReadJson() const { return QJsonDocument::fromJson(ReadFile(path())).object(); }
    LoadResult Load(const QByteArray& bytes)
    {
        EXPECT_TRUE(unit_test::WriteFile(path(), bytes));
        return settings_store::Load(record, path(), window);
    }

    QTemporaryDir dir;
    settings_record record;
    settings_store::window_state window { QRect(12, 40, 700, 900), std::nullopt };
};

TEST_F(SettingsFile, FirstStartCreatesTheFileWithWriteDefaultsAndSavesRoundTrip)
{
    EXPECT_EQ(settings_store::Load(record, path(), window), LoadResult::created);
    EXPECT_TRUE(ReadJson().value("flag").toBool());
    EXPECT_EQ(record.loop_count, 4); // writing filled the record too

    record.dark_mode = true;
    record.language = 6;
    record.position = "1,2,3,4,"; // not what is saved: the window's frame is
    settings_store::Save(record, path(), true, { QRect(-5, 0, 10, 20), false });
    settings_record loaded;
    EXPECT_EQ(settings_store::Load(loaded, path(), window), LoadResult::loaded);
    EXPECT_TRUE(loaded.dark_mode);
    EXPECT_EQ(loaded.language, 6);
    EXPECT_EQ(loaded.position, "-5,0,10,20,");
}

TEST_F(SettingsFile, AnUnparsableFileIsKeptAsideMissingKeysDefaultWrongTypesReadAsZero)
{
    // Kept aside as the main window's start shows; the record in its place parses.
    record.hotkey = "keep";
    EXPECT_EQ(Load("{\"hotkey\": \"x\","), LoadResult::unparsable);
    EXPECT_EQ(ReadJson().value("hotkey").toString(), "keep");
    record.collect_sort_type = 5; // absent keys without a load default keep the record's value
    EXPECT_EQ(Load(R"({"hotkey": "Ctrl+Shift+V", "auto_return": true})"), LoadResult::loaded);
    EXPECT_EQ(record.hotkey, "Ctrl+Shift+V");
    EXPECT_EQ(record.max_save_count, 500);
    EXPECT_EQ(record.collect_sort_type, 5);
    EXPECT_TRUE(record.auto_return);

    // Wrong JSON types read as zero; zero counts are saved as the defaults.
    Load(R"({"max_save_count": 6000000000, "language": 7.0})");
    EXPECT_EQ(record.max_save_count, 6000000000); // beyond int: not cut to 32 bits
    EXPECT_EQ(record.language, 7);
    Load(R"({"auto_paste": "yes", "language": "7", "search_path": 3.5, "hotkey": 12,
             "position": 5, "loop_count": 0, "max_save_count": 0})");
    EXPECT_FALSE(record.auto_paste);
    EXPECT_EQ(record.language, 0);
    EXPECT_EQ(record.hotkey, "");
    EXPECT_EQ(record.max_save_count, 0);
    settings_store::Save(record, path(), false, window);
    EXPECT_EQ(ReadJson().value("loop_count").toInt(), 4);
    EXPECT_EQ(ReadJson().value("max_save_count").toInt(), 500);
}

// A crash between writing and renaming must leave the previous file whole.
TEST_F(SettingsFile, InterruptedSaveLeavesTheOldFileWhole)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    record.language = 2;
    settings_store::Save(record, path(), true, window);
    const QByteArray before = ReadFile(path());
    EXPECT_EXIT(
        {
            atomic_file::SetBeforeCommitHookForTest([] { _exit(3); });
            record.language = 5;
            record.hotkey = std::string(100000, 'x'); // a large write
            settings_store::Save(record, path(), true, window);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(ReadFile(path()), before);
    settings_record loaded;
    EXPECT_EQ(settings_store::Load(loaded, path(), window), LoadResult::loaded);
    EXPECT_EQ(loaded.language, 2);
}

} // namespace
