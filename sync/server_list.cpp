#include "sync/server_list.h"

#include "sync/wire_log.h"

#include <asio.hpp>
#include <nlohmann/json.hpp>

#include <fstream>

#ifndef QUILLBOX_SYNC_HOST
#define QUILLBOX_SYNC_HOST "localhost"
#endif

namespace {

bool valid_port(const std::string& text)
{
    if (text.empty() || text.size() > 5)
        return false;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value > 0 && value <= 65535;
}

// The file's object; null when there is none or it is no JSON object.
nlohmann::json read_file(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        return nullptr; // the file is optional
    auto json = nlohmann::json::parse(file, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        // The log line keeps its established wording, misspelling included.
        wire::log_error("Catch json unknow exception!");
        return nullptr;
    }
    return json;
}

// "host" and "port" of the file replace the build's default server: someone who runs a
// server of their own points the program at it.
void apply_own_default(
    const nlohmann::json& json, const std::string& path, std::string& host, std::string& port)
{
    const auto own_host = json.find("host");
    if (own_host == json.end())
        return;
    const auto own_port = json.find("port");
    if (!own_host->is_string() || own_host->get<std::string>().empty()
        || (own_port != json.end()
            && (!own_port->is_string() || !valid_port(own_port->get<std::string>())))) {
        wire::log_error(path + ": host or port invalid, the default server stays");
        return;
    }
    host = own_host->get<std::string>();
    if (own_port != json.end())
        port = own_port->get<std::string>();
}

void append_file_entries(
    const nlohmann::json& json, const std::string& path, std::vector<server_entry>& servers)
{
    for (int i = 1; i <= 3; ++i) {
        const auto host = json.find("server" + std::to_string(i));
        const auto port = json.find("port" + std::to_string(i));
        if (host == json.end() && port == json.end())
            continue;
        if (host == json.end() || port == json.end() || !host->is_string() || !port->is_string()
            || host->get<std::string>().empty() || !valid_port(port->get<std::string>())) {
            wire::log_error(
                path + ": entry " + std::to_string(i) + " skipped, host or port invalid");
            continue;
        }
        servers.push_back({ host->get<std::string>(), port->get<std::string>() });
    }
}

} // namespace

std::string server_list::default_host()
{
    return QUILLBOX_SYNC_HOST;
}

std::vector<std::string> server_list::ResolveHost(const std::string& host)
{
    std::vector<std::string> addresses;
    asio::io_context io;
    asio::ip::tcp::resolver resolver(io);
    asio::error_code error;
    const auto results = resolver.resolve(host, "", error);
    if (error) {
        wire::log_error("cannot resolve " + host + ": " + error.message());
        return addresses;
    }
    for (const auto& entry : results) {
        const std::string text = entry.endpoint().address().to_string();
        bool seen = false;
        for (const auto& a : addresses)
            seen = seen || a == text;
        if (!seen)
            addresses.push_back(text);
    }
    return addresses;
}

std::vector<server_entry> server_list::LoadServers(const sync_endpoint& endpoint)
{
    std::vector<server_entry> servers;
    std::string host = endpoint.default_host.empty() ? default_host() : endpoint.default_host;
    std::string port = endpoint.default_port;
    nlohmann::json file;
    try {
        file = read_file(endpoint.server_file);
        if (file.is_object())
            apply_own_default(file, endpoint.server_file, host, port);
    } catch (const std::exception& e) {
        wire::log_error(std::string("Catch json unknow exception! ") + e.what());
        file = nullptr;
    }
    for (const auto& address : ResolveHost(host))
        servers.push_back({ address, port });
    try {
        if (file.is_object())
            append_file_entries(file, endpoint.server_file, servers);
    } catch (const std::exception& e) {
        wire::log_error(std::string("Catch json unknow exception! ") + e.what());
    }
    return servers;
}
