#include "sync/history_upload.h"

#include "sync/file_name_check.h"
#include "sync/instruction_file.h"
#include "sync/wire_format.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <fstream>
#include <iterator>
#include <sstream>

std::vector<std::string> SplitBatch(std::string_view text, std::size_t max)
{
    std::vector<std::string> pieces;
    while (text.size() > max) {
        std::size_t cut = text.rfind(',', max - 1);
        cut = cut == std::string_view::npos ? max : cut + 1;
        pieces.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
    }
    if (!text.empty() || pieces.empty())
        pieces.emplace_back(text);
    return pieces;
}

history_upload::history_upload(std::string content_folder, send_function send)
    : folder_(std::move(content_folder))
    , send_(std::move(send))
    , worker_([](const std::string& error) { wire::log_error("upload failed: " + error); })
{
}

void history_upload::SendFilesNow(const std::vector<std::string>& names, std::uint8_t kind)
{
    for (const std::string& name : names) {
        // The tag holds the step digit and the name.
        if (!wire::IsPlainFileName(name) || name.size() + 1 > wire::max_tag_text) {
            wire::log_error("upload refused, not a plain file name: " + name);
            continue;
        }
        std::ifstream file(folder_ + "/" + name, std::ios::binary);
        if (!file) {
            wire::log_error("upload skipped, cannot read " + name);
            continue;
        }
        SendChunks(name, file, kind);
    }
}

void history_upload::SendChunks(const std::string& name, std::istream& in, std::uint8_t kind)
{
    char chunk[wire::max_payload];
    char step = wire::step_first;
    while (!worker_.stopping()) {
        in.read(chunk, sizeof chunk);
        const auto n = static_cast<std::size_t>(in.gcount());
        if (n == 0)
            break;
        send_(chunk, n, std::string(1, step) + name, kind);
        step = wire::step_next;
    }
    send_(nullptr, 0, std::string(1, wire::step_end) + name, kind);
}

void history_upload::UploadIndex()
{
    worker_.Post([this] {
        // Read once: the names kept are those of the very bytes sent, though the history
        // may save a new index meanwhile.
        std::ifstream file(folder_ + "/content.json", std::ios::binary);
        const bool have = static_cast<bool>(file);
        std::string bytes;
        if (have)
            bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        {
            std::lock_guard<std::mutex> lock(names_mutex_);
            sent_index_names_ = have ? instruction_file::Names(bytes) : std::vector<std::string>();
        }
        if (!have) {
            send_(nullptr, 0, {}, wire::kind_index_missing);
            return;
        }
        std::istringstream in(bytes);
        SendChunks("content.json", in, wire::kind_index_upload);
    });
}

std::vector<std::string> history_upload::SentIndexNames() const
{
    std::lock_guard<std::mutex> lock(names_mutex_);
    return sent_index_names_;
}

void history_upload::SendFiles(std::vector<std::string> names, std::uint8_t kind)
{
    worker_.Post([this, names = std::move(names), kind] { SendFilesNow(names, kind); });
}

void history_upload::UploadListedFiles(std::string json)
{
    worker_.Post([this, json = std::move(json)] {
        SendFilesNow(instruction_file::Names(json), wire::kind_file_chunk);
        send_(nullptr, 0, {}, wire::kind_files_done);
    });
}

void history_upload::RecordAdded(std::string path, std::int64_t type)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (type < 0 || type > 9 || !wire::IsPlainFileName(name)
        || name.size() + 1 > wire::max_tag_text) {
        wire::log_error("record not sent, name or type invalid: " + name);
        return;
    }
    worker_.Post([this, name, type] {
        SendFilesNow({ name }, wire::kind_file_chunk);
        send_(nullptr, 0, std::to_string(type) + name, wire::kind_record_added);
    });
}

void history_upload::SendBatch(std::string text, bool is_last, std::uint8_t more, std::uint8_t last)
{
    worker_.Post([this, text = std::move(text), is_last, more, last] {
        const auto pieces = SplitBatch(text, wire::max_payload);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const bool final_piece = is_last && i + 1 == pieces.size();
            send_(pieces[i].data(), pieces[i].size(), {}, final_piece ? last : more);
        }
    });
}
