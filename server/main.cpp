// quillbox-syncd: the sync server.
#include "server/account_store.h"
#include "server/config_file.h"
#include "server/server_log.h"
#include "server/server_options.h"
#include "server/sync_server.h"

#include <csignal>
#include <filesystem>
#include <iostream>

namespace {

// Operator commands work on the database directly, without starting the server.
int set_account_flag(
    const syncd::server_options& options, const std::string& account, bool disabled)
{
    const std::string folder
        = options.data_folder.empty() ? syncd::default_data_folder() : options.data_folder;
    syncd::account_store store;
    if (!store.open((std::filesystem::path(folder) / "accounts.db").string()))
        return 1;
    if (!store.set_disabled(account, disabled)) {
        std::cerr << "no account " << account << "\n";
        return 1;
    }
    std::cout << "account " << account << (disabled ? " disabled" : " enabled") << "\n";
    return 0;
}

int run(const syncd::server_options& options)
{
    try {
        if (!options.disable_account.empty())
            return set_account_flag(options, options.disable_account, true);
        if (!options.enable_account.empty())
            return set_account_flag(options, options.enable_account, false);
        syncd::sync_server server(options);
        if (!server.start())
            return 1;
        server.run();
    } catch (const std::exception& e) {
        syncd::log_event(std::string("quillbox-syncd: ") + e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> command_line(argv + 1, argv + argc);
    // Answered even when the configuration file is broken.
    for (const std::string& arg : command_line) {
        if (arg == "--help" || arg == "-h") {
            std::cout << syncd::usage_text();
            return 0;
        }
    }
    std::vector<std::string> args;
    syncd::server_options options;
    std::string error;
    if (!syncd::gather_arguments(command_line, syncd::default_config_file, args, error)
        || !syncd::parse_options(args, options, error)) {
        std::cerr << "quillbox-syncd: " << error << "\n\n" << syncd::usage_text();
        return 2;
    }
    const int code = run(options);
    syncd::flush_log(); // what an operator command or a failed start logged
    return code;
}
