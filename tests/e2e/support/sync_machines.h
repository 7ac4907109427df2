// Machines of one sync account for end-to-end tests and benchmarks: an account on a real
// server on loopback, program copies pointed at that server, and the account page of a
// running copy driven as a user does.
#pragma once

#include "tests/e2e/support/program_copy.h"

#include <cstdint>
#include <string>

namespace e2e {

// Registers through a register frame on 127.0.0.1:port; false unless the server agreed.
bool RegisterAccount(std::uint16_t port, const std::string& account, const std::string& password);

// server.json only: the copy starts with the shared account, as one never signed in does.
bool PointAtServer(const ProgramCopy& copy, std::uint16_t port);

// server.json and config.json: the copy starts signed out, to sign in through its page.
bool PrepareSignedOut(const ProgramCopy& copy, std::uint16_t port, bool paste_by_cloud);

// PrepareSignedOut, and a user.json that logs in to the account at start.
bool PrepareMachine(const ProgramCopy& copy, std::uint16_t port, const std::string& account,
    const std::string& password, bool paste_by_cloud);

// The account page of a copy running on its display. What the page shows is read from the
// copy's log: it must run with "quillbox.ui.debug=true" and its output in log (a file in its
// folder), where each status the page shows is a line "account page: <status>".
class AccountPage {
public:
    AccountPage(const XSession& x, const ProgramCopy& copy, QString log);

    // Clicks the list of the main window (its window id), types G, and waits for the page to
    // hold the keyboard; then its account field has the focus.
    bool Open(const QString& main_window);
    // Types the text into the focused field, or presses keys ("Tab", "ctrl+a").
    void Type(const QString& text) const;
    void Keys(const QString& keys) const;
    // Types the account, Tab, and the password.
    void Fill(const QString& account, const QString& password) const
    {
        Type(account);
        Keys(QStringLiteral("Tab"));
        Type(password);
    }
    // Whether the page shows the status (in its words) within 10 s, after the last status
    // found so far.
    bool Shows(const QString& status);
    // Escape closes the page; true once it is gone.
    bool Close();

private:
    const XSession& x_;
    const ProgramCopy& copy_;
    const QString log_;
    QString page_;
    int read_ = 0;
};

} // namespace e2e
