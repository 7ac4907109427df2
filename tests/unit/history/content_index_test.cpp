#include "history/content_index.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <tuple>

namespace {

content_record Record(std::int64_t type, bool favourite, const std::string& name)
{
    content_record r;
    r.type = type;
    r.collect = favourite ? favourite_mark : 0;
    r.content = "/app/content/" + name;
    r.md5 = "0123456789abcdef0123456789abcdef";
    r.icons = "/app/content/" + name.substr(0, name.find('.')) + "icon.png";
    r.exe_title = "窗口 \xF0\x9F\x98\x80 title";
    return r;
}

TEST(ContentIndex, RoundTripOfFiveStringArraysWithFileNamesAndTheFavouriteInTheType)
{
    std::vector<content_record> records;
    for (int i = 0; i < 6; ++i)
        records.push_back(Record(i % 3, i < 3, std::to_string(i) + (i % 3 == 1 ? ".png" : ".txt")));
    const QByteArray bytes = content_index::Serialize(records, 500);
    const auto parsed = content_index::Parse(bytes, QStringLiteral("/app/content"));
    ASSERT_FALSE(parsed.damaged);
    ASSERT_EQ(parsed.records.size(), records.size());
    auto fields = [](const content_record& r) {
        return std::tie(r.type, r.collect, r.content, r.md5, r.icons, r.exe_title);
    };
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(fields(parsed.records[i]), fields(records[i])) << i;
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(object.keys(), (QStringList { "content", "exe_title", "icons", "md5", "type" }));
    EXPECT_EQ(object["content"].toArray().at(2).toString(), "2.txt");
    EXPECT_EQ(object["type"].toArray().at(2).toString(), "12");
    EXPECT_EQ(object["icons"].toArray().at(2).toString(), "/app/content/2icon.png");
}

TEST(ContentIndex, LoadToleratesOddElementsButNotDisagreeingArrays)
{
    const auto odd = content_index::Parse(R"({"type": ["x", "11", "-3", 7],
        "content": ["a.txt", "b.png", "c.txt", "d.txt"],
        "md5": ["m0", 5], "exe_title": ["t0", "t1", "t2", "t3", "t4"]})",
        QStringLiteral("/f"));
    ASSERT_FALSE(odd.damaged);
    ASSERT_EQ(odd.records.size(), 4u);
    EXPECT_EQ(odd.records[0].type, 0); // "x"
    EXPECT_EQ(odd.records[3].type, 7); // no string
    EXPECT_EQ(odd.records[1].collect, favourite_mark);
    EXPECT_EQ(odd.records[1].md5, ""); // no string
    EXPECT_EQ(odd.records[3].md5, ""); // array too short
    EXPECT_EQ(odd.records[0].icons, ""); // no such array

    EXPECT_FALSE(content_index::Parse(R"({"type": [], "content": []})", "/f").damaged);
    for (const QByteArray& bytes : { QByteArray(R"({"type": ["0","1"], "content": ["a"]})"),
             QByteArray(R"({"type": ["0"]})"), QByteArray(R"({"type": ["0"], "content": ["a"])"),
             QByteArray(R"(["0"])"), QByteArray("\0\0", 2) })
        EXPECT_TRUE(content_index::Parse(bytes, "/f").damaged) << bytes.toStdString();
}

TEST(ContentIndex, OnlyPlainNamesStayInsideTheFolder)
{
    EXPECT_TRUE(content_index::IsPlainFileName("1700000000000000000cc.txt"));
    for (const char* name : { "", ".", "..", "../config.json", "a/b.txt", "a\\b.txt", "C:x.txt" })
        EXPECT_FALSE(content_index::IsPlainFileName(QString::fromUtf8(name))) << name;
}

} // namespace
