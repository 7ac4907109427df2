// What msg_cloud_list_synced carries (a points to it, 0 when nothing came): the server's
// merged index that answers this machine's index upload, and the names that upload held.
#pragma once

#include <string>
#include <vector>

struct synced_list {
    std::string index; // the bytes of the server's content.json
    std::vector<std::string> uploaded_names;
};
