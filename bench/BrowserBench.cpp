// SPDX-License-Identifier: GPL-3.0-or-later
// Browser benchmarks on the real windows (offscreen, 1920 x 1080): start-up to the first full
// drawing of the list, a held key's moves with cold and with prefetched artwork, and memory.
#include "bench/PhotoLike.h"
#include "tests/browser/BrowserAccess.h"
#include "tests/fakes/FakeDisplayMode.h"
#include "tests/fakes/FakeJoystick.h"
#include "tests/fakes/FakeKeyInjector.h"
#include "tests/fakes/FakeLauncher.h"
#include "tests/fakes/FakeMediaPlayer.h"
#include "zembra/browser/Main.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/blanker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using testing_support::parts;

namespace fs = std::filesystem;
using zembra::bench::photoLike;

namespace {

constexpr int kPaths = 27;
constexpr int kGamesPerPath = 4000;
constexpr int kGamesWithArt = 80;

void writeFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string gameName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "g%04d", i);
    return name;
}

/// 26 emulator paths and the extras, 4000 games each; artwork for the first games of path 1.
class SyntheticBrowserCabinet {
public:
    static const SyntheticBrowserCabinet& get() {
        static SyntheticBrowserCabinet cabinet;
        return cabinet;
    }
    const fs::path& folder() const { return folder_; }

private:
    SyntheticBrowserCabinet() {
        folder_ = fs::temp_directory_path() / "zembra-browser-bench";
        if (fs::exists(folder_ / "ready")) {
            return; // laid out by an earlier run; the pictures take a while to draw
        }
        fs::remove_all(folder_);
        const std::string root = folder_.string() + "/";
        std::string gamelist;
        for (int i = 1; i <= 4999; ++i) {
            gamelist += gameName(i) + ",\"Synthetic game " + std::to_string(i) + "\"\r\n";
        }
        writeFile(folder_ / "gamelist.lst", gamelist);
        std::string list;
        for (int i = 1; i <= kGamesPerPath; ++i) {
            list += "\"" + gameName(i) + "\",\"Synthetic game " + std::to_string(i) + "\"\r\n";
        }
        std::string ini;
        for (int n = 1; n <= 20; ++n) {
            ini += "Path=" + root + "roms/\r\nExec=emu\r\nFullName =NO\r\nCaption =Path " +
                   std::to_string(n) + "\r\nOpts=\r\nLogo  =\r\nEmuFolder=" + root +
                   "\r\nArtworkPath=" + root + "art/\r\n";
            writeFile(folder_ / ("l " + std::to_string(n) + ".lst"), list);
        }
        for (int n = 21; n <= 26; ++n) {
            writeFile(folder_ / ("l" + std::to_string(n) + ".lst"), list);
        }
        std::string extras;
        for (int i = 1; i <= kGamesPerPath; ++i) {
            extras += "{\r\nExe=x" + std::to_string(i) + ".exe\r\nCaption=Extra " +
                      std::to_string(i) + "\r\nPath=" + root + "\r\nCmdLine=\r\n}\r\n";
        }
        writeFile(folder_ / "extra.lst", extras);
        const std::string fixed = root + "fixed/";
        ini += "MameDir =" + root + "\r\nImpactDir=" + fixed +
               "\r\nImpactNT=NO\r\nModelerDir=" + fixed + "\r\nKI Dir=" + fixed +
               "\r\nKI2Dir =" + fixed + "\r\nVPinballDir=" + fixed + "\r\nS11Dir=" + fixed +
               "\r\nNO\r\nS11Arg=\r\nDaphDir=" + fixed +
               "\r\nDaphArg=\r\nScrollRate(ms)=16\r\nReserved      =0\r\nTV Output  =NO\r\n"
               "RunW=0\r\nRunH=0\r\nExHz=0\r\nExBp=0\r\nRuHz=0\r\nRuBp=0\r\nPowerOffOnExit=NO\r\n";
        writeFile(folder_ / "quarn.ini", ini);
        writeFile(folder_ / "quarn.cfg",
                  "\"\\bench\\\"\r\n120\r\n0\r\n0\r\n1\r\n#TRUE#\r\n0\r\n1\r\n0\r\n");
        writeFile(folder_ / "zbkeys.cfg", "38,40,34,33,116,9,39,37,13,27,83,77,73\r\n");
        // Snap large on the right, marquee on top, flyer and cabinet below, a text list left.
        writeFile(folder_ / "zbthemes/bench/skin.ini",
                  "1400,3900,3600,2700\r\n#TRUE#\r\n4200,5800,1700,1400\r\n#TRUE#\r\n"
                  "4200,3900,1700,1400\r\n#TRUE#\r\n150,3900,3600,900\r\n#TRUE#\r\n"
                  "1400,200,3500,4200\r\n1\r\n\"list\"\r\n1000,750\r\n150,200\r\n#TRUE#\r\n"
                  "5500,200\r\n#TRUE#\r\n100\r\n0\r\n150,200,600,2400\r\n#TRUE#\r\n");
        writeFile(folder_ / "zbthemes/bench/scheme.cfg",
                  "\"DejaVu Sans\",11,3342336,16777215,255\r\n");
        for (int i = 1; i <= kGamesWithArt; ++i) {
            const std::string name = gameName(i) + ".png";
            fs::create_directories(folder_ / "art/snap");
            fs::create_directories(folder_ / "art/marquees");
            photoLike({1920, 1080}, i)
                .save(QString::fromStdString((folder_ / "art/snap" / name).string()));
            photoLike({1000, 250}, i + 1000)
                .save(QString::fromStdString((folder_ / "art/marquees" / name).string()));
        }
        writeFile(folder_ / "ready", "");
    }

    fs::path folder_;
};

zembra::Services fakeServices() {
    zembra::Services services;
    services.makePlayer = testing_fakes::FakeMediaPlayer::factory();
    services.display = std::make_unique<testing_fakes::FakeDisplayMode>(1920, 1080);
    services.joystick = std::make_unique<testing_fakes::FakeJoystick>();
    services.pictures = std::make_unique<common::PictureLoader>();
    services.launcher = std::make_unique<testing_fakes::FakeLauncher>();
    services.keys = std::make_unique<testing_fakes::FakeKeyInjector>();
    return services;
}

/// Runs the intro's hand-over and the browser's start-up, then draws the whole window once.
zembra::Main& startBrowser(zembra::Application& app) {
    app.start();
    app.intro().onTimresize();
    if (app.browser() == nullptr) {
        // The cabinet has an intro video: skipped, as a key press does, so it is not counted.
        app.intro().skip();
        while (app.browser() == nullptr) {
            QCoreApplication::processEvents();
        }
    }
    zembra::Main& browser = *app.browser();
    parts(browser).Timer1().stop();
    browser.onTimer1();
    browser.grab(); // the first complete drawing
    return browser;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

void BM_StartUp(benchmark::State& state, fs::path folder) {
    if (folder.empty() || !fs::exists(folder / "quarn.ini")) {
        state.SkipWithError("no cabinet (lay out the demo with scripts/run-demo.sh first)");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            zembra::Application app(folder.string(), fakeServices());
            startBrowser(app);
            state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        }
        QCoreApplication::processEvents();
    }
}

/// Holds Down at a 16 ms scroll rate: each move from the tick to the repaint that shows it.
void BM_HeldKeyMoves(benchmark::State& state) {
    const auto& cabinet = SyntheticBrowserCabinet::get();
    const bool prefetched = state.range(0) != 0;
    for (auto _ : state) {
        zembra::Application app(cabinet.folder().string(), fakeServices());
        zembra::Main& browser = startBrowser(app);
        common::PictureLoader& loader = *app.services().pictures;
        std::vector<double> latencies;
        int complete = 0;
        // The held key's ticks come from here, one every 16 ms, so each can be timed.
        loader.setBusy(true);
        for (int move = 0; move < kGamesWithArt - 3; ++move) {
            if (prefetched) {
                loader.waitForIdle(); // the user paused: the neighbours were decoded meanwhile
            }
            QElapsedTimer timer;
            timer.start();
            browser.tickHeldMove(zembra::Action::Down);
            browser.repaint();
            latencies.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            bool allShown = true;
            for (const auto* picture : {parts(browser).xMarquee(), parts(browser).xScreen()}) {
                const QImage ready = loader.cached(picture->fileName(),
                                                   picture->size() * picture->devicePixelRatioF());
                allShown = allShown && !ready.isNull() &&
                           picture->shownImage().cacheKey() == ready.cacheKey();
            }
            complete += allShown ? 1 : 0;
            // The rest of the 16 ms: the workers' pictures arrive between ticks.
            while (timer.elapsed() < 16) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            }
        }
        browser.keyUp();
        loader.waitForIdle();
        state.SetIterationTime(percentile(latencies, 0.5) / 1e3);
        state.counters["median_ms"] = percentile(latencies, 0.5);
        state.counters["p99_ms"] = percentile(latencies, 0.99);
        state.counters["max_ms"] = percentile(latencies, 1.0);
        state.counters["moves_with_all_pictures_at_once"] =
            static_cast<double>(complete) / static_cast<double>(latencies.size());
    }
}

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

/// Resident size with the synthetic cabinet loaded and the picture cache warm.
void BM_Memory(benchmark::State& state) {
    const auto& cabinet = SyntheticBrowserCabinet::get();
    for (auto _ : state) {
        zembra::Application app(cabinet.folder().string(), fakeServices());
        zembra::Main& browser = startBrowser(app);
        common::PictureLoader& loader = *app.services().pictures;
        for (int move = 0; move < kGamesWithArt - 3; ++move) {
            browser.tickHeldMove(zembra::Action::Down);
            loader.waitForIdle();
        }
        state.counters["rss_mb"] = residentMegabytes();
        state.counters["picture_cache_mb"] =
            static_cast<double>(loader.cacheBytes()) / (1024.0 * 1024.0);
    }
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qt(argc, argv);
    const char* demo = std::getenv("ZEMBRA_DEMO_CABINET");
    benchmark::RegisterBenchmark("BM_StartUp/demo_cabinet", BM_StartUp,
                                 demo != nullptr ? fs::path(demo) : fs::path())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("BM_StartUp/synthetic_27x4000", BM_StartUp,
                                 SyntheticBrowserCabinet::get().folder())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("BM_HeldKeyMoves/cold", BM_HeldKeyMoves)
        ->Arg(0)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("BM_HeldKeyMoves/prefetched", BM_HeldKeyMoves)
        ->Arg(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("BM_Memory/synthetic_warm_cache", BM_Memory)->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
