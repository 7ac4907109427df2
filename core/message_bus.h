// The process-wide message bus: handlers registered under numeric ids, called
// in registration order on the poster's thread.
#pragma once

#include <cstdint>
#include <functional>

namespace bus {

// (id, a, b) -> result; the result is ignored by Post.
using Handler = std::function<std::int64_t(std::int64_t id, std::int64_t a, std::int64_t b)>;

// Registration token; pass it to Unregister when the registering object dies
// before the process ends.
using Token = std::uint64_t;

// Appends an entry; duplicates are allowed and each is called.
Token Register(std::int64_t id, Handler handler);

// The entry no longer receives posts. A post already running on another
// thread may still be inside it.
void Unregister(Token token);

// Calls every entry for id in registration order, including entries that a
// handler registers during this very post. Always returns 0.
std::int64_t Post(std::int64_t id, std::int64_t a, std::int64_t b);

} // namespace bus
