#include "server/request_reader.h"

#include "sync/wire_kinds.h"

namespace syncd {

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
            request.what = sync_request::type::other;
            break;
        }
        request.account.assign(frame.id());
        request.secret.assign(frame.pwd());
        out.push_back(std::move(request));
    });
}

} // namespace syncd
