// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogue benchmarks: the rescan with either file probe or saved listings, and loading every
// list file.
#include "bench/SyntheticCabinet.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/FolderCache.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/Scan.h"
#include "zembra/startup/ProgramState.h"

#include <benchmark/benchmark.h>
#include <exception>
#include <memory>
#include <string>

namespace zembra::bench {
namespace {

/// The list files read by one load: paths 1 to 26, and the Ultra 64 list a second time because
/// both of its builds are configured.
constexpr int kListsRead = kDaphne + 1;

const SyntheticCabinet* cabinetOrSkip(benchmark::State& state) {
    try {
        return &SyntheticCabinet::get();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

/// A program state configured for the whole cabinet. ProgramState is large, so it lives on the
/// heap.
std::unique_ptr<ProgramState> freshState(const SyntheticCabinet& cabinet,
                                         const std::string& programFolder) {
    auto program = std::make_unique<ProgramState>();
    program->programFolder = programFolder;
    cabinet.configure(program->config);
    return program;
}

/// The cabinet's program folder for a catalogue of range(0) entries, its lists loaded, ready to
/// scan; nothing (and the benchmark skipped with the reason) when it cannot be had.
std::unique_ptr<ProgramState> loadedForScan(benchmark::State& state) {
    const SyntheticCabinet* cabinet = cabinetOrSkip(state);
    if (cabinet == nullptr) {
        return nullptr;
    }
    auto program =
        freshState(*cabinet, cabinet->scanProgramFolder(static_cast<int>(state.range(0))));
    if (const auto message =
            loadLists(program->programFolder, program->config, program->tables, program->curPath)) {
        state.SkipWithError(message->c_str());
        return nullptr;
    }
    return program;
}

/// What one scan did, added up over its folders.
struct ScanTally {
    int folders = 0;
    int hits = 0;
    int linesWritten = 0;
    int unexpectedOutcomes = 0;
};

/// The full rescan of the cabinet's 27 folders against a catalogue of range(0) entries. A new
/// probe is made for every scan, as the program does, since the listing probe keeps what it read.
template <class Probe>
void scanCabinet(benchmark::State& state) {
    auto program = loadedForScan(state);
    if (!program) {
        return;
    }
    const int catalogueSize = static_cast<int>(state.range(0));
    // A full catalogue has no end for the scan to find, so no list file is written; one entry
    // fewer and every folder gets its list.
    const auto expected = catalogueSize == kFullCatalogue ? FolderScan::Outcome::CatalogueFull
                                                          : FolderScan::Outcome::Written;
    ScanTally tally;
    ScanObserver observer;
    observer.folderDone = [&tally, expected](const FolderScan& folder) {
        ++tally.folders;
        tally.hits += folder.hits;
        tally.linesWritten += folder.written;
        // The first Ultra 64 folder's hits wait for the second one's, which writes their list.
        const bool waits = folder.outcome == FolderScan::Outcome::Pending &&
                           expected == FolderScan::Outcome::Written;
        if (folder.outcome != expected && !waits) {
            ++tally.unexpectedOutcomes;
        }
    };

    // One untimed scan warms the caches and proves the cabinet is scanned as intended.
    {
        Probe probe;
        Scan(program->programFolder, program->config, program->tables, probe, observer)
            .CheckForFiles();
    }
    if (tally.folders != kScannedFolders || tally.hits != kScannedFolders * kHitsPerFolder ||
        tally.unexpectedOutcomes != 0) {
        const std::string why = "the warm-up scan went wrong: " + std::to_string(tally.folders) +
                                " folders, " + std::to_string(tally.hits) + " hits, " +
                                std::to_string(tally.unexpectedOutcomes) + " unexpected outcomes";
        state.SkipWithError(why.c_str());
        return;
    }
    const ScanTally perScan = tally;

    for (auto _ : state) {
        Probe probe;
        Scan(program->programFolder, program->config, program->tables, probe, observer)
            .CheckForFiles();
    }

    const auto namesTested = static_cast<std::int64_t>(kScannedFolders) * catalogueSize;
    state.SetItemsProcessed(state.iterations() * namesTested);
    state.counters["names_tested"] = static_cast<double>(namesTested);
    state.counters["hits"] = perScan.hits;
    state.counters["lines_written"] = perScan.linesWritten;
}

/// Only the reading of the 27 folders a listing scan starts each folder with: one lookup per
/// folder, so the time is the floor under BM_RescanFolderListing.
void BM_ReadFolderListings(benchmark::State& state) {
    const SyntheticCabinet* cabinet = cabinetOrSkip(state);
    if (cabinet == nullptr) {
        return;
    }
    const auto folders = cabinet->scannedFolders();
    const std::string known = catalogueName(0) + ".never";
    for (auto _ : state) {
        FolderListingProbe probe;
        for (const std::string& folder : folders) {
            benchmark::DoNotOptimize(probe.isFile(folder + known));
        }
    }
    state.SetItemsProcessed(state.iterations() * kScannedFolders * kFilesPerFolder);
    state.counters["files_listed"] = kScannedFolders * kFilesPerFolder;
}

void BM_RescanFolderListing(benchmark::State& state) {
    scanCabinet<FolderListingProbe>(state);
}
void BM_RescanPerName(benchmark::State& state) {
    scanCabinet<PerNameProbe>(state);
}

/// The disk's folder stamps with a clock a minute ahead: the cabinet's folders were made moments
/// ago, and a listing is kept only once its folder's stamps are two seconds old.
class StampsAhead final : public FolderStamps {
public:
    std::optional<common::FolderStamp> stamp(const std::string& folder) override {
        return disk_.stamp(folder);
    }
    std::int64_t nowNs() override { return disk_.nowNs() + 60'000'000'000; }
    bool isFile(const std::string& path) override { return disk_.isFile(path); }

private:
    DiskFolderStamps disk_;
};

/// The repeated rescan: no folder changed since the last scan, so every one is answered from the
/// listings that scan saved (read from memory here, not from the cache file), and every list
/// file already holds what the scan finds.
void BM_RescanSavedListings(benchmark::State& state) {
    auto program = loadedForScan(state);
    if (!program) {
        return;
    }
    const int catalogueSize = static_cast<int>(state.range(0));
    DiskFolderLister lister;
    StampsAhead stamps;
    std::string saved;
    const auto scan = [&](int& reused) {
        FolderCache cache(lister, stamps);
        cache.load(saved);
        FolderListingProbe probe(cache);
        Scan(program->programFolder, program->config, program->tables, probe).CheckForFiles();
        reused = cache.reused();
        if (cache.changed()) {
            saved = cache.save();
        }
    };
    int reused = 0;
    scan(reused);
    scan(reused);
    if (reused == 0) {
        state.SkipWithError("the second scan reused no listing");
        return;
    }
    for (auto _ : state) {
        scan(reused);
    }
    state.SetItemsProcessed(state.iterations() * kScannedFolders * catalogueSize);
    state.counters["folders_reused"] = reused;
    state.counters["cache_bytes"] = static_cast<double>(saved.size());
}

bool everyListLoaded(const ProgramState& program) {
    if (program.tables.masterList.count() != kFullCatalogue) {
        return false;
    }
    for (int path = 1; path <= kDaphne; ++path) {
        if (program.tables.pathGames[path].count() != kListRows) {
            return false;
        }
    }
    return true;
}

/// gamelist.lst and 27 list-file reads of 4000 lines each into a fresh program state. Making
/// and freeing the state is left out of the time; only loadLists is measured.
void BM_LoadLists(benchmark::State& state) {
    const SyntheticCabinet* cabinet = cabinetOrSkip(state);
    if (cabinet == nullptr) {
        return;
    }
    const std::string folder = cabinet->loadProgramFolder();
    {
        auto warmUp = freshState(*cabinet, folder);
        const auto message =
            loadLists(warmUp->programFolder, warmUp->config, warmUp->tables, warmUp->curPath);
        if (message || !everyListLoaded(*warmUp)) {
            state.SkipWithError(message ? message->c_str() : "the list files did not load whole");
            return;
        }
    }

    for (auto _ : state) {
        state.PauseTiming();
        auto program = freshState(*cabinet, folder);
        state.ResumeTiming();
        const auto message =
            loadLists(program->programFolder, program->config, program->tables, program->curPath);
        state.PauseTiming();
        const bool loaded = !message && everyListLoaded(*program);
        program.reset();
        state.ResumeTiming();
        if (!loaded) {
            state.SkipWithError("the list files did not load whole");
            break;
        }
    }

    const auto records = static_cast<std::int64_t>(kListsRead) * kListRows + kFullCatalogue;
    state.SetItemsProcessed(state.iterations() * records);
    state.counters["lists_read"] = kListsRead;
    state.counters["records_read"] = static_cast<double>(records);
}

BENCHMARK(BM_RescanFolderListing)
    ->ArgName("catalogue")
    ->Arg(kFullCatalogue)
    ->Arg(kFullCatalogue - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3);
BENCHMARK(BM_RescanPerName)
    ->ArgName("catalogue")
    ->Arg(kFullCatalogue)
    ->Arg(kFullCatalogue - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3);
BENCHMARK(BM_RescanSavedListings)
    ->ArgName("catalogue")
    ->Arg(kFullCatalogue)
    ->Arg(kFullCatalogue - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3);
BENCHMARK(BM_ReadFolderListings)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);
BENCHMARK(BM_LoadLists)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

} // namespace
} // namespace zembra::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    using namespace zembra::bench;
    benchmark::AddCustomContext("cabinet",
                                std::to_string(kScannedFolders) + " ROM folders of " +
                                    std::to_string(kFilesPerFolder) + " files (" +
                                    std::to_string(kHitsPerFolder) + " in the catalogue), " +
                                    std::to_string(kFullCatalogue) + "-entry catalogue, " +
                                    std::to_string(zembra::kDaphne) + " list files of " +
                                    std::to_string(kListRows) + " lines");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
