// SPDX-License-Identifier: GPL-3.0-or-later
// The demo's jukebox as committed: every song of the playlist is there and tagged as meant.
#include "zembra/attract/Playlist.h"
#include "zembra/attract/SongTag.h"
#include "zembra/catalogue/FileProbe.h"

#include <gtest/gtest.h>

namespace {

TEST(DemoSongs, ThePlaylistFindsFourSongsAndTheLastHasNoTag) {
    const std::string cabinet = ZEMBRA_DEMO_CABINET;
    zembra::PerNameProbe probe;
    const zembra::Playlist list = zembra::setarray(cabinet, probe);
    ASSERT_EQ(list.songCount(), 4);
    EXPECT_EQ(list.entry(4), cabinet + "\\music\\cabinet-hum.ogg");
    EXPECT_EQ(zembra::readId3v1(list.entry(4)), std::nullopt);
    for (int n = 1; n <= 3; ++n) {
        const auto tag = zembra::readId3v1(list.entry(n));
        ASSERT_TRUE(tag) << list.entry(n);
        EXPECT_FALSE(tag->title.empty() || tag->artist.empty() || tag->album.empty())
            << list.entry(n);
    }
    EXPECT_EQ(zembra::readId3v1(list.entry(1)),
              (zembra::SongTag{"Insert Coin Waltz", "The Attract Loop", "Zembra Demo Tapes"}));
}

} // namespace
