// SPDX-License-Identifier: GPL-3.0-or-later
// The audio outputs are chosen from what the machine offers, and null is always the last resort.
#include "zembra/platform/linux/AudioOutputs.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using testing_support::TempFolder;
using zembra::AudioServers;

TEST(AudioOutputsTest, ListsTheServersFoundInOrderAndEndsOnNull) {
    const struct {
        AudioServers servers;
        const char* list;
    } rows[] = {
        {{false, false, false}, "null"},
        {{true, true, true}, "pipewire,pulse,alsa,null"},
        {{true, false, true}, "pipewire,alsa,null"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(zembra::audioOutputList(row.servers), row.list);
}

TEST(AudioOutputsTest, FindsSocketsAddressesAndCards) {
    TempFolder runtime;
    const std::string folder = runtime.path().string();
    const std::string cards = (runtime / "cards").string();
    // What is found, read as the list made of it.
    const auto found = [&](const char* remote, const char* pulse) {
        return zembra::audioOutputList(
            zembra::findAudioServers(folder.c_str(), remote, pulse, cards));
    };

    // Nothing there: no socket, no card list (a machine without sound), empty addresses.
    EXPECT_EQ(found(nullptr, ""), "null");
    runtime.write("cards", "--- no soundcards ---\n");
    EXPECT_EQ(found(nullptr, nullptr), "null");
    runtime.write("cards", " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n");
    EXPECT_EQ(found(nullptr, nullptr), "alsa,null");
    EXPECT_EQ(found("pipewire-1", nullptr), "pipewire,alsa,null");
    EXPECT_EQ(found(nullptr, "unix:/run/pulse"), "pulse,alsa,null");
    runtime.write("pipewire-0", "");
    runtime.write("pulse/native", "");
    EXPECT_EQ(found(nullptr, nullptr), "pipewire,pulse,alsa,null");
}

} // namespace
