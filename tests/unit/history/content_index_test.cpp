#include "history/content_index.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

content_record Record(std::int64_t type, bool favourite, const std::string& name)
{
    content_record r;
    r.type = type;
    r.collect = favourite ? collect_mark : 0;
    r.content = "/app/content/" + name;
    r.md5 = "0123456789abcdef0123456789abcdef";
    r.icons = "/app/content/" + name.substr(0, name.find('.')) + "icon.png";
    r.exe_title = "窗口 \xF0\x9F\x98\x80 title";
    return r;
}

TEST(ContentIndex, RoundTripKeepsEveryFieldAndTheFavouriteFlag)
{
    const std::vector<content_record> records
        = { Record(0, true, "1.txt"), Record(1, true, "2.png"), Record(2, true, "3.txt"),
              Record(0, false, "4.txt"), Record(1, false, "5.png"), Record(2, false, "6.txt") };
    const QByteArray bytes = content_index::Serialize(records, 500);
    const auto parsed = content_index::Parse(bytes, QStringLiteral("/app/content"));
    ASSERT_FALSE(parsed.damaged);
    ASSERT_EQ(parsed.records.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(parsed.records[i].type, records[i].type) << i;
        EXPECT_EQ(parsed.records[i].collect, records[i].collect) << i;
        EXPECT_EQ(parsed.records[i].content, records[i].content) << i;
        EXPECT_EQ(parsed.records[i].md5, records[i].md5) << i;
        EXPECT_EQ(parsed.records[i].icons, records[i].icons) << i;
        EXPECT_EQ(parsed.records[i].exe_title, records[i].exe_title) << i;
    }
}

TEST(ContentIndex, LayoutIsFiveStringArraysWithFileNamesAndAbsoluteIcons)
{
    const QByteArray bytes
        = content_index::Serialize({ Record(2, true, "1700000000000000000.txt") }, 500);
    EXPECT_TRUE(bytes.contains("\n    \"content\": [\n        \"1700000000000000000.txt\"\n"));
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(object.keys(), (QStringList { "content", "exe_title", "icons", "md5", "type" }));
    EXPECT_EQ(object["type"].toArray().at(0).toString(), "12");
    EXPECT_EQ(
        object["icons"].toArray().at(0).toString(), "/app/content/1700000000000000000icon.png");
}

TEST(ContentIndex, SavingWritesAtMostTheMaximumAndEmptyArraysForNothing)
{
    std::vector<content_record> records(600, Record(0, false, "a.txt"));
    const QJsonObject trimmed
        = QJsonDocument::fromJson(content_index::Serialize(records, 500)).object();
    for (const QString& key : trimmed.keys())
        EXPECT_EQ(trimmed[key].toArray().size(), 500) << key.toStdString();

    const QJsonObject empty = QJsonDocument::fromJson(content_index::Serialize({}, 500)).object();
    EXPECT_EQ(empty.size(), 5);
    for (const QString& key : empty.keys())
        EXPECT_TRUE(empty[key].isArray() && empty[key].toArray().isEmpty()) << key.toStdString();
}

TEST(ContentIndex, LoadToleratesOddElementsButNotDisagreeingArrays)
{
    const auto odd = content_index::Parse(R"({"type": ["x", "11", "-3", 7],
        "content": ["a.txt", "b.png", "c.txt", "d.txt"],
        "md5": ["m0", 5], "exe_title": ["t0", "t1", "t2", "t3", "t4"]})",
        QStringLiteral("/f"));
    ASSERT_FALSE(odd.damaged);
    ASSERT_EQ(odd.records.size(), 4u);
    EXPECT_EQ(odd.records[0].type, 0); // not a number
    EXPECT_EQ(odd.records[1].type, 1);
    EXPECT_EQ(odd.records[1].collect, collect_mark);
    EXPECT_EQ(odd.records[2].type, -3);
    EXPECT_EQ(odd.records[3].type, 7); // a number, not a string
    EXPECT_EQ(odd.records[1].content, "/f/b.png");
    EXPECT_EQ(odd.records[0].md5, "m0");
    EXPECT_EQ(odd.records[1].md5, ""); // not a string
    EXPECT_EQ(odd.records[2].md5, ""); // array too short
    EXPECT_EQ(odd.records[3].exe_title, "t3");
    EXPECT_EQ(odd.records[0].icons, ""); // no such array

    EXPECT_FALSE(content_index::Parse(R"({"type": [], "content": []})", "/f").damaged);
    EXPECT_TRUE(content_index::Parse(R"({"type": ["0","1"], "content": ["a"]})", "/f").damaged);
    EXPECT_TRUE(content_index::Parse(R"({"type": ["0"]})", "/f").damaged);
    EXPECT_TRUE(content_index::Parse(R"({"type": ["0"], "content": ["a"])", "/f").damaged);
    EXPECT_TRUE(content_index::Parse(R"(["0"])", "/f").damaged);
    EXPECT_TRUE(content_index::Parse(QByteArray("\0\0", 2), "/f").damaged);
}

TEST(ContentIndex, OnlyPlainNamesStayInsideTheFolder)
{
    EXPECT_TRUE(content_index::IsPlainFileName("1700000000000000000cc.txt"));
    for (const char* name : { "", ".", "..", "../config.json", "a/b.txt", "a\\b.txt", "C:x.txt" })
        EXPECT_FALSE(content_index::IsPlainFileName(QString::fromUtf8(name))) << name;
}

} // namespace
