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
        lastOpened_ = false;
        lastWaited_ = wait;
        return fail ? Result{false, "cannot start " + program} : Result{true, {}};
    }
    Result open(const std::string& file, const std::string& folder) override {
        calls.push_back({"open", file, {}, folder, false});
        lastOpened_ = true;
        lastWaited_ = false;
        return fail ? Result{false, "cannot open " + file} : Result{true, {}};
    }
    /// A blocking start has ended before it returns, whatever `alive` says.
    bool running() override { return alive && !lastWaited_; }
    /// Only an open() that has ended can have failed.
    std::string openFailure() override {
        return lastOpened_ && !alive ? openFailed : std::string();
    }

    std::string openFailed; ///< what openFailure() says once the program has ended

private:
    bool lastOpened_ = false;
    bool lastWaited_ = false;
};

} // namespace testing_fakes
