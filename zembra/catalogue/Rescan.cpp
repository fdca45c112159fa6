// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/Rescan.h"

#include "zembra/catalogue/GameLists.h"

namespace zembra {

std::optional<std::string> rescanCatalogue(ProgramState& state, ScanObserver observer) {
    // A catalogue that cannot be used stops everything before a list is touched.
    if (auto refused = catalogueRefusal(state)) {
        return refused;
    }
    DeleteList(state.tables);
    // A fresh listing for every rescan, so files added since the last one are seen.
    FolderListingProbe probe;
    if (auto refused = Scan(state, probe, std::move(observer)).CheckForFiles()) {
        return refused;
    }
    return loadLists(state);
}

} // namespace zembra
