// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/Scan.h"

#include "common/text/ItemWriter.h"
#include "common/text/NativePath.h"
#include "common/text/Numbers.h"

#include <algorithm>

namespace zembra {

std::string scanExtension(std::string_view listFile) {
    if (listFile == "l23.lst") {
        return ".img";
    }
    if (listFile == "l24.lst") {
        return ".vpt";
    }
    if (listFile == "l26.lst") {
        return ".txt";
    }
    return ".zip";
}

int usableEntries(const StringTable& masterList) {
    int usable = 0;
    for (int row = 1; row <= masterList.lastRow() && !masterList.at(row, 1).empty(); ++row) {
        usable += masterList.at(row, 2).empty() ? 0 : 1;
    }
    return usable;
}

std::optional<std::string> catalogueRefusal(const std::string& programFolder,
                                            const GameTables& tables) {
    if (usableEntries(tables.masterList) > 0) {
        return std::nullopt;
    }
    // Scanning against nothing would empty every list file.
    return common::nativePathText(programFolder + "\\gamelist.lst") +
           " holds no game with a set name and a description: no list file was rewritten";
}

Scan::Scan(const std::string& programFolder, const EmulatorConfig& config, GameTables& tables,
           FileProbe& probe, ScanObserver observer)
    : programFolder_(programFolder), config_(config), tables_(tables), probe_(probe),
      observer_(std::move(observer)) {}

std::optional<std::string> Scan::CheckForFiles() {
    if (auto refused = catalogueRefusal(programFolder_, tables_)) {
        return refused;
    }
    if (observer_.listMessage) {
        observer_.listMessage(kScanningMessage);
    }
    nextFree_ = 1;
    hitRows_.clear();
    scanPosition_ = 1;
    const StringTable& master = tables_.masterList;
    catalogueRows_ = 0;
    while (catalogueRows_ < kMasterRows && !master.at(catalogueRows_ + 1, 1).empty()) {
        ++catalogueRows_;
    }
    lookups_.assign(static_cast<std::size_t>(catalogueRows_) + 1, Lookup::Never);
    names_.assign(static_cast<std::size_t>(catalogueRows_) + 1, {});
    for (int row = 1; row <= catalogueRows_; ++row) {
        const std::string& name = master.at(row, 1);
        names_[static_cast<std::size_t>(row)] = name;
        if (staysInFolder(name)) {
            lookups_[static_cast<std::size_t>(row)] =
                name.find('\\') == std::string::npos ? Lookup::LeafName : Lookup::ThroughPath;
        }
    }
    keys_.clear();
    records_.clear();
    recordEnds_.clear();
    tableRows_.assign(kMasterRows + 1, 0);
    tableEmptied_ = false;
    struct Planned {
        int path;
        std::string caption;
        std::string folder;
        bool secondPass = false;
        bool configured = true;
    };
    std::vector<Planned> plan;
    const EmulatorConfig& c = config_;
    for (int n = 1; n <= 20; ++n) {
        if (!c.pathRomPrefix[n].empty()) {
            plan.push_back({n, "path" + common::blankNumber(n) + ": " + c.pathRomPrefix[n],
                            c.pathRomPrefix[n]});
        }
    }
    if (!c.impactDir.empty()) {
        plan.push_back({kImpact, "Impact Roms: ", c.impactDir + "roms\\"});
    }
    if (!c.modelerDir.empty()) {
        plan.push_back({kModeler, "Modeler Roms: ", c.modelerDir + "roms\\"});
    }
    if (!c.kiDir.empty() || !c.ki2Dir.empty()) {
        // Both builds land in one list, written once after the second folder; an unset
        // folder is still scanned, as "roms\".
        plan.push_back({kUltra64, "Ultra 64: ", c.kiDir + "roms\\", false, !c.kiDir.empty()});
        plan.push_back({kUltra64, "Ultra 64: ", c.ki2Dir + "roms\\", true, !c.ki2Dir.empty()});
    }
    if (!c.vpDir.empty()) {
        plan.push_back({kVisualPinball, "Visual Pinball: ", c.vpDir + "tables\\"});
    }
    if (!c.s11Dir.empty()) {
        plan.push_back({kS11Emu, "S11 Emu: ", c.s11Dir + "roms\\"});
    }
    if (!c.daphneDir.empty()) {
        plan.push_back({kDaphne, "Daphne: ", c.daphneDir});
    }
    std::vector<std::string> folders;
    for (const Planned& planned : plan) {
        folders.push_back(planned.folder);
    }
    probe_.expectFolders(folders);
    for (Planned& planned : plan) {
        scanFolder(planned.path, std::move(planned.caption), std::move(planned.folder),
                   planned.secondPass, planned.configured);
    }
    fillScanTable();
    saveAndReport();
    return std::nullopt;
}

void Scan::fillScanTable() {
    for (int row = 1; row <= kMasterRows; ++row) {
        const int from = tableRows_[static_cast<std::size_t>(row)];
        if (from != 0) {
            tables_.scanList.assign(row, 1, tables_.masterList.at(from, 1));
            tables_.scanList.assign(row, 2, tables_.masterList.at(from, 2));
        }
    }
}

void Scan::saveAndReport() {
    const std::vector<std::string> errors = saves_.commit();
    for (std::size_t i = 0; i < errors.size(); ++i) {
        if (!errors[i].empty()) {
            FolderScan& result = done_[saving_[i]];
            result.outcome = FolderScan::Outcome::WriteFailed;
            result.error = errors[i];
        }
    }
    if (observer_.folderDone) {
        for (const FolderScan& result : done_) {
            observer_.folderDone(result);
        }
    }
    done_.clear();
    saving_.clear();
}

void Scan::scanFolder(int path, std::string caption, std::string folder, bool secondPass,
                      bool configured) {
    if (observer_.pathCaption) {
        observer_.pathCaption(caption);
    }
    FolderScan result;
    result.path = path;
    result.secondPass = secondPass;
    result.configured = configured;
    result.caption = std::move(caption);
    result.folder = std::move(folder);
    result.listFile = listFileName(path);
    extension_ = scanExtension(result.listFile);
    makeListFiles(result);
    if (path == kUltra64 && !secondPass) {
        firstUltraPass_ = result;
    }
    done_.push_back(std::move(result));
}

void Scan::makeListFiles(FolderScan& result) {
    GameTables& tables = tables_;
    const bool firstUltra = result.path == kUltra64 && !result.secondPass;
    // The second Ultra 64 folder adds its hits to those of the first.
    if (!result.secondPass) {
        // The tables are emptied once; the scan table's rows emptied here are only noted.
        if (!tableEmptied_) {
            DeleteList(tables);
            tableEmptied_ = true;
        }
        std::fill_n(tableRows_.begin() + 1, kGameRows, 0);
        nextFree_ = 1;
        hitRows_.clear();
    }
    // An unmounted drive or a folder without permission says nothing about which games are
    // there: the list keeps what it held.
    if (const auto problem = probe_.folderProblem(result.folder); problem && result.configured) {
        result.outcome = FolderScan::Outcome::FolderUnreadable;
        result.error = common::nativePathText(result.folder) + " " + *problem;
        return;
    }
    const int firstRow = nextFree_;
    const std::optional<ListedFolder> listed = probe_.listedFolder(result.folder);
    const CatalogueKeys* keys = listed ? &keysFor(listed->caseInsensitive) : nullptr;
    for (scanPosition_ = 1; scanPosition_ <= catalogueRows_; ++scanPosition_) {
        if (!ShowFileSystemType2(result.folder, listed ? &*listed : nullptr, keys)) {
            result.hits = nextFree_ - firstRow;
            result.outcome = FolderScan::Outcome::TooManyHits;
            return;
        }
    }
    result.hits = nextFree_ - firstRow;
    if (scanPosition_ > kMasterRows) {
        // No end of the catalogue within 5000 rows: the folder is left without a new list.
        result.outcome = FolderScan::Outcome::CatalogueFull;
        return;
    }
    if (firstUltra) {
        // Written once, with the second folder's hits, so the file never holds half of them.
        result.outcome = FolderScan::Outcome::Pending;
        return;
    }
    if (result.secondPass && !firstUltraPass_.succeeded()) {
        // The first folder's hits are not all known: the list keeps what it held.
        result.outcome = firstUltraPass_.outcome;
        result.error = firstUltraPass_.error;
        return;
    }
    result.listHits = nextFree_ - 1;
    // The hits in the scan table's order, its first kGameRows rows: each line as the catalogue
    // row it came from would write it.
    makeRecords();
    // One text for every list: a list whose file holds it already is not kept for the save.
    std::string& text = listText_;
    text.clear();
    const int listRows = std::min(nextFree_ - 1, kGameRows);
    // Lines of rows that follow one another in the catalogue lie one after another in
    // `records_`: a run of them is copied at once.
    std::size_t runStart = 0;
    std::size_t runEnd = 0;
    for (int at = 0; at < listRows; ++at) {
        const auto row = static_cast<std::size_t>(hitRows_[static_cast<std::size_t>(at)]);
        const std::size_t start = recordEnds_[row - 1];
        if (start == recordEnds_[row]) {
            continue;
        }
        if (start != runEnd) {
            text.append(records_, runStart, runEnd - runStart);
            runStart = start;
        }
        runEnd = recordEnds_[row];
        ++result.written;
    }
    text.append(records_, runStart, runEnd - runStart);
    saving_.push_back(done_.size());
    saves_.addUnlessSame(common::nativePath(programFolder_ + "\\" + result.listFile), text);
}

const CatalogueKeys& Scan::keysFor(bool folded) {
    auto found = keys_.find({extension_, folded});
    if (found == keys_.end()) {
        found = keys_.try_emplace({extension_, folded}, names_, extension_, folded).first;
    }
    return found->second;
}

void Scan::makeRecords() {
    if (!recordEnds_.empty()) {
        return;
    }
    // Every row's line at once, the first time a list is written; a game without a
    // description is no line of a list, and its line is left empty.
    common::RecordWriter lines;
    recordEnds_.push_back(0);
    for (int row = 1; row <= catalogueRows_; ++row) {
        const std::string& description = tables_.masterList.at(row, 2);
        if (!description.empty()) {
            lines.text(tables_.masterList.at(row, 1)).text(description).endRecord();
        }
        recordEnds_.push_back(lines.str().size());
    }
    records_ = lines.str();
}

bool Scan::testedLive(const std::string& path) {
    candidate_.assign(path);
    candidate_ += tables_.masterList.at(scanPosition_, 1);
    candidate_ += extension_;
    return probe_.isFile(candidate_);
}

bool Scan::ShowFileSystemType2(const std::string& path, const ListedFolder* listed,
                               const CatalogueKeys* keys) {
    const Lookup lookup = lookups_[static_cast<std::size_t>(scanPosition_)];
    if (lookup == Lookup::Never) {
        // Never looked for outside the ROM folder: such a name is not a game of it.
        return true;
    }
    bool found = false;
    if (listed != nullptr && lookup == Lookup::LeafName) {
        found = listed->contains(keys->name(scanPosition_), keys->hash(scanPosition_));
        if (!found && listed->caseInsensitive && !keys->ascii(scanPosition_)) {
            // Letters beyond ASCII fold by the file system's own tables.
            found = testedLive(path);
        }
    } else {
        found = testedLive(path);
    }
    if (!found) {
        return true;
    }
    if (nextFree_ > kMasterRows) {
        return false;
    }
    tableRows_[static_cast<std::size_t>(nextFree_)] = scanPosition_;
    hitRows_.push_back(scanPosition_);
    ++nextFree_;
    return true;
}

} // namespace zembra
