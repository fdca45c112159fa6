// SPDX-License-Identifier: GPL-3.0-or-later
// Powering off at exit: when the permission is checked, and the words an owner reads when it
// fails.
#include "zembra/startup/Shutdown.h"

#include "tests/fakes/FakePower.h"

#include <gtest/gtest.h>

namespace {

using testing_fakes::FakePower;
using zembra::Power;
using zembra::Shutdown;
using zembra::ShutdownError;

/// Runs ShutdownSystem and hands back the error it throws; fails the test when none is thrown.
ShutdownError failure(Shutdown& shutdown, std::int64_t flags) {
    try {
        shutdown.ShutdownSystem(flags);
    } catch (const ShutdownError& error) {
        return error;
    }
    ADD_FAILURE() << "no error for flags " << flags;
    return ShutdownError(0, "");
}

// The program only ever asks to power off (flags 8); the other flags are never passed.
TEST(Shutdown, PowerOffIsAskedAfterThePermission) {
    FakePower power;
    EXPECT_TRUE(Shutdown(power).ShutdownSystem(8));
    EXPECT_EQ(power.questions, std::vector{Power::Action::PowerOff});
    EXPECT_EQ(power.requests, std::vector{Power::Action::PowerOff});
}

// A refused request's own words reaching the owner are poweroff_e2e's.
TEST(Shutdown, WithoutPermissionNothingIsRequested) {
    FakePower power;
    power.refusal = Power::Refusal{false, {"", "the system answers \"no\" to CanPowerOff"}};
    Shutdown shutdown(power);
    const ShutdownError refused = failure(shutdown, 8);
    EXPECT_EQ(refused.number, zembra::kNoPrivileges);
    EXPECT_STREQ(refused.what(),
                 "Can't enable shutdown: You do not have the privileges to "
                 "shutdown this system. [the system answers \"no\" to CanPowerOff]");

    power.refusal = Power::Refusal{true, {"org.freedesktop.DBus.Error.ServiceUnknown", "gone"}};
    const ShutdownError unanswered = failure(shutdown, 8);
    EXPECT_EQ(unanswered.number, zembra::kNoPrivilegeValue);
    EXPECT_STREQ(unanswered.what(),
                 "Can't enable shutdown: Can't find the SE_SHUTDOWN_NAME privilege value. [gone]");
    EXPECT_TRUE(power.requests.empty());
}

TEST(Shutdown, AnUnreachableServiceIsAskedDirectlyUntilItAnswersOnce) {
    FakePower power;
    power.reachable = false;
    power.error = zembra::SystemError{"org.freedesktop.DBus.Error.NoServer", "no bus"};
    Shutdown shutdown(power);
    EXPECT_EQ(failure(shutdown, 8).number, zembra::kShutdownFailed);
    EXPECT_TRUE(power.questions.empty()); // no permission check without the service

    power.reachable = true;
    power.error.reset();
    EXPECT_TRUE(shutdown.ShutdownSystem(8));
    EXPECT_EQ(power.questions.size(), 1u);
    // The first answer is kept: the service is not asked whether it exists again.
    power.reachable = false;
    EXPECT_TRUE(shutdown.IsWinNT());
    EXPECT_EQ(power.availabilityQuestions, 2);
}

TEST(Shutdown, ErrorTextsAreCutAtWholeCharacters) {
    EXPECT_EQ(zembra::ApiErrorText({"name", ""}), "name");
    EXPECT_EQ(zembra::ApiErrorText({"name", "words"}), "words");
    const std::string longText = std::string(253, 'a') + "\xC3\xA9" + "tail"; // é across 254
    EXPECT_EQ(zembra::ApiErrorText({"", longText}), std::string(253, 'a'));
    EXPECT_EQ(zembra::ApiErrorText({"", std::string(300, 'b')}).size(), 254u);
}

} // namespace
