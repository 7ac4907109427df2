#include "tests/e2e/support/sync_machines.h"

#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "tests/e2e/support/wait.h"
#include "tests/sync/wire_socket.h"

namespace e2e {

bool RegisterAccount(std::uint16_t port, const std::string& account, const std::string& password)
{
    wire_socket socket(port);
    return socket.connected && socket.send(register_frame(account, password))
        && socket.reply() == wire::reply_register_success;
}

bool PointAtServer(const ProgramCopy& copy, std::uint16_t port)
{
    return copy.WriteFile(QStringLiteral("server.json"),
        "{\"host\":\"127.0.0.1\",\"port\":\"" + QByteArray::number(port) + "\"}");
}

bool PrepareSignedOut(const ProgramCopy& copy, std::uint16_t port, bool paste_by_cloud)
{
    return PointAtServer(copy, port)
        && copy.WriteFile(QStringLiteral("config.json"),
            paste_by_cloud ? "{\"paste_by_cloud\": true}" : "{\"paste_by_cloud\": false}");
}

bool PrepareMachine(const ProgramCopy& copy, std::uint16_t port, const std::string& account,
    const std::string& password, bool paste_by_cloud)
{
    const QByteArray digest = QByteArray::fromStdString(wire::md5_hex(password));
    return PrepareSignedOut(copy, port, paste_by_cloud)
        && copy.WriteFile(QStringLiteral("user.json"),
            "{\"auto\":true,\"pwd\":\"" + digest + "\",\"user\":\""
                + QByteArray::fromStdString(account) + "\"}");
}

AccountPage::AccountPage(const XSession& x, const ProgramCopy& copy, QString log)
    : x_(x)
    , copy_(copy)
    , log_(std::move(log))
{
}

bool AccountPage::Open(const QString& main_window)
{
    x_.Xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), main_window });
    x_.Click(main_window, 300, 122);
    x_.Xdotool(QStringLiteral("key g"));
    // Every popup is titled "Form"; only this one is open.
    const bool shown = WaitUntil(
        [&] {
            page_ = x_.WindowsNamed(QStringLiteral("Form")).value(0);
            return !page_.isEmpty();
        },
        10000);
    return shown
        && WaitUntil(
            [&] {
                if (x_.Active(page_))
                    return true;
                x_.Xdotool({ QStringLiteral("windowactivate"), page_ });
                return false;
            },
            10000);
}

void AccountPage::Type(const QString& text) const
{
    x_.Xdotool({ QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text });
}

void AccountPage::Keys(const QString& keys) const
{
    x_.Xdotool(QStringLiteral("key --delay 50 ") + keys);
}

bool AccountPage::Shows(const QString& status)
{
    const QByteArray line = "account page: " + status.toUtf8() + '\n';
    return WaitUntil(
        [&] {
            const int at = copy_.ReadFile(log_).indexOf(line, read_);
            if (at >= 0)
                read_ = at + line.size();
            return at >= 0;
        },
        10000);
}

bool AccountPage::Close()
{
    Keys(QStringLiteral("Escape"));
    return WaitUntil([&] { return x_.WindowsNamed(QStringLiteral("Form")).isEmpty(); }, 10000);
}

} // namespace e2e
