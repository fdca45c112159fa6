// SPDX-License-Identifier: GPL-3.0-or-later
// A power service that records what it was asked and answers as a test tells it to.
#pragma once

#include "zembra/platform/Power.h"

#include <vector>

namespace testing_fakes {

class FakePower : public zembra::Power {
public:
    bool reachable = true;
    std::optional<Refusal> refusal;           ///< the answer to every permission question
    std::optional<zembra::SystemError> error; ///< the answer to every request

    int availabilityQuestions = 0;
    std::vector<Action> questions; ///< permission questions, in order
    std::vector<Action> requests;  ///< requests, in order

    bool available() override {
        ++availabilityQuestions;
        return reachable;
    }
    /// Without the service nothing can be asked, and a request fails (with `error` when set).
    std::optional<Refusal> permission(Action action) override {
        questions.push_back(action);
        if (!reachable) {
            return Refusal{true, {"org.freedesktop.DBus.Error.ServiceUnknown", "no power service"}};
        }
        return refusal;
    }
    std::optional<zembra::SystemError> request(Action action) override {
        requests.push_back(action);
        if (!reachable && !error) {
            return zembra::SystemError{"org.freedesktop.DBus.Error.ServiceUnknown",
                                       "no power service"};
        }
        return error;
    }
};

} // namespace testing_fakes
