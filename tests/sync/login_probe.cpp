// Registers an account on a running quillbox-syncd at 127.0.0.1:PORT and logs in with it:
// exit 0 when both succeed. Used where the packaged server is checked from outside.
#include "sync/reply_texts.h"
#include "tests/sync/wire_socket.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: login_probe PORT ACCOUNT PASSWORD\n");
        return 2;
    }
    wire_socket server(static_cast<std::uint16_t>(std::atoi(argv[1])));
    if (!server.connected) {
        std::perror("login_probe: connect");
        return 1;
    }
    if (!server.send(register_frame(argv[2], argv[3]) + login_frame(argv[2], argv[3])))
        return 1;
    const std::string registered = server.reply();
    const std::string logged_in = server.reply();
    std::printf("%s\n%s\n", registered.c_str(), logged_in.c_str());
    return registered == wire::reply_register_success && logged_in == wire::reply_login_success ? 0
                                                                                                : 1;
}
