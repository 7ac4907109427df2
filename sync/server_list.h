// The servers a connection may try: the default sync host's addresses first, then the
// entries of server.json.
#pragma once

#include <string>
#include <vector>

struct server_entry {
    std::string host;
    std::string port;
};

// Where the client looks for servers. The program uses the defaults; tests point it at their
// own server and file.
struct sync_endpoint {
    std::string default_host; // empty: the build's default sync host
    std::string default_port = "22345";
    std::string server_file = "server.json"; // relative to the working directory
};

class server_list {
public:
    // The default host's addresses first: the build's default host, or the file's "host"
    // (with "port", when given) in its place. The file's "server1".."server3" entries are
    // appended when both their host and a valid port are present.
    static std::vector<server_entry> LoadServers(const sync_endpoint& endpoint);

    // The textual forms of all addresses of host; empty (logged) when it does not resolve.
    static std::vector<std::string> ResolveHost(const std::string& host);

    static std::string default_host();
};
