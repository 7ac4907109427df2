// Registers an account on a running quillbox-syncd at 127.0.0.1:PORT and logs in with it:
// exit 0 when both succeed. Used where the packaged server is checked from outside.
#include "sync/frame_builder.h"
#include "sync/frame_parser.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "tests/sync/wire_test_support.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: login_probe PORT ACCOUNT PASSWORD\n");
        return 2;
    }
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(std::atoi(argv[1])));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::perror("login_probe: connect");
        return 1;
    }
    frame_buffer reg, login;
    wire::build_register(reg, argv[2], argv[3]);
    wire::build_login(login, argv[2], wire::md5_hex(argv[3]));
    const std::string bytes = bytes_of(reg) + bytes_of(login);
    if (send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(bytes.size()))
        return 1;
    timeval limit { 10, 0 };
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    frame_parser parser;
    std::vector<frame_record> frames;
    char buffer[2048];
    while (frames.size() < 2) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        parser.parse_data(buffer, static_cast<std::size_t>(n), frames);
    }
    close(fd);
    if (frames.size() < 2) {
        std::fprintf(stderr, "login_probe: %zu replies\n", frames.size());
        return 1;
    }
    const std::string registered = reply_of(frames[0].payload_view());
    const std::string logged_in = reply_of(frames[1].payload_view());
    std::printf("%s\n%s\n", registered.c_str(), logged_in.c_str());
    return registered == wire::reply_register_success && logged_in == wire::reply_login_success ? 0
                                                                                                : 1;
}
