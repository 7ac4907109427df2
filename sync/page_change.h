// One change of what the account page shows: each field that is set is applied, in the
// order the changes were made.
#pragma once

#include <optional>
#include <string>

struct page_change {
    enum class status {
        initial, // not logged in (also while the shared anonymous account is)
        empty_fields, // register pressed with an empty field
        unreachable, // connection failed or lost
        logged_in,
        updating, // the index went up, the list is being updated
        login_refused, // wrong account or password
        registered,
        register_failed,
        list_updated,
        refused_by_server, // one of the refusal texts: refusal says which
    };
    std::optional<status> shown;
    std::string refusal; // the server's own words, with refused_by_server
    std::optional<bool> login_enabled;
    std::optional<bool> register_enabled;
    std::optional<std::string> account; // the field texts
    std::optional<std::string> password;
    std::optional<bool> auto_login;
    // News waits for the page's timers: they run only then, so a page with
    // nothing to do never wakes the program.
    bool ticks_wanted = false;
};
