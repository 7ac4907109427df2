// A main window in a program folder without config.json or history; the
// history is filled straight into its records.
#pragma once

#include "actions/alert_widget.h"
#include "app/main_window.h"
#include "core/program_file.h"
#include "core/settings_record.h"
#include "history/history_list.h"
#include "history/history_list_model.h"
#include "widgets/switch_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

using rows = std::vector<std::string>;

class main_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        QFile::remove(ConfigPath());
        QDir(ProgramFolder() + QStringLiteral("/content")).removeRecursively();
    }

    static QString ConfigPath() { return ProgramFolder() + QStringLiteral("/config.json"); }
    static void WriteConfig(const QByteArray& bytes)
    {
        QFile f(ConfigPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QJsonObject Config()
    {
        QFile f(ConfigPath());
        f.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(f.readAll()).object();
    }
    main_window& Open()
    {
        window.reset();
        window = std::make_unique<main_window>();
        return *window;
    }

    // Entries newest first, each with its content file; "*" marks a
    // favourite, a "file:" text is a file list.
    void Add(std::initializer_list<const char*> texts)
    {
        content_history& history = window->history();
        QDir().mkpath(history.ContentFolder());
        for (const char* text : texts) {
            content_item item;
            item.collect = *text == '*' ? favourite_mark : 0;
            item.text = text + (item.collect ? 1 : 0);
            item.type = item.text.rfind("file:", 0) == 0 ? content_file : content_text;
            const QString path = history.ContentFolder()
                + QStringLiteral("/%1.txt").arg(window->history().records.size() + 1);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(item.text.c_str());
            item.content = path.toStdString();
            window->history().records.push_back(
                { item.type, item.collect, item.content, {}, {}, {} });
            window->history().items.push_back(item);
        }
        window->ApplyViewFilter(true);
    }
    // The rows as the list shows them.
    rows Rows() const
    {
        rows shown;
        for (int row = 0; row < window->list()->count(); ++row)
            shown.push_back(window->list()->listModel()->Item(row)->text);
        return shown;
    }
    QString Notice() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto notices = window->findChildren<alert_widget*>();
        return notices.isEmpty() ? QString() : notices.back()->text();
    }
    // The title-row switch that shows this tool tip.
    switch_button* TitleSwitch(const QString& tip) const
    {
        for (switch_button* button : window->findChildren<switch_button*>())
            if (button->toolTip() == tip)
                return button;
        return nullptr;
    }

    std::unique_ptr<main_window> window;
};

// The first top-level widget of that type, shown or not.
template <typename T> T* TopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(widget))
            return found;
    return nullptr;
}
