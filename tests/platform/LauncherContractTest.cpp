// SPDX-License-Identifier: GPL-3.0-or-later
// What every launcher promises the launch supervision, held against posix_spawn and against the
// fake the window tests use.
#include "tests/fakes/FakeLauncher.h"
#include "tests/support/Contract.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Waiting.h"
#include "zembra/platform/Launcher.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

/// posix_spawn with stand-in programs: the emulator runs until the file "stop" appears, the
/// opener ends at once and fails for a file named "broken.vpt".
class RealLauncher {
public:
    RealLauncher() {
        script("emu", "while [ ! -e stop ]; do sleep 0.01; done\n");
        script("opener", "case \"$1\" in *broken.vpt) exit 3;; esac\n");
        launcher_ = zembra::makeLauncher("wine", folder_.text() + "/opener");
    }
    zembra::Launcher& launcher() { return *launcher_; }

    zembra::Launcher::Result startEmulator() {
        fs::remove(folder_ / "stop");
        return launcher_->start(folder_.text() + "/emu", {}, folder_.text(), false);
    }
    zembra::Launcher::Result open(const std::string& file) {
        return launcher_->open(folder_.text() + "/" + file, folder_.text());
    }
    void emulatorEnds() { folder_.touch("stop"); }
    void openerEnds() {} // it does by itself
    /// What the owner is told besides the file: how the opener ended and what to do about it.
    std::vector<std::string> openFailureWords() const {
        return {"opener could not open", "(exit status 3)", "ZEMBRA_OPENER"};
    }

private:
    void script(const std::string& name, const std::string& body) {
        folder_.write(name, "#!/bin/sh\n" + body);
        fs::permissions(folder_ / name, fs::perms::owner_all);
    }
    testing_support::TempFolder folder_;
    std::unique_ptr<zembra::Launcher> launcher_;
};

/// The fake, told what its programs do as the stand-ins above do it.
class FakeLauncher {
public:
    zembra::Launcher& launcher() { return fake_; }

    zembra::Launcher::Result startEmulator() {
        fake_.fail = false;
        fake_.alive = true;
        return fake_.start("/emu/emu", {}, "/emu/", false);
    }
    zembra::Launcher::Result open(const std::string& file) {
        fake_.fail = false;
        fake_.alive = true;
        fake_.openFailed = file == "broken.vpt" ? "the opener could not open " + file : "";
        return fake_.open("/tables/" + file, "/tables/");
    }
    void emulatorEnds() { fake_.alive = false; }
    void openerEnds() { fake_.alive = false; }
    std::vector<std::string> openFailureWords() const { return {}; }

private:
    testing_fakes::FakeLauncher fake_;
};

template <typename World>
class LauncherContract : public testing_support::Contract<World> {
protected:
    /// The last program started without waiting ends within the deadline.
    bool ends() {
        return testing_support::waitUntil([this] { return !this->world.launcher().running(); });
    }
};

using Launchers = ::testing::Types<RealLauncher, FakeLauncher>;
TYPED_TEST_SUITE(LauncherContract, Launchers);

// (What a failed start says is the launcher test's.)
TYPED_TEST(LauncherContract, FollowsAProgramStartedWithoutWaitingUntilItEnds) {
    const auto result = this->world.startEmulator();
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_TRUE(this->world.launcher().running());
    this->world.emulatorEnds();
    EXPECT_TRUE(this->ends());
}

TYPED_TEST(LauncherContract, OnlyAnOpenThatEndedInFailureHasAFailureToTell) {
    zembra::Launcher& launcher = this->world.launcher();
    for (const std::string file : {"good.vpt", "broken.vpt"}) {
        ASSERT_TRUE(this->world.open(file).started) << file;
        this->world.openerEnds();
        ASSERT_TRUE(this->ends()) << file;
        const std::string why = launcher.openFailure();
        EXPECT_EQ(why.find(file) != std::string::npos, file == "broken.vpt") << file << ": " << why;
    }
    for (const std::string& words : this->world.openFailureWords())
        EXPECT_NE(launcher.openFailure().find(words), std::string::npos) << words;
    // The next start is not an open: the failure before it is no longer told.
    ASSERT_TRUE(this->world.startEmulator().started);
    this->world.emulatorEnds();
    ASSERT_TRUE(this->ends());
    EXPECT_EQ(launcher.openFailure(), "");
}

} // namespace
