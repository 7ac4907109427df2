// The logic of the account page: the first login, the login and register buttons, user.json,
// the replies and connection events of the bus, and the client's part of the history
// synchronisation (pushes of local changes, downloads, instruction files handed to the GUI
// thread). No widgets: the page applies the page_change it is given on the GUI thread.
#pragma once

#include "sync/account_file.h"
#include "sync/download_writer.h"
#include "sync/history_upload.h"
#include "sync/page_change.h"
#include "sync/synced_list.h"

#include "core/message_bus.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <QString>
#include <string>
#include <vector>

class sync_link;

class account_session : public std::enable_shared_from_this<account_session> {
public:
    // show is called on any thread, in the order of the changes; it must hand them to the GUI
    // thread. The link must outlive the session.
    static std::shared_ptr<account_session> Create(sync_link& link, QString user_file,
        QString content_folder, std::function<void(page_change)> show);
    ~account_session();
    account_session(const account_session&) = delete;
    account_session& operator=(const account_session&) = delete;

    // Registers the page's bus handlers, then the link's, and starts the first login: the
    // saved account when it logs in automatically, else the shared anonymous account.
    void Start();

    // GUI thread.
    void LoginClicked(const std::string& account, const std::string& password);
    void RegisterClicked(const std::string& account, const std::string& password);
    void SetAutoLogin(bool on) { auto_login_ = on; }
    // The page closes: user.json keeps the check box.
    void Closed();
    // The two 300 ms timers: the list updated after a login, and the server's later news.
    void UploadTick();
    void ForwardTick();

    // A real account is logged in: only then is anything of the history sent or applied.
    bool logged_in() const { return logged_in_; }
    std::int64_t OnMessage(std::int64_t id, std::int64_t a, std::int64_t b);
    // Tests: every send asked for so far was handed to the link.
    void FinishUploads() { upload_.Finish(); }

private:
    account_session(sync_link& link, QString user_file, QString content_folder,
        std::function<void(page_change)> show);
    void Connect(const std::string& account, const std::string& digest);
    void LoginOk(const std::string& account, const std::string& digest);
    void Notification(std::uint8_t kind);
    void Reply(std::uint8_t kind, std::string_view payload);
    // The instruction file, read and (for the ones that are used up) removed at once, so a
    // file the server sends next cannot take its place before the GUI thread applies it.
    bool Snapshot(const char* name, bool remove, std::string& bytes) const;
    bool Send(const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind);

    struct pending {
        std::int64_t message;
        std::string bytes;
    };

    sync_link& link_;
    const account_file user_file_;
    const QString content_folder_;
    const std::function<void(page_change)> show_;
    history_upload upload_;
    std::shared_ptr<download_writer> downloads_;
    std::vector<bus::Token> tokens_;
    std::atomic<bool> auto_login_ { false };
    std::atomic<bool> logged_in_ { false };
    // The page mutex: the bus handler runs under it; the timers take what it guards.
    std::recursive_mutex mutex_;
    bool list_updated_ = false;
    bool have_synced_list_ = false;
    synced_list synced_list_;
    bool have_upload_list_ = false;
    std::string upload_list_;
    // The server's news in arrival order: each one is applied, none replaces another.
    std::vector<pending> pending_;
};
