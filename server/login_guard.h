// Counts failed logins per address, so that guessing from one place is refused, and per
// account, so that guessing one account from many places slows down: after a few failures an
// account's next try must wait, twice as long after each further failure. The wait holds up
// guesses at that account only; nobody else behind the guesser's address is locked out.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace syncd {

class login_guard {
public:
    using clock = std::chrono::steady_clock;

    // account_free_failures 0: accounts never wait.
    login_guard(std::size_t max_failures, std::chrono::seconds window,
        std::size_t account_free_failures = 0,
        std::chrono::seconds account_delay_max = std::chrono::seconds(900));

    // True while the address has max_failures failures inside the current window.
    bool blocked(const std::string& address, clock::time_point now);
    void record_failure(const std::string& address, clock::time_point now);

    // True while the account's next try must still wait; such a try is not checked at all.
    bool account_waiting(std::string_view account, clock::time_point now);
    void record_account_failure(std::string_view account, clock::time_point now);
    void record_account_success(std::string_view account);

private:
    struct entry {
        clock::time_point window_start;
        std::size_t failures = 0;
    };
    struct account_entry {
        clock::time_point last_failure;
        clock::time_point next_try;
        std::size_t failures = 0;
    };
    void prune(clock::time_point now);
    void prune_accounts(clock::time_point now);

    std::mutex mutex_;
    std::unordered_map<std::string, entry> entries_;
    std::unordered_map<std::string, account_entry> accounts_;
    std::size_t max_failures_;
    std::chrono::seconds window_;
    std::size_t account_free_failures_;
    std::chrono::seconds account_delay_max_;
};

} // namespace syncd
