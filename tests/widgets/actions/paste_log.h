// The keys the fake platform received with the waits between them, in one
// list: "SendKey 17 down", "Sleep 10", ...
#pragma once

#include "platform/fake/fake_platform.h"

#include <string>
#include <vector>

class paste_log {
public:
    paste_log()
        : fake_(dynamic_cast<platform::FakePlatform&>(platform::Current()))
    {
        fake_.ClearCalls();
    }

    void Sleep(int ms)
    {
        Flush();
        lines_.push_back("Sleep " + std::to_string(ms));
    }

    std::vector<std::string> Take()
    {
        Flush();
        std::vector<std::string> lines;
        lines.swap(lines_);
        return lines;
    }

    platform::FakePlatform& fake() { return fake_; }

private:
    void Flush()
    {
        // Queries are not what was sent.
        for (const std::string& call : fake_.Calls())
            if (call != "ForegroundWindow")
                lines_.push_back(call);
        fake_.ClearCalls();
    }

    platform::FakePlatform& fake_;
    std::vector<std::string> lines_;
};
