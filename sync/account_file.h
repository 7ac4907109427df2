// user.json: the account that logged in last, its password digest and whether it logs in
// at start. Replaced atomically; a file that does not parse is kept aside, not lost.
#pragma once

#include <QString>
#include <string>

struct saved_account {
    std::string user;
    std::string pwd; // the digest the server confirmed
    bool auto_login = false;
};

class account_file {
public:
    explicit account_file(QString path);

    enum class state { missing, ok, damaged };
    struct read_result {
        state what = state::missing;
        saved_account account;
    };
    // A damaged file (no JSON object, a key missing or of another type) is moved aside as
    // <name>.damaged-<time> and read as missing from then on.
    read_result Read() const;

    // Compact JSON with the keys in alphabetical order; false, logged, when it failed.
    bool Save(const saved_account& account) const;
    // The file as it is, with "auto" changed; nothing when there is no usable file.
    bool SaveAutoLogin(bool auto_login) const;

    const QString& path() const { return path_; }

private:
    QString path_;
};
