// A program folder of its own for each test, the settings at their defaults,
// and a record of what the history posts on the bus and tells its window.
#pragma once

#include "core/message_bus.h"
#include "core/message_ids.h"
#include "core/settings_record.h"
#include "history/content_history.h"
#include "tests/unit/unit_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <QDir>
#include <QTemporaryDir>

namespace history_test {

using unit_test::ReadFile;
using unit_test::WriteFile;

using batch = std::pair<std::string, std::int64_t>; // the text and b of a post

class HistoryFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        Settings().max_save_count = 500;
        for (std::int64_t id : { msg_records_deleted, msg_record_captured, msg_records_collected })
            tokens_.push_back(
                bus::Register(id, [this](std::int64_t i, std::int64_t a, std::int64_t b) {
                    posts.emplace_back(i, batch(reinterpret_cast<const char*>(a), b));
                    return 0;
                }));
        history_hooks hooks { [this](const QString& text) { notices << text; }, [this] { ++saves; },
            [this] { ++rebuilds; }, [this] { ++row_copies; } };
        history = std::make_unique<content_history>(dir.path(), hooks);
        history->MakeFolder();
    }
    void TearDown() override
    {
        history.reset();
        for (bus::Token token : tokens_)
            bus::Unregister(token);
    }

    QString Content(const QString& name) const { return dir.path() + "/content/" + name; }
    std::string ContentPath(const QString& name) const { return Content(name).toStdString(); }
    std::vector<batch> Posts(std::int64_t id = msg_records_deleted) const
    {
        std::vector<batch> out;
        for (const auto& [posted_id, post] : posts)
            if (posted_id == id)
                out.push_back(post);
        return out;
    }
    // File names of the records, newest first; each item must match its record.
    QStringList Listed() const
    {
        QStringList names;
        for (size_t i = 0; i < history->records.size(); ++i) {
            const std::string& content = history->records[i].content;
            if (i < history->items.size()) {
                EXPECT_EQ(history->items[i].content, content) << i;
            }
            names << QString::fromStdString(content.substr(content.rfind('/') + 1));
        }
        return names;
    }
    QStringList ContentFiles() const
    {
        return QDir(Content("")).entryList(QDir::Files, QDir::Name);
    }

    // A text entry with its files on disk, inserted at the front.
    void AddText(const QString& name, const QByteArray& text, bool favourite = false,
        std::int64_t type = content_text)
    {
        ASSERT_TRUE(WriteFile(Content(name), text) && WriteFile(Content(name + "icon.png"), "i"));
        content_item item;
        item.type = type;
        item.collect = favourite ? favourite_mark : 0;
        item.content = ContentPath(name);
        item.md5 = name.toStdString() + "-digest";
        item.icons = ContentPath(name + "icon.png");
        item.text = text.toStdString();
        history->InsertFront({ type, item.collect, item.content, item.md5, item.icons, "" }, item);
    }

    QTemporaryDir dir;
    std::unique_ptr<content_history> history;
    std::vector<std::pair<std::int64_t, batch>> posts; // by id
    QStringList notices;
    int saves = 0, rebuilds = 0, row_copies = 0;

private:
    std::vector<bus::Token> tokens_;
};

} // namespace history_test
