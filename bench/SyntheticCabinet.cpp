// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the synthetic cabinet in a temporary folder and removes it again at exit.
#include "bench/SyntheticCabinet.h"

#include "common/text/ItemWriter.h"
#include "zembra/catalogue/GameTables.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace zembra::bench {
namespace {

[[noreturn]] void fail(const std::string& what, const fs::path& path) {
    throw fs::filesystem_error(what, path, std::error_code(errno, std::generic_category()));
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        fail("cannot write a file of the synthetic cabinet", path);
    }
}

std::string description(int index) {
    return "Synthetic Game " + std::to_string(index + 1) + " (" +
           std::to_string(1980 + index % 20) + ")";
}

std::string catalogueText(int entries) {
    common::RecordWriter out;
    for (int i = 0; i < entries; ++i) {
        out.text(catalogueName(i)).text(description(i)).endRecord();
    }
    return out.str();
}

/// 3000 empty files: half of them catalogue names the scan will find, the rest names it must
/// pass over (catalogue names with another extension, and games the catalogue does not know).
void fillRomFolder(const fs::path& folder, std::string_view extension, unsigned seed) {
    fs::create_directories(folder);
    // Only the first 4999 entries are used, so both catalogue sizes find the same files.
    std::vector<int> order(kFullCatalogue - 1);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(seed));
    constexpr int kWrongExtension = 500;
    int made = 0;
    for (int i = 0; i < kHitsPerFolder; ++i, ++made) {
        writeFile(folder / (catalogueName(order[i]) + std::string(extension)), {});
    }
    for (int i = 0; i < kWrongExtension; ++i, ++made) {
        writeFile(folder / (catalogueName(order[kHitsPerFolder + i]) + ".bak"), {});
    }
    for (int i = 0; made < kFilesPerFolder; ++i, ++made) {
        writeFile(folder / ("unlisted" + std::to_string(i) + std::string(extension)), {});
    }
}

/// The list file of `path` as the scan would have written it, kListRows lines long.
std::string listText(int path) {
    common::RecordWriter out;
    for (int row = 0; row < kListRows; ++row) {
        const int entry = (row + path * 97) % kFullCatalogue;
        out.text(catalogueName(entry)).text(description(entry)).endRecord();
    }
    return out.str();
}

} // namespace

std::array<RomFolder, kScannedFolders> romFolders() {
    static constexpr std::array<std::string_view, 20> kPaths = {
        "path01", "path02", "path03", "path04", "path05", "path06", "path07",
        "path08", "path09", "path10", "path11", "path12", "path13", "path14",
        "path15", "path16", "path17", "path18", "path19", "path20"};
    std::array<RomFolder, kScannedFolders> folders;
    for (std::size_t i = 0; i < kPaths.size(); ++i) {
        folders[i] = {kPaths[i], ".zip"};
    }
    folders[20] = {"impact/roms", ".zip"};
    folders[21] = {"modeler/roms", ".zip"};
    folders[22] = {"ki/roms", ".img"};
    folders[23] = {"ki2/roms", ".img"};
    folders[24] = {"vp/tables", ".vpt"};
    folders[25] = {"s11/roms", ".zip"};
    folders[26] = {"daphne", ".txt"};
    return folders;
}

std::string catalogueName(int index) {
    static constexpr std::array<std::string_view, 16> kSyllables = {
        "ba", "ko", "ri", "ze", "mu", "ta", "ne", "lo",
        "gi", "su", "pa", "dy", "ve", "ho", "xi", "fu"};
    std::string name(kSyllables[index % 16]);
    name += kSyllables[(index / 16) % 16];
    // The number keeps every name unique; names stay as short as real set names.
    name += std::to_string(index);
    return name;
}

SyntheticCabinet::SyntheticCabinet() {
    std::string pattern = (fs::temp_directory_path() / "zembra-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        fail("cannot make the synthetic cabinet's folder", pattern);
    }
    root_ = pattern;
    const auto start = std::chrono::steady_clock::now();
    try {
        build();
    } catch (...) {
        std::error_code ec;
        fs::remove_all(root_, ec);
        throw;
    }
    buildSeconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

SyntheticCabinet::~SyntheticCabinet() {
    std::error_code ec;
    fs::remove_all(root_, ec);
    if (ec) {
        std::fprintf(stderr, "could not remove %s: %s\n", root_.c_str(), ec.message().c_str());
    }
}

const SyntheticCabinet& SyntheticCabinet::get() {
    static const SyntheticCabinet cabinet;
    return cabinet;
}

void SyntheticCabinet::build() {
    const auto folders = romFolders();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        fillRomFolder(root_ / folders[i].disk, folders[i].extension, static_cast<unsigned>(i + 1));
    }
    for (const int size : {kFullCatalogue, kFullCatalogue - 1}) {
        const fs::path program = scanProgramFolder(size);
        fs::create_directories(program);
        writeFile(program / "gamelist.lst", catalogueText(size));
    }
    const fs::path load = loadProgramFolder();
    fs::create_directories(load);
    writeFile(load / "gamelist.lst", catalogueText(kFullCatalogue));
    for (int path = 1; path <= kDaphne; ++path) {
        writeFile(load / listFileName(path), listText(path));
    }
}

std::string SyntheticCabinet::scanProgramFolder(int catalogueSize) const {
    return (root_ / ("scan" + std::to_string(catalogueSize))).string();
}

std::string SyntheticCabinet::loadProgramFolder() const {
    return (root_ / "load").string();
}

void SyntheticCabinet::configure(EmulatorConfig& config) const {
    const std::string root = root_.string() + "/";
    const auto folders = romFolders();
    for (int n = 1; n <= 20; ++n) {
        config.pathRomPrefix[n] = root + std::string(folders[n - 1].disk) + "/";
    }
    // The scan adds "roms\" or "tables\" to these itself; Daphne's folder is used as it is.
    config.impactDir = root + "impact/";
    config.modelerDir = root + "modeler/";
    config.kiDir = root + "ki/";
    config.ki2Dir = root + "ki2/";
    config.vpDir = root + "vp/";
    config.s11Dir = root + "s11/";
    config.daphneDir = root + "daphne/";
}

std::vector<std::string> SyntheticCabinet::scannedFolders() const {
    std::vector<std::string> folders;
    for (const RomFolder& folder : romFolders()) {
        folders.push_back((root_ / folder.disk).string() + "/");
    }
    return folders;
}

} // namespace zembra::bench
