// The account page against the real quillbox-syncd on 127.0.0.1, through a relay that notes
// every frame the client sends.
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "sync/account_session.h"
#include "sync/md5.h"
#include "sync/sync_link.h"
#include "sync/wire_kinds.h"
#include "tests/sync/frame_tap.h"
#include "tests/sync/server_process.h"
#include "widgets/login_widget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using namespace std::chrono_literals;

sync_timing ShortWaits()
{
    sync_timing timing;
    timing.connect_delay = 50ms;
    timing.failure_hold = 200ms;
    return timing;
}

// Every status the page showed, from its log line: two that come together
// are applied in one turn of the event loop, and the label alone shows only
// the second.
QStringList& Shown()
{
    static QStringList shown;
    return shown;
}

void NoteShown(QtMsgType, const QMessageLogContext&, const QString& message)
{
    static const QString prefix = QStringLiteral("account page: ");
    if (message.startsWith(prefix))
        Shown() << message.mid(prefix.size());
}

class LoginPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        Shown().clear();
        QLoggingCategory::setFilterRules(QStringLiteral("quillbox.ui.debug=true"));
        previous_handler = qInstallMessageHandler(NoteShown);
        ASSERT_TRUE(server.start());
        tap = std::make_unique<frame_tap>(server.port());
        ASSERT_TRUE(tap->listening());
        link = std::make_unique<sync_link>(sync_endpoint { "127.0.0.1", std::to_string(tap->port()),
                                               Path("server.json").toStdString() },
            ShortWaits());
        ASSERT_TRUE(QDir().mkpath(Path("content")));
        page = std::make_unique<login_widget>(nullptr, *link, Path("user.json"), Path("content"));
    }
    void TearDown() override
    {
        page.reset();
        link.reset();
        qInstallMessageHandler(previous_handler);
    }
    QString Path(const char* name) const { return folder.path() + "/" + name; }
    // Shown since the last status waited for; those before it are used up.
    bool WaitForStatus(const QString& text)
    {
        bool found = false;
        return WaitFor([&] {
            const int at = found ? -1 : Shown().indexOf(text);
            if (at >= 0) {
                Shown().erase(Shown().begin(), Shown().begin() + at + 1);
                found = true;
            }
            return found;
        });
    }
    template <typename Check> bool WaitFor(Check check)
    {
        QElapsedTimer clock;
        clock.start();
        while (!check() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return check();
    }
    void Type(const QString& account, const QString& password)
    {
        page->account_field()->setText(account);
        page->password_field()->setText(password);
    }
    static bool IsHistoryKind(std::uint8_t kind)
    {
        return kind != wire::kind_login && kind != wire::kind_heartbeat
            && kind != wire::kind_register;
    }

    QTemporaryDir folder;
    server_process server;
    std::unique_ptr<frame_tap> tap;
    std::unique_ptr<sync_link> link;
    std::unique_ptr<login_widget> page;
    QtMessageHandler previous_handler = nullptr;
};

TEST_F(LoginPage, RegisterLogInThenAWrongPasswordAndARefusalShowOnThePage)
{
    // Without user.json the shared account logs in, and the page still says nobody is.
    ASSERT_TRUE(WaitFor([&] { return link->LinkState() == sync_link::state_logged_in; }));
    EXPECT_EQ(page->status_label()->text(), "尚未登录");

    Type("alice", "");
    page->register_button()->click();
    ASSERT_TRUE(WaitForStatus("请先输入有效账号或密码"));
    Type("alice", "secret");
    page->register_button()->click();
    ASSERT_TRUE(WaitForStatus("注册成功"));

    Type("alice", "wrong");
    page->login_button()->click();
    ASSERT_TRUE(WaitForStatus("请检查账号与密码"));
    EXPECT_TRUE(page->login_button()->isEnabled());

    Type("alice", "secret");
    page->login_button()->click();
    ASSERT_TRUE(WaitForStatus("更新列表中.."));
    const QString digest = QString::fromStdString(wire::md5_hex("secret"));
    EXPECT_EQ(page->password_field()->text(), digest);
    EXPECT_FALSE(page->login_button()->isEnabled());
    QFile user(Path("user.json"));
    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        user.readAll(), "{\"auto\":false,\"pwd\":\"" + digest.toUtf8() + "\",\"user\":\"alice\"}");

    // The operator disables the account; the next login, after the server restarts, is
    // refused and the server closes.
    const std::string disable = std::string(QUILLBOX_SYNCD_PATH) + " --data " + server.data_folder()
        + " --disable alice > /dev/null";
    ASSERT_EQ(std::system(disable.c_str()), 0);
    const std::uint16_t port = server.port();
    server.stop();
    ASSERT_TRUE(server.start(port));
    ASSERT_TRUE(WaitForStatus("账号已停用，服务器已断开连接"));
    EXPECT_EQ(page->status_label()->toolTip(), "Server ASK: No Permission. Disconnected!");
    EXPECT_EQ(link->LinkState(), sync_link::state_refused);
    EXPECT_TRUE(page->login_button()->isEnabled());
}

TEST_F(LoginPage, AClientThatNeverSignedInSendsNoFileOrRecordFrame)
{
    ASSERT_TRUE(WaitFor([&] { return link->LinkState() == sync_link::state_logged_in; }));
    QFile file(Path("content/1700000000000000001.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("a copy") == 6);
    file.close();
    const QByteArray path = file.fileName().toUtf8();
    const auto post_changes = [&] {
        bus::Post(msg_record_captured, reinterpret_cast<std::int64_t>(path.constData()), 0);
        bus::Post(msg_records_deleted, reinterpret_cast<std::int64_t>("x.txt,"), 1);
        bus::Post(msg_records_collected, reinterpret_cast<std::int64_t>("10x.txt,"), 1);
        page->session().FinishUploads();
    };
    post_changes();
    // The register frame goes out behind anything the changes queued.
    Type("bob", "pw");
    page->register_button()->click();
    ASSERT_TRUE(WaitForStatus("注册成功"));
    const auto before = tap->kinds();
    EXPECT_TRUE(std::none_of(before.begin(), before.end(), IsHistoryKind));
    EXPECT_EQ(before.back(), wire::kind_register);

    // Signed in, the same changes go out.
    page->login_button()->click();
    ASSERT_TRUE(WaitForStatus("更新列表中.."));
    post_changes();
    const auto sent = [&](std::uint8_t kind) {
        const auto kinds = tap->kinds();
        return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
    };
    EXPECT_TRUE(WaitFor([&] {
        return sent(wire::kind_index_missing) && sent(wire::kind_file_chunk)
            && sent(wire::kind_record_added) && sent(wire::kind_records_deleted_last)
            && sent(wire::kind_records_collected_last);
    }));
}

} // namespace
