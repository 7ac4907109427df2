#include "server/request_reader.h"

#include "sync/wire_kinds.h"

namespace syncd {

bool IsHistoryKind(std::uint8_t kind)
{
    switch (kind) {
    case wire::kind_index_upload:
    case wire::kind_file_chunk:
    case wire::kind_index_missing:
    case wire::kind_record_added:
    case wire::kind_records_deleted:
    case wire::kind_records_deleted_last:
    case wire::kind_files_done:
    case wire::kind_records_collected:
    case wire::kind_records_collected_last:
        return true;
    default:
        return false;
    }
}

void request_reader::read(const char* bytes, std::size_t count, std::vector<sync_request>& out)
{
    parser_.cut_frames(bytes, count, [&out](const frame_view& frame) {
        sync_request request;
        request.kind = frame.kind();
        switch (frame.kind()) {
        case wire::kind_login:
            request.what = sync_request::type::login;
            request.payload.assign(frame.payload_view());
            break;
        case wire::kind_heartbeat:
            request.what = sync_request::type::heartbeat;
            break;
        case wire::kind_register:
            request.what = sync_request::type::register_account;
            break;
        default:
            if (IsHistoryKind(frame.kind())) {
                // The connection's login decides the account, not these frames' fields.
                request.what = sync_request::type::history;
                request.tag.assign(frame.tag());
                request.payload.assign(frame.payload_view());
                out.push_back(std::move(request));
                return;
            }
            request.what = sync_request::type::other;
            break;
        }
        request.account.assign(frame.id());
        request.secret.assign(frame.pwd());
        out.push_back(std::move(request));
    });
}

} // namespace syncd
