// SPDX-License-Identifier: GPL-3.0-or-later
// The scan: every configured ROM folder tested against the master catalogue, one list file each.
#pragma once

#include "common/os/SaveBatch.h"
#include "zembra/catalogue/CatalogueKeys.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// What became of one folder of the scan.
struct FolderScan {
    enum class Outcome {
        Written,          ///< the list file was rewritten
        Pending,          ///< the first Ultra 64 folder: its hits wait for the second one's
        CatalogueFull,    ///< the catalogue has 5000 entries: no end was found, nothing written
        TooManyHits,      ///< more than 5000 hits: nothing written
        FolderUnreadable, ///< the folder could not be read: the old list stays (see `error`)
        WriteFailed,      ///< the list file could not be saved; the old one stays
    };

    int path = 0;            ///< 1 to 26
    bool secondPass = false; ///< the second Ultra 64 folder, added to the first one's hits
    /// False for an Ultra 64 folder left unset, scanned as "roms\" all the same: that it
    /// cannot be read is no fault.
    bool configured = true;
    std::string caption;  ///< as shown in the path label
    std::string folder;   ///< as configured, with the kind's sub-folder
    std::string listFile; ///< "l 1.lst" ...
    int hits = 0;         ///< files found in this folder
    int listHits = 0;     ///< files found for the list (both Ultra 64 folders together)
    int written = 0;      ///< lines written to the list file
    Outcome outcome = Outcome::Written;
    std::string error; ///< for FolderUnreadable and WriteFailed: what went wrong, in words

    /// Whether the list file is as the folder is now (written, or waiting to be).
    bool succeeded() const { return outcome == Outcome::Written || outcome == Outcome::Pending; }
};

/// Where the scan reports its progress: the texts for the path label and for the list, and the
/// end of each folder.
struct ScanObserver {
    std::function<void(std::string_view)> pathCaption;
    std::function<void(std::string_view)> listMessage;
    std::function<void(const FolderScan&)> folderDone;
};

inline constexpr std::string_view kScanningMessage =
    "Scanning Computer for Roms.... Please be Patient";

/// One run over every configured folder. The catalogue must have been loaded; the scan uses
/// the master list as it is in memory.
class Scan {
public:
    /// Reads the configuration and the master list; fills the scan table and writes the list
    /// files into `programFolder`.
    Scan(const std::string& programFolder, const EmulatorConfig& config, GameTables& tables,
         FileProbe& probe, ScanObserver observer = {});

    /// Scans paths 1 to 20 in order, then the fixed emulators, then saves every list file
    /// together and reports each folder (`folderDone`, in scan order). Returns
    /// a message, and scans nothing, when the catalogue holds no game to look for: every list
    /// would be emptied.
    std::optional<std::string> CheckForFiles();

private:
    void scanFolder(int path, std::string caption, std::string folder, bool secondPass,
                    bool configured = true);
    void makeListFiles(FolderScan& result);
    /// Tests the catalogue's row `scanPosition_`, through `listed` (with the row's name from
    /// `keys`) when the probe holds the folder's names; false when a hit finds no room.
    bool ShowFileSystemType2(const std::string& path, const ListedFolder* listed,
                             const CatalogueKeys* keys);
    bool testedLive(const std::string& path);
    const CatalogueKeys& keysFor(bool folded);
    void makeRecords();
    void saveAndReport();
    void fillScanTable();

    /// How a catalogue row is looked for.
    enum class Lookup : char {
        Never,      ///< the name leaves the folder: never looked for
        LeafName,   ///< a plain name in the folder: a folder's listing answers it
        ThroughPath ///< a name with a backslash: the probe follows it as a path
    };

    const std::string& programFolder_;
    const EmulatorConfig& config_;
    GameTables& tables_;
    FileProbe& probe_;
    ScanObserver observer_;
    std::string extension_;
    std::string candidate_; ///< reused for every file tested, so the scan does not allocate
    int scanPosition_ = 1;
    int nextFree_ = 1;
    // Worked out once a scan from the master list, which does not change while it runs.
    int catalogueRows_ = 0; ///< rows before the first empty set name
    std::vector<Lookup> lookups_;
    std::vector<std::string_view> names_; ///< set names by row, in the master list ///< by row
    std::map<std::pair<std::string, bool>, CatalogueKeys> keys_; ///< by extension, folded
    std::string records_; ///< each row's line of a list file, once one is written
    std::vector<std::size_t> recordEnds_;
    std::string listText_;
    std::vector<int> hitRows_; ///< the catalogue row of each filled row of the scan table
    /// For each row of the scan table, the catalogue row this scan last put there (0: none
    /// since it was emptied, or untouched). The table itself is filled once, at the end: what
    /// it holds then is what filling it hit by hit would have left.
    std::vector<int> tableRows_;
    bool tableEmptied_ = false;
    FolderScan firstUltraPass_; ///< what became of the first Ultra 64 folder
    /// The list files, saved together when every folder is scanned: one wait for the disk.
    common::SaveBatch saves_;
    std::vector<FolderScan> done_;    ///< every folder scanned, reported after the saves
    std::vector<std::size_t> saving_; ///< for each save of `saves_`, its folder in `done_`
};

/// Number of catalogue entries that can be listed: a set name and a description.
int usableEntries(const StringTable& masterList);

/// The message that stops a scan before anything is written, when the master list in memory
/// holds no game that could be listed; nothing when it does.
std::optional<std::string> catalogueRefusal(const std::string& programFolder,
                                            const GameTables& tables);

/// The extension tested for a list file: ".img" for Ultra 64, ".vpt" for Visual Pinball,
/// ".txt" for Daphne, ".zip" for everything else.
std::string scanExtension(std::string_view listFile);

} // namespace zembra
