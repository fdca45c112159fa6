// SPDX-License-Identifier: GPL-3.0-or-later
// The scan: every configured ROM folder tested against the master catalogue, one list file each.
#pragma once

#include "common/os/SaveBatch.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <cstdint>
#include <functional>
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
    bool ShowFileSystemType2(const std::string& path);
    void saveAndReport();

    const std::string& programFolder_;
    const EmulatorConfig& config_;
    GameTables& tables_;
    FileProbe& probe_;
    ScanObserver observer_;
    std::string extension_;
    std::string candidate_; ///< reused for every file tested, so the scan does not allocate
    int scanPosition_ = 1;
    int nextFree_ = 1;
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
