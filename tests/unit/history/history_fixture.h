// A program folder of its own for each test, the settings at their defaults,
// and a record of what the history posts on the bus.
#pragma once

#include "app/message_bus.h"
#include "app/message_ids.h"
#include "app/settings_record.h"
#include "history/content_history.h"

#include <gtest/gtest.h>

#include <memory>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace history_test {

struct posted {
    std::int64_t id;
    std::string text;
    std::int64_t b;
};

class HistoryFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        Settings().max_save_count = 500;
        for (std::int64_t id : { msg_records_deleted, msg_record_captured })
            tokens_.push_back(
                bus::Register(id, [this](std::int64_t i, std::int64_t a, std::int64_t b) {
                    posts.push_back({ i, reinterpret_cast<const char*>(a), b });
                    return 0;
                }));
        hooks.notice = [this](const QString& text) { notices << text; };
        hooks.saved = [this] { ++saves; };
        hooks.changed = [this] { ++rebuilds; };
        hooks.copy_first_row = [this] { ++row_copies; };
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
    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<posted> Posts(std::int64_t id) const
    {
        std::vector<posted> out;
        for (const posted& p : posts) {
            if (p.id == id)
                out.push_back(p);
        }
        return out;
    }
    QStringList ContentFiles() const
    {
        return QDir(dir.path() + "/content").entryList(QDir::Files, QDir::Name);
    }

    // A text entry with its file on disk, inserted at the front.
    void AddText(const QString& name, const QByteArray& text, bool favourite = false,
        std::int64_t type = content_text)
    {
        WriteFile(Content(name), text);
        content_record record;
        record.type = type;
        record.collect = favourite ? collect_mark : 0;
        record.content = Content(name).toStdString();
        record.md5 = name.toStdString() + "-digest";
        record.icons = Content(name + "icon.png").toStdString();
        WriteFile(Content(name + "icon.png"), "icon");
        content_item item;
        item.type = record.type;
        item.collect = record.collect;
        item.content = record.content;
        item.text = text.toStdString();
        item.md5 = record.md5;
        item.icons = record.icons;
        history->InsertFront(record, item);
    }

    QTemporaryDir dir;
    history_hooks hooks;
    std::unique_ptr<content_history> history;
    std::vector<posted> posts;
    QStringList notices;
    int saves = 0;
    int rebuilds = 0;
    int row_copies = 0;

private:
    std::vector<bus::Token> tokens_;
};

} // namespace history_test
