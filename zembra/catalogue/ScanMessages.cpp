// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/ScanMessages.h"

#include "common/text/NativePath.h"
#include "common/text/Strings.h"

namespace zembra {
namespace {

std::string games(int count) {
    return std::to_string(count) + (count == 1 ? " game" : " games");
}

} // namespace

std::string folderOutcomeText(const FolderScan& scan) {
    const std::string kept = "; " + scan.listFile + " left as it was";
    switch (scan.outcome) {
    case FolderScan::Outcome::Written:
    case FolderScan::Outcome::Pending: {
        std::string text = games(scan.written) + " -> " + scan.listFile;
        if (scan.listHits > kGameRows) {
            text += " (" + std::to_string(scan.listHits) + " found, but a list holds at most " +
                    std::to_string(kGameRows) + ": the first " + std::to_string(kGameRows) +
                    " are listed)";
        }
        return text;
    }
    case FolderScan::Outcome::CatalogueFull:
        return "not written: gamelist.lst fills all " + std::to_string(kMasterRows) +
               " catalogue rows, so the scan never reaches its end (keep it below " +
               std::to_string(kMasterRows) + " entries)" + kept;
    case FolderScan::Outcome::TooManyHits:
        return "not written: more than " + std::to_string(kMasterRows) + " games found" + kept;
    case FolderScan::Outcome::FolderUnreadable:
        return "not scanned: " + common::printable(scan.error) + kept;
    case FolderScan::Outcome::WriteFailed:
        return "not written: " + common::printable(scan.error);
    }
    return {};
}

std::string folderReportLine(const FolderScan& scan, const std::string& firstUltraFolder) {
    const std::string folder = common::nativePathText(scan.folder);
    std::string caption =
        scan.path <= 20 ? common::nativePathText(scan.caption) : scan.caption + folder;
    if (scan.path == kUltra64) {
        caption = scan.caption + firstUltraFolder + " + " + folder;
    }
    return common::printable(caption) + "  " + folderOutcomeText(scan);
}

} // namespace zembra
