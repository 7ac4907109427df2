#include "sync/account_session.h"

#include "core/message_ids.h"
#include "sync/anonymous_account.h"
#include "sync/frame_builder.h"
#include "sync/frame_record.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "sync/sync_link.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <QFile>

namespace {

using status = page_change::status;

page_change Shown(status what)
{
    page_change change;
    change.shown = what;
    return change;
}

std::string AnonymousDigest()
{
    return wire::md5_hex(wire::anonymous_password);
}

// The bus message that applies the server's news of this kind, and the file it comes in.
struct news {
    std::uint8_t kind;
    std::int64_t message;
    const char* file;
    bool used_up; // removed once read; the others stay, as the history reads them too
};
constexpr news kNews[] = {
    { wire::kind_append_ready, msg_sync_append, "append.json", true },
    { wire::kind_delete_ready, msg_sync_delete, "delete.json", true },
    { wire::kind_content_ready, msg_sync_content, synced_index_name, false },
    { wire::kind_collect_ready, msg_sync_collect, "collect.json", false },
};

} // namespace

std::shared_ptr<account_session> account_session::Create(sync_link& link, QString user_file,
    QString content_folder, std::function<void(page_change)> show)
{
    return std::shared_ptr<account_session>(new account_session(
        link, std::move(user_file), std::move(content_folder), std::move(show)));
}

account_session::account_session(sync_link& link, QString user_file, QString content_folder,
    std::function<void(page_change)> show)
    : link_(link)
    , user_file_(std::move(user_file))
    , content_folder_(std::move(content_folder))
    , show_(std::move(show))
    , upload_(content_folder_.toStdString(),
          [this](const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind) {
              return Send(payload, length, tag, kind);
          })
    , downloads_(std::make_shared<download_writer>(content_folder_))
{
}

account_session::~account_session()
{
    for (bus::Token token : tokens_)
        bus::Unregister(token);
    link_.SetFileChunkHandler({});
}

void account_session::Start()
{
    const auto handler = [weak = weak_from_this()](
                             std::int64_t id, std::int64_t a, std::int64_t b) -> std::int64_t {
        const auto self = weak.lock();
        return self ? self->OnMessage(id, a, b) : 0;
    };
    for (std::int64_t id :
        { msg_login_ok, msg_login_failed, msg_net_received, msg_net_failed, msg_client_quit,
            msg_login_refused, msg_record_captured, msg_records_deleted, msg_records_collected })
        tokens_.push_back(bus::Register(id, handler));
    // The I/O threads of successive connections may overlap for a moment.
    auto writing = std::make_shared<std::mutex>();
    link_.SetFileChunkHandler([writer = downloads_, writing](const frame_record& chunk) {
        std::lock_guard<std::mutex> lock(*writing);
        writer->Write(chunk.tag_text(), chunk.payload_view());
    });
    link_.RegisterHandlers();

    page_change fields = Shown(status::initial);
    const account_file::read_result saved = user_file_.Read();
    if (saved.what == account_file::state::ok) {
        auto_login_ = saved.account.auto_login;
        fields.account = saved.account.user;
        fields.password = saved.account.pwd;
        fields.auto_login = saved.account.auto_login;
    }
    show_(fields);
    if (saved.what == account_file::state::ok && saved.account.auto_login)
        Connect(saved.account.user, saved.account.pwd);
    else
        Connect(std::string(wire::anonymous_account), AnonymousDigest());
}

void account_session::Connect(const std::string& account, const std::string& digest)
{
    logged_in_ = false;
    link_.Connect(account, digest);
}

void account_session::LoginClicked(const std::string& account, const std::string& password)
{
    page_change change;
    change.login_enabled = false;
    const account_file::read_result saved = user_file_.Read();
    if (saved.what == account_file::state::ok && password == saved.account.pwd) {
        // The field still holds the stored digest: log in as stored.
        change.account = saved.account.user;
        change.password = saved.account.pwd;
        show_(change);
        Connect(saved.account.user, saved.account.pwd);
        return;
    }
    const std::string digest = wire::md5_hex(password);
    change.password = digest;
    show_(change);
    Connect(account, digest);
}

void account_session::RegisterClicked(const std::string& account, const std::string& password)
{
    if (account.empty() || password.empty()) {
        show_(Shown(status::empty_fields));
        return;
    }
    // Nothing went out (no connection): the button stays, so the user can try again.
    if (link_.LinkState() == sync_link::state_lost || !link_.SendRegister(account, password)) {
        show_(Shown(status::unreachable));
        return;
    }
    page_change change;
    change.register_enabled = false;
    show_(change);
}

void account_session::Closed()
{
    user_file_.SaveAutoLogin(auto_login_);
}

bool account_session::Send(
    const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind)
{
    // The shared account's clipboard would reach everyone who shares it.
    if (!logged_in_ || link_.Account() == wire::anonymous_account)
        return false;
    return link_.Send(payload, length, tag, kind);
}

void account_session::UploadTick()
{
    std::string upload_list;
    bool upload = false;
    synced_list list;
    bool have_list = false;
    {
        std::lock_guard<std::recursive_mutex> lock(mutex_);
        if (!list_updated_)
            return;
        list_updated_ = false;
        upload = std::exchange(have_upload_list_, false);
        upload_list = std::move(upload_list_);
        upload_list_.clear();
        have_list = std::exchange(have_synced_list_, false);
        list = std::move(synced_list_);
        synced_list_ = {};
    }
    bus::Post(msg_cloud_list_synced, have_list ? reinterpret_cast<std::int64_t>(&list) : 0, 0);
    if (upload)
        upload_.UploadListedFiles(std::move(upload_list));
}

void account_session::ForwardTick()
{
    std::vector<pending> news;
    {
        std::lock_guard<std::recursive_mutex> lock(mutex_);
        news.swap(pending_);
    }
    // Posted outside the page mutex: applying them takes time, and the I/O thread must not
    // wait for it.
    for (const pending& next : news)
        bus::Post(
            next.message, next.bytes.empty() ? 0 : reinterpret_cast<std::int64_t>(&next.bytes), 0);
}

bool account_session::Snapshot(const char* name, bool remove, std::string& bytes) const
{
    QFile file(content_folder_ + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        wire::log_error(std::string("the server's ") + name + " is not there");
        return false;
    }
    bytes = file.readAll().toStdString();
    file.close();
    if (remove)
        file.remove();
    return true;
}

void account_session::Notification(std::uint8_t kind)
{
    if (!logged_in_) {
        wire::log_error("news of the server ignored: no account logged in");
        return;
    }
    if (kind == wire::kind_list_updated) {
        std::string upload_list;
        const bool have = Snapshot("upload.json", true, upload_list);
        list_updated_ = true;
        have_upload_list_ = have;
        upload_list_ = std::move(upload_list);
        // The reply to this login's index upload: the names that upload held go with it.
        have_synced_list_ = Snapshot(synced_index_name, false, synced_list_.index);
        synced_list_.uploaded_names = upload_.SentIndexNames();
    } else {
        for (const news& n : kNews) {
            std::string bytes;
            if (n.kind == kind && Snapshot(n.file, n.used_up, bytes))
                pending_.push_back({ n.message, std::move(bytes) });
        }
    }
    page_change change = Shown(status::list_updated);
    change.ticks_wanted = true;
    show_(change);
}

void account_session::LoginOk(const std::string& account, const std::string& digest)
{
    if (account == wire::anonymous_account) {
        logged_in_ = false;
        return;
    }
    logged_in_ = true;
    list_updated_ = false;
    have_synced_list_ = false;
    pending_.clear();
    page_change change = Shown(status::logged_in);
    change.login_enabled = false;
    change.register_enabled = true;
    show_(change);
    user_file_.Save({ account, digest, auto_login_ });
    upload_.UploadIndex();
    show_(Shown(status::updating));
}

void account_session::Reply(std::uint8_t kind, std::string_view payload)
{
    if (kind == wire::kind_file_chunk || wire::is_refusal_text(payload))
        return; // the link's business
    if (kind == wire::kind_list_updated || kind == wire::kind_append_ready
        || kind == wire::kind_delete_ready || kind == wire::kind_content_ready
        || kind == wire::kind_collect_ready) {
        Notification(kind);
        return;
    }
    const auto text = wire::reply_text(payload);
    if (!text) {
        wire::log_info("Message parsing failed ...");
        return;
    }
    wire::log_info(*text);
    // Each change built where it is shown: a default one assigned over trips GCC's
    // maybe-uninitialized check on its optional fields in the sanitizer build.
    if (*text == wire::reply_register_success) {
        page_change change = Shown(status::registered);
        change.register_enabled = false;
        change.login_enabled = true;
        show_(change);
    } else if (*text == wire::reply_register_failed) {
        page_change change = Shown(status::register_failed);
        change.register_enabled = true;
        show_(change);
    }
}

std::int64_t account_session::OnMessage(std::int64_t id, std::int64_t a, std::int64_t b)
{
    // Local changes, posted on the GUI thread: queued for the upload worker without the page
    // mutex, which a connection's thread may hold while it reads a file.
    const char* text = reinterpret_cast<const char*>(a);
    switch (id) {
    case msg_record_captured:
        if (logged_in_ && text)
            upload_.RecordAdded(text, b);
        return 0;
    case msg_records_deleted:
        if (logged_in_ && text)
            upload_.SendBatch(
                text, b != 0, wire::kind_records_deleted, wire::kind_records_deleted_last);
        return 0;
    case msg_records_collected:
        if (logged_in_ && text)
            upload_.SendBatch(
                text, b != 0, wire::kind_records_collected, wire::kind_records_collected_last);
        return 0;
    default:
        break;
    }
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    switch (id) {
    case msg_net_failed: {
        logged_in_ = false;
        page_change change = Shown(status::unreachable);
        change.login_enabled = true;
        show_(change);
        break;
    }
    case msg_login_ok:
        if (a != 0) {
            const auto& record = *reinterpret_cast<const frame_record*>(a);
            LoginOk(std::string(record.id_text()), std::string(record.pwd_text()));
        }
        break;
    case msg_login_failed: {
        page_change change = Shown(status::login_refused);
        change.login_enabled = true;
        show_(change);
        break;
    }
    case msg_login_refused: {
        logged_in_ = false;
        page_change change = Shown(status::refused_by_server);
        change.refusal = a != 0 ? reinterpret_cast<const char*>(a) : "";
        change.login_enabled = true;
        show_(change);
        break;
    }
    case msg_client_quit: {
        pending_.push_back({ msg_update_required, {} });
        page_change change;
        change.ticks_wanted = true;
        show_(change);
        break;
    }
    case msg_net_received:
        if (a != 0) {
            const auto& record = *reinterpret_cast<const frame_record*>(a);
            Reply(record.kind, record.payload_view());
        }
        break;
    default:
        break;
    }
    return 0;
}
