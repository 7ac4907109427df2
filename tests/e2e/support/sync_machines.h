// Machines of one sync account for end-to-end tests and benchmarks: an account registered on
// a real server on loopback, and program copies pointed at that server and logged in to the
// account at start.
#pragma once

#include "tests/e2e/support/program_copy.h"

#include <cstdint>
#include <string>

namespace e2e {

// Registers through a register frame on 127.0.0.1:port; false unless the server agreed.
bool RegisterAccount(std::uint16_t port, const std::string& account, const std::string& password);

// server.json only: the copy starts with the shared account, as one never signed in does.
bool PointAtServer(const ProgramCopy& copy, std::uint16_t port);

// server.json, user.json (logging in at start) and config.json for a copy not yet started.
bool PrepareMachine(const ProgramCopy& copy, std::uint16_t port, const std::string& account,
    const std::string& password, bool paste_by_cloud);

} // namespace e2e
