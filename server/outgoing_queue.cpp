#include "server/outgoing_queue.h"

#include "server/server_log.h"

#include "sync/file_frames.h"
#include "sync/file_name_check.h"
#include "sync/wire_kinds.h"

#include <algorithm>

namespace syncd {

void outgoing_queue::Push(std::shared_ptr<const outgoing_batch> batch)
{
    cost_ += batch->Cost();
    batches_.push_back(std::move(batch));
}

void outgoing_queue::Clear()
{
    batches_.clear();
    cost_ = 0;
    started_ = false;
    NextFile();
    file_ = 0;
}

void outgoing_queue::NextFile()
{
    ++file_;
    offset_ = 0;
    reader_.reset();
    reading_ = false;
    block_ready_ = false;
    std::string().swap(block_);
    block_eof_ = block_failed_ = false;
}

void outgoing_queue::Deliver(
    const std::shared_ptr<file_block_reader>& reader, std::string block, bool eof, bool failed)
{
    if (reader != reader_ || !reading_)
        return;
    reading_ = false;
    block_ready_ = true;
    block_ = std::move(block);
    block_eof_ = eof;
    block_failed_ = failed;
}

void outgoing_queue::FrameBlock(std::string& out, const outgoing_file& file)
{
    if (file.data) {
        const std::string_view all(*file.data);
        const std::size_t piece
            = static_cast<std::size_t>(std::min<std::uint64_t>(block_size_, all.size() - offset_));
        wire::AppendFileChunks(
            out, wire::kind_file_chunk, file.name, all.substr(offset_, piece), offset_ == 0);
        offset_ += piece;
        if (offset_ >= all.size()) {
            wire::AppendFileEnd(out, wire::kind_file_chunk, file.name);
            NextFile();
        }
        return;
    }
    block_ready_ = false;
    if (block_failed_) {
        // Nothing sent yet: the client never hears of the file. Cut short: the end frame
        // at least closes what it has.
        if (offset_ > 0)
            wire::AppendFileEnd(out, wire::kind_file_chunk, file.name);
        NextFile();
        return;
    }
    if (!block_.empty() || offset_ == 0)
        wire::AppendFileChunks(out, wire::kind_file_chunk, file.name, block_, offset_ == 0);
    offset_ += block_.size();
    if (block_eof_) {
        wire::AppendFileEnd(out, wire::kind_file_chunk, file.name);
        NextFile();
    }
}

outgoing_queue::status outgoing_queue::Fill(
    std::string& out, std::size_t room, clock::time_point now)
{
    while (out.size() < room) {
        if (batches_.empty())
            return status::idle;
        const outgoing_batch& batch = *batches_.front();
        if (!started_) {
            if (batch.notify != 0 && now < GateUntil())
                return status::gated;
            started_ = true;
            file_ = 0;
            offset_ = 0;
        }
        if (file_ < batch.files.size()) {
            const outgoing_file& file = batch.files[file_];
            if (!wire::IsPlainFileName(file.name)) {
                log_event("not sending a file with a bad name");
                NextFile();
                continue;
            }
            if (!file.data && !block_ready_) {
                if (reading_)
                    return status::reading;
                if (!reader_)
                    reader_ = std::make_shared<file_block_reader>(file.path);
                reading_ = true;
                return status::read_block;
            }
            FrameBlock(out, file);
            continue;
        }
        if (batch.notify != 0) {
            wire::AppendNotification(out, batch.notify);
            last_notify_ = now;
        }
        cost_ -= std::min(cost_, batch.Cost());
        batches_.pop_front();
        started_ = false;
        file_ = 0;
    }
    return status::full;
}

} // namespace syncd
