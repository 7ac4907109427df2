// An upload written to the incoming folder, complete, and not yet in an account's history.
#pragma once

#include <cstdint>
#include <string>

namespace syncd {

struct finished_upload {
    std::string name;
    std::string path; // in the incoming folder
    std::int64_t size = 0;
    std::string md5;
};

} // namespace syncd
