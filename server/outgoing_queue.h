// The batches waiting for one connection, turned into frames a little at a time as its
// socket takes them: one file after another, files on disk read a block at a time, and a
// batch that carries a notification held back until the spacing after the previous one has
// passed (a client applies at most one notification per timer period, and an instruction
// file sent sooner would replace the one it has not applied yet). Plain; the connection
// drives it on its own thread.
#pragma once

#include "server/file_block_reader.h"
#include "server/outgoing_batch.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>

namespace syncd {

class outgoing_queue {
public:
    using clock = std::chrono::steady_clock;
    // block_size: the bytes framed at a time, and read from disk at a time.
    outgoing_queue(std::chrono::milliseconds spacing, std::size_t block_size)
        : spacing_(spacing)
        , block_size_(block_size)
    {
    }

    std::size_t block_size() const { return block_size_; }

    void Push(std::shared_ptr<const outgoing_batch> batch);
    void Clear();
    bool empty() const { return batches_.empty(); }
    std::size_t cost() const { return cost_; }

    enum class status {
        idle, // nothing left
        full, // out holds room bytes or more
        read_block, // the current file's next block must be read: Reader(), then Deliver()
        reading, // a read is under way
        gated, // the next batch waits until GateUntil()
    };
    // Appends frames to out while it holds fewer than room bytes.
    status Fill(std::string& out, std::size_t room, clock::time_point now);

    std::shared_ptr<file_block_reader> Reader() const { return reader_; }
    // The outcome of a read by reader; one from a reader no longer current is ignored.
    void Deliver(
        const std::shared_ptr<file_block_reader>& reader, std::string block, bool eof, bool failed);
    clock::time_point GateUntil() const { return last_notify_ + spacing_; }

private:
    void NextFile();
    void FrameBlock(std::string& out, const outgoing_file& file);

    std::chrono::milliseconds spacing_;
    std::size_t block_size_;
    std::deque<std::shared_ptr<const outgoing_batch>> batches_;
    std::size_t cost_ = 0;
    bool started_ = false; // the front batch has sent something
    std::size_t file_ = 0; // in the front batch
    std::uint64_t offset_ = 0; // bytes of the current file framed
    std::shared_ptr<file_block_reader> reader_;
    bool reading_ = false;
    bool block_ready_ = false;
    std::string block_;
    bool block_eof_ = false;
    bool block_failed_ = false;
    clock::time_point last_notify_ {};
};

} // namespace syncd
