#include "tests/e2e/support/sync_machines.h"

#include "sync/frame_buffer.h"
#include "sync/frame_builder.h"
#include "sync/frame_parser.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "tests/e2e/support/wait.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace e2e {

bool RegisterAccount(std::uint16_t port, const std::string& account, const std::string& password)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    frame_buffer request;
    bool agreed = false;
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && wire::build_register(request, account, password)
        && ::send(fd, request.data(), request.length(), MSG_NOSIGNAL)
            == static_cast<ssize_t>(request.length())) {
        frame_parser parser;
        char buffer[2048];
        bool answered = false;
        // Ten seconds at most for the one reply.
        for (int i = 0; i < 100 && !answered; ++i) {
            pollfd wait { fd, POLLIN, 0 };
            if (::poll(&wait, 1, 100) <= 0)
                continue;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            parser.cut_frames(buffer, static_cast<std::size_t>(n), [&](const frame_view& frame) {
                answered = true;
                agreed = wire::reply_text(frame.payload_view()) == wire::reply_register_success;
            });
        }
    }
    if (fd >= 0)
        ::close(fd);
    return agreed;
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
    x_.Xdotool(QStringLiteral("mousemove --window %1 300 122 click 1").arg(main_window));
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
