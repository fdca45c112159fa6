// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's power control: powering off, restarting, halting, logging off.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace zembra {

/// An error as the system reports it: a symbolic name and a sentence for people.
struct SystemError {
    std::string name;
    std::string message;
};

class Power {
public:
    enum class Action { LogOff, Halt, Reboot, PowerOff };

    /// What the system says when asked whether this user may do an action.
    struct Refusal {
        bool couldNotAsk = false; ///< the question itself failed (no answer, unknown method)
        SystemError error;
    };

    virtual ~Power() = default;

    /// Whether the system's power service can be reached at all.
    virtual bool available() = 0;

    /// Whether this user may do `action` without further questions: nothing when allowed.
    virtual std::optional<Refusal> permission(Action action) = 0;

    /// Asks the system to do `action` now: nothing when the request was accepted.
    virtual std::optional<SystemError> request(Action action) = 0;
};

/// systemd-logind on the system bus, or on the bus at `busAddress` when one is given.
std::unique_ptr<Power> makePower(const std::string& busAddress = {});

} // namespace zembra
