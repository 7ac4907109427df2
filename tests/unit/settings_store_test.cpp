#include "app/atomic_file.h"
#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("config.json")); }

    void WriteFile(const QByteArray& bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray ReadFile() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QJsonObject ReadJson() const { return QJsonDocument::fromJson(ReadFile()).object(); }

    QTemporaryDir dir;
    settings_record record;
    settings_store::WindowState window { QRect(12, 40, 700, 900), std::nullopt };
};

TEST_F(SettingsFile, FirstStartCreatesTheFileWithWriteDefaults)
{
    EXPECT_EQ(settings_store::Load(record, path(), window), settings_store::LoadResult::created);
    const QJsonObject json = ReadJson();
    EXPECT_TRUE(json.value(QLatin1String("flag")).toBool());
    EXPECT_EQ(json.value(QLatin1String("hotkey")).toString(), QStringLiteral("Ctrl+Alt+Q"));
    EXPECT_EQ(json.value(QLatin1String("hotkey_extra")).toString(), QStringLiteral("Alt+1~9"));
    EXPECT_EQ(
        json.value(QLatin1String("hotkey_file_extra")).toString(), QStringLiteral("Alt+Ctrl+1~9"));
    EXPECT_EQ(json.value(QLatin1String("hotkey_collect_extra")).toString(),
        QStringLiteral("Alt+Shift+1~9"));
    EXPECT_EQ(json.value(QLatin1String("loop_count")).toInt(), 4);
    EXPECT_EQ(json.value(QLatin1String("max_save_count")).toInt(), 500);
    EXPECT_EQ(json.value(QLatin1String("position")).toString(), QStringLiteral("12,40,700,900,"));
    // 10 hotkeys, 18 flags, 7 numbers, position and flag.
    EXPECT_EQ(json.size(), 37);
    // Writing filled the record too.
    EXPECT_EQ(record.hotkey_text_extra, "Ctrl+1~9");
    EXPECT_EQ(record.loop_count, 4);
}

TEST_F(SettingsFile, MissingKeysTakeTheLoadDefaults)
{
    WriteFile(R"({"hotkey": "Ctrl+Shift+V", "auto_return": true})");
    record.collect_sort_type = 5; // absent keys without a load default keep the record's value
    EXPECT_EQ(settings_store::Load(record, path(), window), settings_store::LoadResult::loaded);
    EXPECT_EQ(record.hotkey, "Ctrl+Shift+V");
    EXPECT_EQ(record.hotkey_extra, "ALT+1~9");
    EXPECT_EQ(record.hotkey_file_extra, "Alt+Shift+1~9");
    EXPECT_EQ(record.hotkey_collect_extra, "Alt+Ctrl+1~9");
    EXPECT_EQ(record.loop_count, 4);
    EXPECT_EQ(record.max_save_count, 500);
    EXPECT_EQ(record.show_content_type, 3);
    EXPECT_EQ(record.position, "0,0,0,0,");
    EXPECT_EQ(record.collect_sort_type, 5);
    EXPECT_TRUE(record.auto_return);
    EXPECT_TRUE(record.auto_paste);
}

TEST_F(SettingsFile, WrongJsonTypesReadAsZeroOrEmpty)
{
    WriteFile(R"({"auto_paste": "yes", "loop_count": "7", "language": 3.5,
                  "hotkey": 12, "position": 5, "max_save_count": 42})");
    settings_store::Load(record, path(), window);
    EXPECT_FALSE(record.auto_paste);
    EXPECT_EQ(record.loop_count, 0);
    EXPECT_EQ(record.language, 0);
    EXPECT_EQ(record.hotkey, "");
    EXPECT_EQ(record.position, "");
    EXPECT_EQ(record.max_save_count, 42);
}

TEST_F(SettingsFile, ZeroLoopCountLoadsAsZeroAndIsSavedAsFour)
{
    WriteFile(R"({"loop_count": 0, "max_save_count": 0})");
    settings_store::Load(record, path(), window);
    EXPECT_EQ(record.loop_count, 0);
    EXPECT_EQ(record.max_save_count, 0);
    settings_store::Save(record, path(), false, window);
    EXPECT_EQ(ReadJson().value(QLatin1String("loop_count")).toInt(), 4);
    EXPECT_EQ(ReadJson().value(QLatin1String("max_save_count")).toInt(), 500);
    EXPECT_FALSE(ReadJson().value(QLatin1String("flag")).toBool(true));
}

TEST_F(SettingsFile, UnparsableFileLeavesTheRecordAndTheFileAlone)
{
    WriteFile("{\"auto_paste\": false,");
    record.auto_paste = true;
    record.hotkey = "keep";
    EXPECT_EQ(settings_store::Load(record, path(), window), settings_store::LoadResult::unparsable);
    EXPECT_TRUE(record.auto_paste);
    EXPECT_EQ(record.hotkey, "keep");
    EXPECT_EQ(ReadFile(), QByteArray("{\"auto_paste\": false,"));
}

TEST_F(SettingsFile, RoundTripKeepsEveryStoredField)
{
    record.auto_run = false;
    record.dark_mode = true;
    record.language = 6;
    record.search_path = 2;
    record.image_preview_scale = 3;
    record.hotkey = "Ctrl+Alt+Z";
    settings_store::Save(record, path(), true, window);
    settings_record loaded;
    settings_store::Load(loaded, path(), window);
    EXPECT_FALSE(loaded.auto_run);
    EXPECT_TRUE(loaded.dark_mode);
    EXPECT_EQ(loaded.language, 6);
    EXPECT_EQ(loaded.search_path, 2);
    EXPECT_EQ(loaded.image_preview_scale, 3);
    EXPECT_EQ(loaded.hotkey, "Ctrl+Alt+Z");
    EXPECT_EQ(loaded.position, "12,40,700,900,");
}

TEST_F(SettingsFile, SaveTakesTheRecordingButtonButNotThePositionField)
{
    record.position = "1,2,3,4,";
    settings_store::WindowState state { QRect(-5, 0, 10, 20), false };
    settings_store::Save(record, path(), true, state);
    EXPECT_FALSE(record.start_paster);
    EXPECT_EQ(record.position, "1,2,3,4,");
    EXPECT_EQ(
        ReadJson().value(QLatin1String("position")).toString(), QStringLiteral("-5,0,10,20,"));
    EXPECT_FALSE(ReadJson().value(QLatin1String("start_paster")).toBool(true));
}

TEST(SettingsPosition, FourNumbersEachFollowedByAComma)
{
    EXPECT_EQ(settings_store::PositionString(QRect(12, 40, 700, 900)), "12,40,700,900,");
    EXPECT_EQ(settings_store::PositionString(QRect(-44, -1, 0, 1)), "-44,-1,0,1,");
}

TEST(SettingsFill, EmptyHotkeysAndZeroCountsGetDefaults)
{
    settings_record record;
    record.hotkey_text = "Ctrl+T";
    settings_store::FillAtWindowConstruction(record);
    EXPECT_EQ(record.hotkey, "Ctrl+Alt+Q");
    EXPECT_EQ(record.hotkey_text, "Ctrl+T");
    EXPECT_EQ(record.hotkey_extra, "ALT+1~9");
    EXPECT_EQ(record.hotkey_file_extra, "ALT+Ctrl+1~9");
    EXPECT_EQ(record.hotkey_collect_extra, "ALT+Shift+1~9");
    EXPECT_EQ(record.loop_count, 4);
    EXPECT_EQ(record.max_save_count, 500);
}

// A crash between writing and renaming must leave the previous file whole.
TEST_F(SettingsFile, InterruptedSaveLeavesTheOldFileWhole)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    record.language = 2;
    settings_store::Save(record, path(), true, window);
    const QByteArray before = ReadFile();
    ASSERT_FALSE(before.isEmpty());

    EXPECT_EXIT(
        {
            atomic_file::SetBeforeCommitHookForTest([] { _exit(3); });
            settings_record changed;
            changed.language = 5;
            changed.hotkey = std::string(100000, 'x'); // a large write
            settings_store::Save(changed, path(), true, window);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(ReadFile(), before);
    settings_record loaded;
    EXPECT_EQ(settings_store::Load(loaded, path(), window), settings_store::LoadResult::loaded);
    EXPECT_EQ(loaded.language, 2);
}

} // namespace
