// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the machine off when Zembra ends, with the errors an owner is shown when it cannot.
#pragma once

#include "zembra/platform/Power.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zembra {

/// A shutdown that could not be done. `number` tells the kinds apart; the description is what
/// the user is shown.
class ShutdownError : public std::runtime_error {
public:
    ShutdownError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number(number) {}

    const std::int32_t number;
    static constexpr const char* kSource = "zembra.mShutDown";
};

// The error numbers, one per way a shutdown can fail.
inline constexpr std::int32_t kShutdownFailed = static_cast<std::int32_t>(0x8004062B);
inline constexpr std::int32_t kNoPrivilegeValue = static_cast<std::int32_t>(0x8004062C);
inline constexpr std::int32_t kNoPrivileges = static_cast<std::int32_t>(0x8004062E);
inline constexpr std::int32_t kInvalidShutdownFlags = static_cast<std::int32_t>(0x8004062F);

// The exit flags of the shutdown call (none of them: log off; the force bits 4 and 16 change
// nothing here). The exit sequence uses kExitPowerOff.
inline constexpr std::int64_t kExitShutdown = 1;
inline constexpr std::int64_t kExitReboot = 2;
inline constexpr std::int64_t kExitPowerOff = 8;

/// The system's message text for an error: its sentence, or its name when it has none; at
/// most 254 characters, never cutting a character in two.
std::string ApiErrorText(const SystemError& error);

/// The shutdown procedures on one power service. Whether the service guards power control
/// with a permission is asked once and remembered for as long as this object lives.
class Shutdown {
public:
    explicit Shutdown(Power& power) : power_(power) {}

    /// Logs off, halts, reboots or powers off as the flags say. True when the system accepted
    /// the request; every failure is thrown as a ShutdownError.
    bool ShutdownSystem(std::int64_t flags);

    /// Makes sure this user may do `action`; true, or a ShutdownError saying why not.
    bool EnableShutdown(Power::Action action);

    /// Whether power control is guarded by a permission that must be checked first. The answer
    /// of the first successful query is kept; until then it reads false.
    bool IsWinNT();

private:
    Power& power_;
    bool ntKnown_ = false;
    bool nt_ = false;
};

} // namespace zembra
