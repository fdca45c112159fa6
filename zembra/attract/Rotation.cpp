// SPDX-License-Identifier: GPL-3.0-or-later
// Picks the screensaver's next picture, with a bound on the tries of one tick.
#include "zembra/attract/Rotation.h"

#include "zembra/attract/RandomSource.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/StringTable.h"
#include "zembra/startup/EmulatorConfig.h"

namespace zembra {

RotationPick drawPick(RandomSource& random) {
    RotationPick pick;
    pick.artKind = roundedPick(random, 4);
    pick.path = roundedPick(random, kRotationPaths);
    pick.row = roundedPick(random, kRotationRows);
    return pick;
}

std::string_view artKindFolder(int artKind) {
    switch (artKind) {
    case 1:
        return "marquees\\";
    case 2:
        return "flyers\\";
    case 3:
        return "cabinets\\";
    case 4:
        return "snap\\";
    default:
        return {};
    }
}

const std::string& pathArtFolder(const EmulatorConfig& config, int path) {
    static const std::string none;
    if (path < 1 || path >= static_cast<int>(config.pathArtDir.size())) {
        return none;
    }
    return config.pathArtDir[static_cast<std::size_t>(path)];
}

std::string pickedPicture(const RotationPick& pick, const EmulatorConfig& config,
                          const StringTable& masterList) {
    const std::string_view kind = artKindFolder(pick.artKind);
    const std::string& folder = pathArtFolder(config, pick.path);
    if (kind.empty() || folder.empty() || pick.row < 0 || pick.row > masterList.lastRow() ||
        masterList.lastColumn() < 1) {
        return {};
    }
    const std::string& name = masterList.at(pick.row, 1);
    if (name.empty() || !staysInFolder(name)) {
        return {};
    }
    std::string picture = folder;
    picture += kind;
    picture += name;
    picture += ".png";
    return picture;
}

std::vector<std::string> rotationFolders(const EmulatorConfig& config) {
    std::vector<std::string> folders;
    for (int path = 0; path <= kRotationPaths; ++path) {
        const std::string& folder = pathArtFolder(config, path);
        if (folder.empty()) {
            continue;
        }
        for (int kind = 1; kind <= 4; ++kind) {
            folders.push_back(folder + std::string(artKindFolder(kind)));
        }
    }
    return folders;
}

std::unique_ptr<FileProbe> listArtwork(const std::vector<std::string>& folders) {
    auto probe = std::make_unique<FolderListingProbe>();
    for (const std::string& folder : folders) {
        probe->folderProblem(folder); // lists the folder and keeps its names
    }
    return probe;
}

RotationStep rotateArtwork(const StringTable& masterList, const EmulatorConfig& config,
                           std::string_view prevPic, FileProbe& probe, RandomSource& random,
                           int maxTries) {
    RotationStep step;
    while (step.tries < maxTries) {
        ++step.tries;
        const RotationPick pick = drawPick(random);
        step.artKind = pick.artKind;
        std::string picture = pickedPicture(pick, config, masterList);
        if (picture.empty() || picture == prevPic || !probe.isFile(picture)) {
            continue;
        }
        step.picture = std::move(picture);
        step.nextTickMs = kRotationShownMs;
        return step;
    }
    return step;
}

} // namespace zembra
