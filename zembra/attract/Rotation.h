// SPDX-License-Identifier: GPL-3.0-or-later
// The screensaver's artwork rotation: which picture of which game comes next.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

class FileProbe;
class RandomSource;
class StringTable;
struct EmulatorConfig;

inline constexpr int kRotationPaths = 25;    ///< paths 0 to 25 are drawn from
inline constexpr int kRotationRows = 3300;   ///< rows 0 to 3300 of the master list likewise
inline constexpr int kRotationTries = 64;    ///< picks tried in one tick before waiting
inline constexpr int kRotationShownMs = 200; ///< the next tick after a new picture
inline constexpr int kRotationRetryMs = 50;  ///< the next tick after a tick that found none

/// One random pick: the kind of picture (0 none, 1 marquee, 2 flyer, 3 cabinet, 4 snap), the
/// path whose art folder it is looked for in, and the master list row naming the game.
struct RotationPick {
    int artKind = 0;
    int path = 0;
    int row = 0;
};

/// Draws the three numbers of a pick, each rounded with halves to even (so kind 0 and 4,
/// path 0 and 25, row 0 and 3300 come up half as often as their neighbours).
RotationPick drawPick(RandomSource& random);

/// The kind's folder under a path's art folder ("marquees\", "flyers\", "cabinets\",
/// "snap\"); empty for kind 0 and anything out of range.
std::string_view artKindFolder(int artKind);

/// The art folder of a path (1 to 26, as the configuration holds it); empty for any other
/// number, and for a path the cabinet gives no folder.
const std::string& pathArtFolder(const EmulatorConfig& config, int path);

/// The picture a pick names: the path's art folder, the kind's folder, the game's set name and
/// ".png". Empty when the pick names nothing: kind 0, a path without an art folder (a name
/// under the current folder would be looked for instead), a row without a game, or a set name
/// that would reach outside the folder.
std::string pickedPicture(const RotationPick& pick, const EmulatorConfig& config,
                          const StringTable& masterList);

/// Every folder a pick can name: the four kinds' folders of each path with an art folder.
std::vector<std::string> rotationFolders(const EmulatorConfig& config);

/// Reads `folders` now and answers existence from that listing afterwards, so the rotation's
/// many tests never touch the disk. Listing takes as long as the disk does: call it off the
/// window thread and hand the probe over when it is done.
std::unique_ptr<FileProbe> listArtwork(const std::vector<std::string>& folders);

/// What one tick of the rotation decided.
struct RotationStep {
    std::string picture; ///< the picture to show now; empty when this tick found none
    int artKind = 0;     ///< the kind of the last pick tried
    int tries = 0;       ///< picks tried in this tick
    int nextTickMs = kRotationRetryMs;
};

/// One tick: picks at random until one names an existing picture other than `prevPic` (the one
/// on the screen), at most `maxTries` times. A cabinet with little or no artwork thus never
/// holds the window for more than one tick's tries; the picture on the screen stays until a new
/// one is found. `probe` answers existence; give it an answer from memory (a folder listing
/// taken off the window thread) so that a slow disk never stalls the window.
RotationStep rotateArtwork(const StringTable& masterList, const EmulatorConfig& config,
                           std::string_view prevPic, FileProbe& probe, RandomSource& random,
                           int maxTries = kRotationTries);

} // namespace zembra
