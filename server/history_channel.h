// What one connection's history exchange holds between its requests: the upload under way,
// finished uploads waiting for their record, the files the last merge asked for, and the
// batches gathered until their last part. Used by one worker task at a time.
#pragma once

#include "server/finished_upload.h"
#include "server/history_entry.h"
#include "server/incoming_file.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace syncd {

struct history_channel {
    history_channel(std::string account_name, const void* connection)
        : account(std::move(account_name))
        , sender(connection)
    {
    }
    ~history_channel(); // removes what was uploaded and never stored
    history_channel(const history_channel&) = delete;
    history_channel& operator=(const history_channel&) = delete;

    const std::string account;
    const void* const sender; // the connection, left out of its own pushes

    incoming_file upload;
    std::uint8_t upload_kind = 0;
    std::string upload_name;
    std::vector<finished_upload> unclaimed; // oldest first; a few at most
    std::unordered_map<std::string, history_entry> wanted; // named in upload.json
    std::vector<std::string> merged_in; // wanted entries stored, not yet pushed
    std::vector<std::string> deleted; // names of the deletion batches so far
    std::vector<history_entry> collected; // changes of the favourite batches so far
};

} // namespace syncd
