// Two real clients on their own displays and folders, one real quillbox-syncd on 127.0.0.1,
// signed in through their account pages with xdotool: what is copied, deleted or marked on
// one machine reaches the other, also after the other was away or the server restarted; a
// third client that never signed in leaves the server nothing.
#include "sync/anonymous_account.h"
#include "tests/e2e/support/sync_machines.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"
#include "tests/sync/server_process.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include <memory>
#include <string>

namespace {

using namespace e2e;
using namespace std::chrono_literals;

// The texts of a machine's entries, newest first; images as "<image>".
QStringList Texts(const ProgramCopy& copy, const HistoryIndex& index)
{
    QStringList texts;
    for (int i = 0; i < index.size(); ++i)
        texts << (index.type[i] == "1" ? QStringLiteral("<image>")
                                       : QString::fromUtf8(copy.Entry(index.content[i])));
    return texts;
}

// One server, machines A and B logged in to one account, and C on B's display that never
// signed in: it records what B's paste_by_cloud puts on the clipboard, and must keep it.
// A registers the account through its page and logs in; B logs in through its page, after a
// wrong password it is refused.
struct Machines {
    server_process server;
    XSession xa, xb;
    std::unique_ptr<ProgramCopy> a, b, c;
    QProcess* b_process = nullptr;

    // A and B log their pages' statuses to program.log.
    static QProcess& Launch(ProgramCopy& copy)
    {
        return copy.LaunchLogged(QStringLiteral("quillbox.ui.debug=true"));
    }

    // The step that failed, or empty.
    std::string Start()
    {
        if (!server.start() || !xa.Start() || !xb.Start())
            return "the server or the displays did not start";
        a = std::make_unique<ProgramCopy>(xa);
        b = std::make_unique<ProgramCopy>(xb);
        c = std::make_unique<ProgramCopy>(xb);
        if (!PrepareSignedOut(*a, server.port(), false)
            || !PrepareSignedOut(*b, server.port(), true) || !PointAtServer(*c, server.port()))
            return "the machines' files were not written";
        Launch(*a);
        b_process = &Launch(*b);
        // Signed out, each is connected with the shared account: a register can go out.
        if (!a->WaitForWindows() || !b->WaitForWindows()
            || !server.wait_for_log(
                "login ok account=" + std::string(wire::anonymous_account), 2, 15s))
            return "A and B did not start and connect";

        const QString log = QStringLiteral("program.log");
        AccountPage on_a(xa, *a, log);
        if (!on_a.Open(a->VisibleWindows().value(0)))
            return "A's account page did not open";
        // From the password field: Tab past the box and 登录 to 注册.
        on_a.Fill(QStringLiteral("twins"), QStringLiteral("shared secret"));
        on_a.Keys(QStringLiteral("Tab Tab Tab space"));
        if (!on_a.Shows(QStringLiteral("注册成功")))
            return "A's page did not show the account registered";
        // Return is 登录's shortcut.
        on_a.Keys(QStringLiteral("Return"));
        if (!on_a.Shows(QStringLiteral("登录成功"))
            || !server.wait_for_log("login ok account=twins", 1, 10s) || !on_a.Close())
            return "A did not log in through its page";

        AccountPage on_b(xb, *b, log);
        if (!on_b.Open(b->VisibleWindows().value(0)))
            return "B's account page did not open";
        on_b.Fill(QStringLiteral("twins"), QStringLiteral("wrong secret"));
        on_b.Keys(QStringLiteral("Return"));
        if (!on_b.Shows(QStringLiteral("请检查账号与密码")))
            return "B's page did not show the wrong password refused";
        // The password typed again over what the field holds; 自动登录 ticked, so that B logs
        // in again when it starts again.
        on_b.Keys(QStringLiteral("ctrl+a"));
        on_b.Type(QStringLiteral("shared secret"));
        on_b.Keys(QStringLiteral("Tab space Return"));
        if (!on_b.Shows(QStringLiteral("登录成功"))
            || !server.wait_for_log("login ok account=twins", 2, 10s) || !on_b.Close())
            return "B did not log in through its page";
        if (server.count_in_log("login ok account=twins") != 2)
            return "the wrong password logged in";

        c->Launch();
        return b->WaitForWindows(2) ? std::string() : "C did not start";
    }
};

class SyncEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        machines_ = new Machines;
        failure_ = machines_->Start();
        if (!failure_.empty()) {
            delete machines_;
            machines_ = nullptr;
        }
    }
    static void TearDownTestSuite()
    {
        delete machines_;
        machines_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(machines_, nullptr) << failure_; }

    // Copies on A; true once B's newest entry holds shown (the bytes themselves when not
    // given). index gets B's last index read.
    static bool CopyOnA(const QByteArray& bytes, HistoryIndex& index,
        const QString& target = QString(), const QByteArray& shown = QByteArray())
    {
        const QByteArray expected = shown.isEmpty() ? bytes : shown;
        const auto arrived = [&](const HistoryIndex& i) {
            return i.size() > 0 && machines_->b->Entry(i.content[0]).contains(expected);
        };
        return machines_->xa.Copy(bytes, target)
            && arrived(index = machines_->b->WaitForIndex(arrived));
    }
    // Clicks A's newest row (a one-line text) and types a key of the list.
    void KeyOnNewestRowOfA(const char* key)
    {
        const XSession& x = machines_->xa;
        const QString window = machines_->a->VisibleWindows().value(0);
        x.Activate(window);
        x.Click(window, 300, 122);
        x.Xdotool(QStringLiteral("key ") + QLatin1String(key));
    }

    static Machines* machines_;
    static std::string failure_;
};

Machines* SyncEndToEnd::machines_ = nullptr;
std::string SyncEndToEnd::failure_;

TEST_F(SyncEndToEnd, CopiesReachTheOtherMachineAlsoAfterItWasAway)
{
    ProgramCopy &a = *machines_->a, &b = *machines_->b;
    HistoryIndex index;
    ASSERT_TRUE(CopyOnA("hello from A", index));
    EXPECT_EQ(b.Entry(index.content[0]), "hello from A");
    // paste_by_cloud: B's clipboard holds it, ready to paste.
    EXPECT_EQ(machines_->xb.Clipboard(), "hello from A");

    ASSERT_TRUE(machines_->xa.Copy(Png(Qt::darkCyan), QStringLiteral("image/png")));
    index = b.WaitForIndex(
        [&](const HistoryIndex& i) { return !i.type.isEmpty() && i.type[0] == "1"; });
    ASSERT_FALSE(index.type.isEmpty());
    EXPECT_EQ(index.type[0], "1");
    EXPECT_TRUE(machines_->xb.Clipboard(QStringLiteral("TARGETS")).contains("image/png"));

    // B is away while A copies three; back, it holds them in order, once each.
    machines_->b_process->terminate();
    ASSERT_NE(WaitForExit(*machines_->b_process, 10000), -1000);
    for (const char* text : { "one", "two", "three" }) {
        const int before = a.Index().size();
        ASSERT_TRUE(machines_->xa.Copy(text));
        a.WaitForIndex([&](const HistoryIndex& i) { return i.size() > before; });
    }
    machines_->b_process = &Machines::Launch(b);
    index = b.WaitForIndex([&](const HistoryIndex& i) { return Texts(b, i).contains("three"); });
    const QStringList texts = Texts(b, index);
    ASSERT_GE(texts.size(), 5);
    EXPECT_EQ(texts.mid(0, 5), QStringList({ "three", "two", "one", "<image>", "hello from A" }));
    EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size()); // no duplicate
}

TEST_F(SyncEndToEnd, DeletionsFavouritesAndAServerRestartReachTheOtherMachine)
{
    ProgramCopy& b = *machines_->b;
    HistoryIndex index;
    ASSERT_TRUE(CopyOnA("kept as a favourite", index));
    KeyOnNewestRowOfA("x");
    index = b.WaitForIndex([](const HistoryIndex& i) { return i.size() > 0 && i.type[0] == "10"; });
    ASSERT_GT(index.size(), 0);
    EXPECT_EQ(index.type[0], "10");
    EXPECT_EQ(b.Entry(index.content[0]), "kept as a favourite");

    // Deleting asks first; the prompt (a popup titled "Form") agrees to Return.
    ASSERT_TRUE(CopyOnA("deleted on A", index));
    KeyOnNewestRowOfA("d");
    const XSession& xa = machines_->xa;
    QString prompt;
    ASSERT_TRUE(WaitUntil(
        [&] { return !(prompt = xa.WindowsNamed(QStringLiteral("Form")).value(0)).isEmpty(); },
        5000));
    xa.Xdotool(QStringLiteral("windowactivate --sync ") + prompt);
    xa.Xdotool(QStringLiteral("key Return"));
    index = b.WaitForIndex(
        [&](const HistoryIndex& i) { return !Texts(b, i).contains("deleted on A"); });
    const QStringList texts = Texts(b, index);
    EXPECT_FALSE(texts.contains("deleted on A"));
    EXPECT_EQ(texts.value(0), "kept as a favourite");

    // Both are back within 10 s of the restart, and go on syncing.
    server_process& server = machines_->server;
    const std::size_t logins = server.count_in_log("login ok account=twins");
    const std::size_t merges = server.count_in_log("index merged account=twins");
    const std::uint16_t port = server.port();
    server.stop();
    ASSERT_TRUE(server.start(port));
    ASSERT_TRUE(server.wait_for_log("login ok account=twins", logins + 2, 10s));
    // A copy made while a machine reloads its list from the merge may be lost: wait for both.
    ASSERT_TRUE(server.wait_for_log("index merged account=twins", merges + 2, 10s));
    ASSERT_TRUE(CopyOnA("after the restart", index));
    // One history on both, in one order, the favourite still marked.
    const HistoryIndex on_a = machines_->a->Index();
    EXPECT_EQ(Texts(b, index), Texts(*machines_->a, on_a));
    EXPECT_EQ(index.type, on_a.type);

    // C held on to all B was given, and the server has nothing of it.
    ProgramCopy& c = *machines_->c;
    EXPECT_TRUE(Texts(c, c.WaitForIndex([&](const HistoryIndex& i) {
        return Texts(c, i).contains("after the restart");
    })).contains("after the restart"));
    EXPECT_EQ(server.count_in_log("history data ignored"), 0u);
    const auto folders = QDir(QString::fromStdString(server.data_folder() + "/files"))
                             .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(folders, QStringList { "twins" });
}

} // namespace
