// SPDX-License-Identifier: GPL-3.0-or-later
// Information-file benchmarks: indexing a 40 MB file and showing one entry from it.
#include "zembra/info/InfoIndex.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kFileBytes = 40u << 20;

/// A history-like file of about 40 MB in a temporary folder: entries of a few hundred to a
/// few thousand bytes, each under one to three names, CR LF line ends, made once per run.
class InfoFile {
public:
    static const InfoFile& get() {
        static const InfoFile file;
        return file;
    }
    ~InfoFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    InfoFile(const InfoFile&) = delete;
    InfoFile& operator=(const InfoFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    InfoFile() {
        char pattern[] = "/tmp/zembra-info-bench-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        folder_ = pattern;
        path_ = folder_ / "history.dat";
        std::mt19937 random(7);
        std::string text = "# generated information file\r\n# for the benchmark\r\n\r\n";
        const std::string sentence =
            "A game of skill and timing, released in one cabinet and two conversions, "
            "remembered for its music.\r\n";
        for (int entry = 0; text.size() < kFileBytes; ++entry) {
            const std::string name = "game" + std::to_string(entry);
            names_.push_back(name);
            text += "$info=" + name + ",";
            for (int alias = 0; alias < static_cast<int>(random() % 3); ++alias) {
                text += name + "a" + std::to_string(alias) + ",";
            }
            text += "\r\n$bio\r\n\r\n" + name + " (c) 1984 Someone.\r\n\r\n";
            const int sentences = 2 + static_cast<int>(random() % 30);
            for (int i = 0; i < sentences; ++i) {
                text += sentence;
            }
            text += "\r\n$end\r\n\r\n";
        }
        std::ofstream(path_, std::ios::binary) << text;
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::vector<std::string> names_;
};

/// The first opening: the index is built (on the window's worker) and the entry read.
void firstOpening(benchmark::State& state) {
    const InfoFile& file = InfoFile::get();
    std::size_t shown = 0;
    for (auto _ : state) {
        const auto index = zembra::InfoIndex::build(file.path());
        if (!index) {
            state.SkipWithError("the file could not be indexed");
            return;
        }
        shown += index->entryText(file.names()[file.names().size() / 2]).size();
    }
    benchmark::DoNotOptimize(shown);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(firstOpening)->Unit(benchmark::kMillisecond);

/// Every later opening: the kept index is checked against the file and the entry read by its
/// offsets. `range(0)` 1 looks up names that have no entry.
void laterOpening(benchmark::State& state) {
    const InfoFile& file = InfoFile::get();
    zembra::InfoIndexes kept;
    auto built = zembra::InfoIndex::build(file.path());
    if (!built) {
        state.SkipWithError("the file could not be indexed");
        return;
    }
    kept.store(std::make_shared<const zembra::InfoIndex>(std::move(*built)));
    std::mt19937 random(11);
    std::size_t shown = 0;
    for (auto _ : state) {
        const auto index = kept.usable(file.path());
        const std::string& name = file.names()[random() % file.names().size()];
        shown += index->entryText(state.range(0) == 1 ? name + "x" : name).size();
    }
    benchmark::DoNotOptimize(shown);
}
BENCHMARK(laterOpening)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
