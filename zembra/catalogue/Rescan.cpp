// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/Rescan.h"

#include "zembra/catalogue/GameLists.h"

namespace zembra {

std::optional<std::string> rescanCatalogue(const std::string& programFolder,
                                           const EmulatorConfig& config, GameTables& tables,
                                           std::int16_t& curPath, ScanObserver observer) {
    // A catalogue that cannot be used stops everything before a list is touched.
    if (auto refused = catalogueRefusal(programFolder, tables)) {
        return refused;
    }
    DeleteList(tables);
    // A fresh listing for every rescan, so files added since the last one are seen.
    FolderListingProbe probe;
    if (auto refused =
            Scan(programFolder, config, tables, probe, std::move(observer)).CheckForFiles()) {
        return refused;
    }
    return loadLists(programFolder, config, tables, curPath);
}

} // namespace zembra
