// SPDX-License-Identifier: GPL-3.0-or-later
// A large cabinet on disk, built once per run, for the catalogue benchmarks to work on.
#pragma once

#include "zembra/startup/EmulatorConfig.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zembra::bench {

inline constexpr int kFullCatalogue = 5000;  ///< the master list at its limit
inline constexpr int kFilesPerFolder = 3000; ///< in every ROM folder
inline constexpr int kHitsPerFolder = 1500;  ///< of them, catalogue names with the right extension
inline constexpr int kScannedFolders = 27;   ///< paths 1 to 20 and seven fixed emulator folders
inline constexpr int kListRows = 4000;       ///< lines in each list file of the load cabinet

/// A temporary folder holding 27 ROM folders and three program folders:
/// - one whose gamelist.lst has `kFullCatalogue` entries, for the scan at the limit;
/// - one with one entry fewer, for the scan that writes its list files;
/// - one with a full gamelist.lst and a 4000-line list file for every path, for the load.
/// The folder is removed when the process ends.
class SyntheticCabinet {
public:
    /// Builds the cabinet on first use; throws std::filesystem::filesystem_error when it cannot.
    static const SyntheticCabinet& get();

    SyntheticCabinet(const SyntheticCabinet&) = delete;
    SyntheticCabinet& operator=(const SyntheticCabinet&) = delete;
    ~SyntheticCabinet();

    /// Program folder (no trailing separator) whose gamelist.lst has `catalogueSize` entries:
    /// kFullCatalogue or kFullCatalogue - 1.
    std::string scanProgramFolder(int catalogueSize) const;

    /// Program folder with the 26 list files of kListRows lines each.
    std::string loadProgramFolder() const;

    /// Every one of the 27 ROM folders configured, both Ultra 64 builds included.
    void configure(EmulatorConfig& config) const;

    /// The 27 folders as the scan tests them, each ending in a separator.
    std::vector<std::string> scannedFolders() const;

    const std::filesystem::path& root() const { return root_; }
    double buildSeconds() const { return buildSeconds_; }

private:
    SyntheticCabinet();
    void build();

    std::filesystem::path root_;
    double buildSeconds_ = 0;
};

/// One scanned folder: where it lies under the cabinet root and the extension the scan tests.
struct RomFolder {
    std::string_view disk;
    std::string_view extension;
};

/// Paths 1 to 20, then Impact, Modeler, both Ultra 64 builds, Visual Pinball, S11 and Daphne,
/// laid out as the scan expects to find them under each configured folder.
std::array<RomFolder, kScannedFolders> romFolders();

/// The set name of catalogue entry `index` (0-based); the same on every call.
std::string catalogueName(int index);

} // namespace zembra::bench
