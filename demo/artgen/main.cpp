// SPDX-License-Identifier: GPL-3.0-or-later
// zembra_demo_art: writes stand-in artwork PNGs for the demo cabinet's games.
//
//   zembra_demo_art [--every N] [--first N] [--complete] GAMELIST BASE_FOLDER NAMES_FILE
//
// GAMELIST is the catalogue (`name,"Title"` a line); NAMES_FILE lists file names one a line
// (a ROM manifest: the extension is dropped, names not in the catalogue are skipped). For each
// game it writes BASE_FOLDER/marquees/<name>.png, snap/, flyers/ and cabinets/. --every N takes
// only the 1st, (N+1)th ... game; --complete gives each game all four kinds (otherwise some
// games get none or only some, so that the skins' fall-back pictures show). --first N gives all
// four kinds to the first N games in catalogue order, whatever --every says: the games a path's
// list opens with, so its first screen shows artwork. Files already there are kept.
#include "ArtPainter.h"
#include "GameNames.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Options {
    int every = 1;
    int first = 0;
    bool complete = false;
    std::string catalogue;
    std::string base;
    std::string names;
};

int usage() {
    std::fprintf(stderr, "usage: zembra_demo_art [--every N] [--first N] [--complete] GAMELIST "
                         "BASE_FOLDER NAMES_FILE\n");
    return 2;
}

bool parse(int argc, char** argv, Options& options) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--every" && i + 1 < argc) {
            try {
                options.every = std::stoi(argv[++i]);
            } catch (const std::exception&) {
                return false;
            }
            if (options.every < 1) {
                return false;
            }
        } else if (arg == "--first" && i + 1 < argc) {
            try {
                options.first = std::stoi(argv[++i]);
            } catch (const std::exception&) {
                return false;
            }
            if (options.first < 0) {
                return false;
            }
        } else if (arg == "--complete") {
            options.complete = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 3) {
        return false;
    }
    options.catalogue = positional[0];
    options.base = positional[1];
    options.names = positional[2];
    return true;
}

/// What the workers did, shared between them.
struct Tally {
    std::atomic<int> written{0};
    std::atomic<int> kept{0};
    std::mutex errorLock;
    std::string error;

    void fail(const std::string& message) {
        const std::lock_guard lock(errorLock);
        if (error.empty()) {
            error = message;
        }
    }
};

/// Writes the picture `paint` makes to `file` unless the file is there already. The picture is
/// painted only when needed, and written under a temporary name first so that no half picture
/// is ever left behind.
template <typename Paint>
void writeOnce(const std::filesystem::path& file, Paint paint, Tally& tally) {
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        ++tally.kept;
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!paint().save(&buffer, "PNG", 85)) {
        tally.fail("cannot encode " + file.string());
        return;
    }
    std::filesystem::path temporary = file;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(png.constData(), png.size());
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            tally.fail("cannot write " + temporary.string());
            return;
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        tally.fail("cannot write " + file.string());
        return;
    }
    ++tally.written;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        return usage();
    }
    // Pictures only: no window system is needed, or wanted, and Qt's remarks about the session
    // it runs in (no runtime folder and the like) are of no use here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "zembra_demo_art: %s\n", qPrintable(message));
        }
    });
    QGuiApplication app(argc, argv);

    const auto catalogueText = artgen::readFile(options.catalogue);
    if (!catalogueText) {
        std::fprintf(stderr, "zembra_demo_art: cannot read %s\n", options.catalogue.c_str());
        return 1;
    }
    const auto namesText = artgen::readFile(options.names);
    if (!namesText) {
        std::fprintf(stderr, "zembra_demo_art: cannot read %s\n", options.names.c_str());
        return 1;
    }
    const auto titles = artgen::readCatalogue(*catalogueText);
    const auto setNames = artgen::readSetNames(*namesText);
    // The games a list opens with: the first in catalogue order among the names given.
    std::set<std::string> leading;
    const std::set<std::string> given(setNames.begin(), setNames.end());
    for (const std::string& name : artgen::catalogueNames(*catalogueText)) {
        if (static_cast<int>(leading.size()) >= options.first) {
            break;
        }
        if (given.count(name) != 0) {
            leading.insert(name);
        }
    }
    std::vector<artgen::Game> games;
    std::vector<bool> complete;
    int listed = 0;
    for (const std::string& name : setNames) {
        const auto title = titles.find(name);
        if (title == titles.end()) {
            continue; // not a game Zembra would list
        }
        const bool leads = leading.count(name) != 0;
        if (listed++ % options.every == 0 || leads) {
            games.push_back(artgen::makeGame(name, title->second));
            complete.push_back(options.complete || leads);
        }
    }

    const std::filesystem::path base(options.base);
    const std::filesystem::path folders[] = {base / "marquees", base / "snap", base / "flyers",
                                             base / "cabinets"};
    for (const auto& folder : folders) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            std::fprintf(stderr, "zembra_demo_art: cannot create %s: %s\n", folder.string().c_str(),
                         error.message().c_str());
            return 1;
        }
    }

    Tally tally;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < games.size(); i = next++) {
            const artgen::Game& game = games[i];
            const artgen::Kinds kinds = artgen::kindsFor(game.name, complete[i]);
            const std::string file = game.name + ".png";
            if (kinds.marquee) {
                writeOnce(
                    folders[0] / file, [&] { return artgen::paintMarquee(game); }, tally);
            }
            // The cabinet's screen shows the snap, which is painted once for both.
            QImage snap;
            auto snapOnce = [&] {
                if (snap.isNull()) {
                    snap = artgen::paintSnap(game);
                }
                return snap;
            };
            if (kinds.snap) {
                writeOnce(folders[1] / file, snapOnce, tally);
            }
            if (kinds.flyer) {
                writeOnce(
                    folders[2] / file, [&] { return artgen::paintFlyer(game); }, tally);
            }
            if (kinds.cabinet) {
                writeOnce(
                    folders[3] / file, [&] { return artgen::paintCabinet(game, snapOnce()); },
                    tally);
            }
        }
    };
    const unsigned count = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < count; ++i) {
        workers.emplace_back(work);
    }
    work();
    for (std::thread& worker : workers) {
        worker.join();
    }

    if (!tally.error.empty()) {
        std::fprintf(stderr, "zembra_demo_art: %s\n", tally.error.c_str());
        return 1;
    }
    std::printf("zembra_demo_art: %zu games in %s: %d pictures written, %d kept\n", games.size(),
                options.base.c_str(), tally.written.load(), tally.kept.load());
    return 0;
}
