// SPDX-License-Identifier: GPL-3.0-or-later
// A launcher that records what it was asked to start and can be told to fail.
#pragma once

#include "zembra/platform/Launcher.h"

#include <string>
#include <vector>

namespace testing_fakes {

class FakeLauncher : public zembra::Launcher {
public:
    struct Call {
        std::string what;    ///< "start" or "open"
        std::string program; ///< the file for "open"
        std::vector<std::string> arguments;
        std::string folder;
        bool wait = false;
    };
    std::vector<Call> calls;
    bool fail = false;
    bool alive = true; ///< whether the last program started reads as still running

    Result start(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& folder, bool wait) override {
        calls.push_back({"start", program, arguments, folder, wait});
        return fail ? Result{false, "cannot start " + program} : Result{true, {}};
    }
    Result open(const std::string& file, const std::string& folder) override {
        calls.push_back({"open", file, {}, folder, false});
        return fail ? Result{false, "cannot open " + file} : Result{true, {}};
    }
    bool running() override { return alive; }
    std::string openFailure() override { return alive ? std::string() : openFailed; }

    std::string openFailed; ///< what openFailure() says once the program has ended
};

} // namespace testing_fakes
