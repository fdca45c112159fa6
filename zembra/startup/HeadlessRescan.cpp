// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/HeadlessRescan.h"

#include "common/text/NativePath.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/Rescan.h"
#include "zembra/startup/ProgramState.h"

#include <memory>

namespace zembra {
namespace {

std::string games(int count) {
    return std::to_string(count) + (count == 1 ? " game" : " games");
}

std::string outcomeText(const FolderScan& scan) {
    switch (scan.outcome) {
    case FolderScan::Outcome::Written:
        return games(scan.written) + " -> " + scan.listFile;
    case FolderScan::Outcome::CatalogueFull:
        return "not written: gamelist.lst fills all " + std::to_string(kMasterRows) +
               " catalogue rows, so the scan never reaches its end (keep it below " +
               std::to_string(kMasterRows) + " entries); " + scan.listFile + " left as it was";
    case FolderScan::Outcome::TooManyHits:
        return "not written: more than " + std::to_string(kMasterRows) + " games found; " +
               scan.listFile + " left as it was";
    case FolderScan::Outcome::WriteFailed:
        return "not written: " + scan.error;
    }
    return {};
}

} // namespace

int runHeadlessRescan(const std::string& programFolder, std::ostream& out, std::ostream& err) {
    // The tables are large; keep them off the stack.
    auto state = std::make_unique<ProgramState>();
    state->programFolder = programFolder;
    if (const auto error = OpenINI(programFolder, state->config)) {
        err << "zembra: " << error->message() << '\n';
        return 2;
    }
    if (const auto error = loadLists(*state)) {
        err << "zembra: " << *error << '\n';
        return 2;
    }

    int paths = 0;
    std::string firstUltraFolder;
    ScanObserver observer;
    observer.folderDone = [&](const FolderScan& scan) {
        const std::string folder = common::nativePathText(scan.folder);
        if (scan.path == kUltra64 && !scan.secondPass) {
            // Both Ultra 64 folders feed one list: report them together after the second.
            firstUltraFolder = folder;
            return;
        }
        std::string caption =
            scan.path <= 20 ? common::nativePathText(scan.caption) : scan.caption + folder;
        if (scan.path == kUltra64) {
            caption = scan.caption + firstUltraFolder + " + " + folder;
        }
        out << caption << "  " << outcomeText(scan) << '\n';
        ++paths;
    };
    if (const auto error = rescanCatalogue(*state, observer)) {
        err << "zembra: " << *error << '\n';
        return 2;
    }
    out << "Scanned " << paths << (paths == 1 ? " path" : " paths") << " against "
        << games(state->tables.masterList.count()) << " in the catalogue";
    if (const int extras = state->tables.pathGames[kExtrasPath].count(); extras > 0) {
        out << "; " << extras << (extras == 1 ? " extra" : " extras") << " listed";
    }
    out << ".\n";
    return 0;
}

} // namespace zembra
