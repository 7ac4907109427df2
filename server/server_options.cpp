#include "server/server_options.h"

#include "server/client_version.h"

#include <cstdlib>

namespace syncd {

namespace {

bool parse_number(const std::string& text, unsigned long long max, unsigned long long& out)
{
    if (text.empty() || text.size() > 19)
        return false;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned long long>(c - '0');
    }
    if (value > max)
        return false;
    out = value;
    return true;
}

// "ADDRESS:PORT", with an IPv6 address in brackets: "[::1]:22345".
bool parse_listen(const std::string& text, server_options& options)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    std::string host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    unsigned long long port = 0;
    if (host.empty() || !parse_number(text.substr(colon + 1), 65535, port))
        return false;
    options.listen_address = host;
    options.listen_port = static_cast<std::uint16_t>(port);
    return true;
}

} // namespace

const char* const default_config_file = QUILLBOX_SYNCD_CONFIG;

const char* usage_text()
{
    return "Usage: quillbox-syncd [options]\n"
           "The sync server of quillbox: accounts, login, register, heartbeat, and each\n"
           "account's clipboard history kept in step on all of its machines.\n"
           "\n"
           "Options are read from the configuration file " QUILLBOX_SYNCD_CONFIG " when it\n"
           "exists, then from the command line, which wins. The file holds the options below\n"
           "without their leading --, one per line (\"listen 0.0.0.0:22345\", \"data =\n"
           "/var/lib/quillbox-syncd\", a flag alone: \"log-heartbeats\"); # starts a comment.\n"
           "--config, --disable, --enable and --help belong on the command line only.\n"
           "Events are logged to standard error.\n"
           "\n"
           "  --config FILE                  read this configuration file instead\n"
           "  --listen ADDRESS:PORT          address and port to listen on (default "
           "127.0.0.1:22345;\n"
           "                                 port 0 picks a free one; IPv6 as [::1]:22345)\n"
           "  --data FOLDER                  folder of the account database accounts.db, "
           "created on\n"
           "                                 first start (default: syncd-data beside the "
           "program), of\n"
           "                                 the histories' index history.db and their files "
           "in files/;\n"
           "                                 one server per folder, held by its lock file "
           "syncd.lock\n"
           "  --min-version VERSION          refuse clients below this version (\"Version is "
           "too low\")\n"
           "  --update-version VERSION       tell clients below this version to update (\"Quit "
           "client!\")\n"
           "  --max-connections N            open connections in total (default 20000)\n"
           "  --max-connections-per-address N  open connections from one address (default "
           "256)\n"
           "  --max-failed-logins N          failed logins from one address within a minute "
           "before\n"
           "                                 further logins are refused (default 20; 0: no "
           "limit)\n"
           "  --account-failures-before-delay N  failed logins of one account (from anywhere) "
           "before\n"
           "                                 its next try must wait, 1 s doubling per further "
           "failure\n"
           "                                 (default 3; 0: never wait)\n"
           "  --account-delay-max SECONDS    longest such wait; an account's failures are "
           "forgotten\n"
           "                                 this long after the last one (default 900)\n"
           "  --register-per-minute N        registrations from one address per minute, in a "
           "burst\n"
           "                                 or spread out (default 10; 0: no limit)\n"
           "  --register-total-per-minute N  registrations from everywhere per minute (default "
           "120;\n"
           "                                 0: no limit)\n"
           "  --register-workers N           threads hashing the passwords of registrations, "
           "apart from\n"
           "                                 the login workers (default 1)\n"
           "  --max-send-queue-kb N          replies waiting for a client that does not read; "
           "beyond\n"
           "                                 this (plus one frame) it is closed (default 256)\n"
           "  --frame-deadline SECONDS       time to complete a frame from its first byte "
           "(default 10)\n"
           "  --log-fold SECONDS             repeated events of one connection are logged once "
           "per\n"
           "                                 this interval, with their count (default 10)\n"
           "  --quota-mb N                   storage per account; an upload beyond it, and "
           "logins while\n"
           "                                 beyond it, are refused (\"No Money\"; default "
           "1024)\n"
           "  --max-entries N                entries of an account's history; the oldest that "
           "are no\n"
           "                                 favourites go first (default 500)\n"
           "  --max-file-mb N                largest file a client may upload (default 64)\n"
           "  --history-workers N            threads for the histories' files and database "
           "(default 2)\n"
           "  --notify-spacing-ms N          least time between two notifications to one "
           "client, which\n"
           "                                 applies one per timer period (default 400)\n"
           "  --idle-timeout SECONDS         close connections that sent no whole frame for this "
           "long\n"
           "                                 (default 65)\n"
           "  --threads N                    I/O threads, one io_context each (default: one per "
           "core)\n"
           "  --workers N                    threads for logins: password checks and the database "
           "(default 2)\n"
           "  --hash-ops N                   crypto_pwhash operations limit (default 2)\n"
           "  --hash-memory-kb N             crypto_pwhash memory limit in KiB (default 19456)\n"
           "  --log-heartbeats               log one line per heartbeat\n"
           "  --disable ACCOUNT              operator: disable an account (\"No Permission\") "
           "and exit\n"
           "  --enable ACCOUNT               operator: enable an account again and exit\n"
           "  --help                         show this text\n";
}

bool parse_options(
    const std::vector<std::string>& args, server_options& options, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--log-heartbeats") {
            options.log_heartbeats = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = arg.rfind("--", 0) == 0 ? "missing value after " + arg
                                            : "unknown argument " + arg;
            return false;
        }
        const std::string& value = args[++i];
        unsigned long long n = 0;
        bool ok = true;
        if (arg == "--listen") {
            ok = parse_listen(value, options);
        } else if (arg == "--data") {
            ok = !value.empty();
            options.data_folder = value;
        } else if (arg == "--min-version") {
            ok = client_version::from_text(value).has_value();
            options.min_version = value;
        } else if (arg == "--update-version") {
            ok = client_version::from_text(value).has_value();
            options.update_version = value;
        } else if (arg == "--max-connections") {
            ok = parse_number(value, 1000000, n) && n > 0;
            options.max_connections = n;
        } else if (arg == "--max-connections-per-address") {
            ok = parse_number(value, 1000000, n) && n > 0;
            options.max_connections_per_address = n;
        } else if (arg == "--max-failed-logins") {
            ok = parse_number(value, 1000000, n);
            options.max_failed_logins = n;
        } else if (arg == "--account-failures-before-delay") {
            ok = parse_number(value, 1000000, n);
            options.account_failures_before_delay = n;
        } else if (arg == "--account-delay-max") {
            ok = parse_number(value, 86400 * 7, n) && n > 0;
            options.account_delay_max = std::chrono::seconds(n);
        } else if (arg == "--register-per-minute") {
            ok = parse_number(value, 1000000, n);
            options.register_per_minute = n;
        } else if (arg == "--register-total-per-minute") {
            ok = parse_number(value, 1000000, n);
            options.register_total_per_minute = n;
        } else if (arg == "--register-workers") {
            ok = parse_number(value, 256, n) && n > 0;
            options.register_workers = n;
        } else if (arg == "--max-send-queue-kb") {
            ok = parse_number(value, 1 << 20, n) && n > 0;
            options.max_send_queue_kb = n;
        } else if (arg == "--frame-deadline") {
            ok = parse_number(value, 86400, n) && n > 0;
            options.frame_deadline = std::chrono::seconds(n);
        } else if (arg == "--log-fold") {
            ok = parse_number(value, 86400, n) && n > 0;
            options.log_fold = std::chrono::seconds(n);
        } else if (arg == "--quota-mb") {
            ok = parse_number(value, 1ULL << 40, n);
            options.quota_mb = static_cast<std::int64_t>(n);
        } else if (arg == "--max-entries") {
            ok = parse_number(value, 1000000, n) && n > 0;
            options.max_entries = n;
        } else if (arg == "--max-file-mb") {
            ok = parse_number(value, 1 << 20, n) && n > 0;
            options.max_file_mb = n;
        } else if (arg == "--history-workers") {
            ok = parse_number(value, 256, n) && n > 0;
            options.history_workers = n;
        } else if (arg == "--notify-spacing-ms") {
            ok = parse_number(value, 60000, n);
            options.notify_spacing = std::chrono::milliseconds(n);
        } else if (arg == "--idle-timeout") {
            ok = parse_number(value, 86400, n) && n > 0;
            options.idle_timeout = std::chrono::seconds(n);
        } else if (arg == "--threads") {
            ok = parse_number(value, 256, n);
            options.threads = n;
        } else if (arg == "--workers") {
            ok = parse_number(value, 256, n) && n > 0;
            options.workers = n;
        } else if (arg == "--hash-ops") {
            ok = parse_number(value, 1000, n) && n > 0;
            options.hash_ops = n;
        } else if (arg == "--hash-memory-kb") {
            ok = parse_number(value, 4ULL << 20, n) && n > 0;
            options.hash_memory_kb = n;
        } else if (arg == "--disable") {
            ok = !value.empty();
            options.disable_account = value;
        } else if (arg == "--enable") {
            ok = !value.empty();
            options.enable_account = value;
        } else {
            error = "unknown argument " + arg;
            return false;
        }
        if (!ok) {
            error = "bad value for " + arg + ": " + value;
            return false;
        }
    }
    return true;
}

} // namespace syncd
