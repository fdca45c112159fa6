// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/HeadlessRescan.h"

#include "common/text/NativePath.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/Rescan.h"
#include "zembra/catalogue/ScanMessages.h"
#include "zembra/startup/ProgramState.h"

#include <memory>

namespace zembra {

int runHeadlessRescan(const std::string& programFolder, std::ostream& out, std::ostream& err) {
    // The tables are large; keep them off the stack.
    auto state = std::make_unique<ProgramState>();
    state->programFolder = programFolder;
    if (const auto error = OpenINI(programFolder, state->config)) {
        err << "zembra: " << error->message() << '\n';
        return kRescanCannotRun;
    }
    // The scan needs only the catalogue: the list files it rewrites are not read first.
    std::vector<std::string> warnings;
    const auto loaded = loadCatalogue(programFolder, state->tables, &warnings);
    for (const std::string& warning : warnings) {
        err << "zembra: " << warning << '\n';
    }
    if (loaded) {
        err << "zembra: " << *loaded << '\n';
        return kRescanCannotRun;
    }

    int paths = 0;
    int failed = 0;
    std::string firstUltraFolder;
    ScanObserver observer;
    observer.folderDone = [&](const FolderScan& scan) {
        if (scan.path == kUltra64 && !scan.secondPass) {
            // Both Ultra 64 folders feed one list: report them together after the second.
            firstUltraFolder = common::nativePathText(scan.folder);
            return;
        }
        ++paths;
        if (scan.succeeded()) {
            out << folderReportLine(scan, firstUltraFolder) << '\n';
        } else {
            err << "zembra: " << folderReportLine(scan, firstUltraFolder) << '\n';
            ++failed;
        }
    };
    if (const auto error = rescanCatalogue(programFolder, state->config, state->tables, observer)) {
        err << "zembra: " << *error << '\n';
        return kRescanCannotRun;
    }
    out << "Scanned " << paths << (paths == 1 ? " path" : " paths") << " against "
        << state->tables.masterList.count()
        << (state->tables.masterList.count() == 1 ? " game" : " games") << " in the catalogue";
    if (const int extras = countExtras(programFolder); extras > 0) {
        out << "; " << extras << (extras == 1 ? " extra" : " extras") << " listed";
    }
    out << ".\n";
    if (failed > 0) {
        err << "zembra: " << failed << (failed == 1 ? " list was" : " lists were")
            << " not rewritten\n";
        return kRescanIncomplete;
    }
    return 0;
}

} // namespace zembra
