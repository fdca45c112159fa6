// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/Rescan.h"

#include "zembra/catalogue/GameLists.h"

namespace zembra {

std::optional<std::string> rescanCatalogue(const std::string& programFolder,
                                           const EmulatorConfig& config, GameTables& tables,
                                           ScanObserver observer) {
    // A catalogue that cannot be used stops everything before a list is touched.
    if (auto refused = catalogueRefusal(programFolder, tables)) {
        return refused;
    }
    DeleteList(tables);
    // A fresh listing for every rescan, so files added since the last one are seen.
    FolderListingProbe probe;
    return Scan(programFolder, config, tables, probe, std::move(observer)).CheckForFiles();
}

} // namespace zembra
