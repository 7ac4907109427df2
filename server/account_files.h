// The content files of the accounts on disk: data/files/<account folder>/<name>, and the
// uploads under way in data/incoming. Names are checked before they get here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace syncd {

// The folder name of an account: the name itself, with "%XX" for a leading dot, '%' and any
// byte that is not a letter, digit or one of "_.@-", so that even names stored before the
// account rules (such as "..") stay inside the data folder and two accounts never share one.
std::string AccountFolderName(std::string_view account);

class account_files {
public:
    explicit account_files(std::string data_folder);

    // Creates the folders and empties the incoming one, which only a crash can leave filled.
    bool Prepare();

    std::string PathOf(std::string_view account, std::string_view name) const;
    // A fresh path in the incoming folder.
    std::string IncomingPath();

    // Moves a finished upload into the account's folder under name, replacing a file there.
    // False, with error set, when the folder or the move fails.
    bool Commit(const std::string& incoming, std::string_view account, std::string_view name,
        std::string& error);
    void Remove(std::string_view account, const std::vector<std::string>& names);

private:
    std::string files_;
    std::string incoming_;
};

} // namespace syncd
