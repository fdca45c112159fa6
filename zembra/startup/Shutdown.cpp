// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/Shutdown.h"

namespace zembra {
namespace {

Power::Action actionFor(std::int64_t flags) {
    if ((flags & kExitPowerOff) != 0) {
        return Power::Action::PowerOff;
    }
    if ((flags & kExitReboot) != 0) {
        return Power::Action::Reboot;
    }
    if ((flags & kExitShutdown) != 0) {
        return Power::Action::Halt;
    }
    return Power::Action::LogOff;
}

} // namespace

std::string ApiErrorText(const SystemError& error) {
    constexpr std::size_t kLongest = 254;
    std::string text = error.message.empty() ? error.name : error.message;
    if (text.size() > kLongest) {
        std::size_t end = kLongest;
        // Step back over UTF-8 continuation bytes so no character is cut in two.
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
        text.resize(end);
    }
    return text;
}

bool Shutdown::ShutdownSystem(std::int64_t flags) {
    if (flags < 0 || flags > 31) {
        throw ShutdownError(kInvalidShutdownFlags,
                            "Invalid parameter to ShutdownSystem: " + std::to_string(flags));
    }
    const Power::Action action = actionFor(flags);
    if (IsWinNT()) {
        EnableShutdown(action);
    }
    if (const auto error = power_.request(action)) {
        throw ShutdownError(kShutdownFailed, "ShutdownSystem failed: " + ApiErrorText(*error));
    }
    return true;
}

bool Shutdown::EnableShutdown(Power::Action action) {
    const auto refusal = power_.permission(action);
    if (!refusal) {
        return true;
    }
    const std::string why = " [" + ApiErrorText(refusal->error) + "]";
    if (refusal->couldNotAsk) {
        throw ShutdownError(kNoPrivilegeValue,
                            "Can't enable shutdown: Can't find the SE_SHUTDOWN_NAME privilege "
                            "value." +
                                why);
    }
    throw ShutdownError(kNoPrivileges, "Can't enable shutdown: You do not have the privileges to "
                                       "shutdown this system." +
                                           why);
}

bool Shutdown::IsWinNT() {
    if (!ntKnown_ && power_.available()) {
        // A power service that answers guards power control by the user's permission.
        ntKnown_ = true;
        nt_ = true;
    }
    return nt_;
}

} // namespace zembra
