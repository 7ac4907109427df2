// What the server sends a client in one go: content files, then the instruction files and
// the notification kind that announces them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace syncd {

struct outgoing_file {
    std::string name;
    std::shared_ptr<const std::string> data; // the bytes; null: read from path when sent
    std::string path;
};

struct outgoing_batch {
    std::vector<outgoing_file> files;
    std::uint8_t notify = 0; // sent after the files; 0: none

    // Memory it holds, for the bound on a connection's queue; files shared with other
    // connections count in full for each.
    std::size_t Cost() const
    {
        std::size_t cost = sizeof(outgoing_batch);
        for (const auto& file : files)
            cost += sizeof(outgoing_file) + file.name.size() + file.path.size()
                + (file.data ? file.data->size() : 0);
        return cost;
    }
};

inline std::shared_ptr<const std::string> SharedText(std::string text)
{
    return std::make_shared<const std::string>(std::move(text));
}

} // namespace syncd
