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
    const auto find = [&](const char* remote, const char* pulse) {
        return zembra::findAudioServers(folder.c_str(), remote, pulse, cards);
    };

    // Nothing there: no socket, no card list (a machine without sound), empty addresses.
    AudioServers none = find(nullptr, "");
    EXPECT_FALSE(none.pipewire || none.pulse || none.alsa);

    runtime.write("cards", "--- no soundcards ---\n");
    EXPECT_FALSE(find(nullptr, nullptr).alsa);
    runtime.write("cards", " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n");
    EXPECT_TRUE(find(nullptr, nullptr).alsa);

    EXPECT_TRUE(find("pipewire-1", nullptr).pipewire);
    EXPECT_TRUE(find(nullptr, "unix:/run/pulse").pulse);
    runtime.write("pipewire-0", "");
    runtime.write("pulse/native", "");
    const AudioServers sockets = find(nullptr, nullptr);
    EXPECT_TRUE(sockets.pipewire);
    EXPECT_TRUE(sockets.pulse);
}

} // namespace
