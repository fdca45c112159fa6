// SPDX-License-Identifier: GPL-3.0-or-later
// Lays out a cabinet as large as a full one, for the benchmark that runs the whole program:
// 26 paths and the extras, ROM folders to rescan, and four photo-like pictures per game.
#include "bench/PhotoLike.h"
#include "bench/SyntheticCabinet.h"
#include "common/text/ItemWriter.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QString>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace zembra::bench;

namespace {

struct Options {
    fs::path root;
    int catalogue = kFullCatalogue - 1; ///< one fewer than the limit, so the rescan saves lists
    int hits = 4000;                    ///< catalogue names in each ROM folder: each list's rows
    int files = 5000;                   ///< files in each ROM folder
    int pool = 64;                      ///< pictures drawn per kind; the games share them
};

/// The four kinds as the browser looks for them, with the size they are drawn at.
struct Kind {
    const char* folder;
    QSize size;
};
constexpr Kind kKinds[] = {{"snap", {1920, 1080}},
                           {"marquees", {1920, 1080}},
                           {"flyers", {1080, 1920}},
                           {"cabinets", {1080, 1920}}};

void writeFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) {
        throw fs::filesystem_error("cannot write", file, std::make_error_code(std::errc::io_error));
    }
}

std::string description(int index) {
    return "Real Game " + std::to_string(index + 1) + " (" + std::to_string(1980 + index % 20) +
           ")";
}

/// A short sound of silence as WAV; mpv goes by the content, so it may be named .mp3.
std::string silence(double seconds) {
    const auto data = static_cast<std::uint32_t>(seconds * 8000) * 2;
    std::string wav("RIFF____WAVEfmt \x10\0\0\0\1\0\1\0@\x1f\0\0\x80>\0\0\2\0\x10\0data____", 44);
    for (int i = 0; i < 4; ++i) {
        wav[4 + i] = static_cast<char>((36 + data) >> (8 * i));
        wav[40 + i] = static_cast<char>(data >> (8 * i));
    }
    return wav + std::string(data, '\0');
}

std::string catalogueText(int entries) {
    common::RecordWriter catalogue;
    for (int i = 0; i < entries; ++i) {
        catalogue.text(catalogueName(i)).text(description(i)).endRecord();
    }
    return catalogue.str();
}

void writeProgramFiles(const Options& o) {
    const fs::path program = o.root / "cabinet";
    const std::string root = o.root.string() + "/";
    writeFile(program / "gamelist.lst", catalogueText(o.catalogue));

    const auto folders = romFolders();
    std::string ini;
    for (int n = 1; n <= 20; ++n) {
        ini += "Path=" + root + std::string(folders[n - 1].disk) +
               "/\r\nExec=emu\r\nFullName =NO\r\nCaption =Path " + std::to_string(n) +
               "\r\nOpts=\r\nLogo  =\r\nEmuFolder=" + root + "\r\nArtworkPath=" + root + "art/\r\n";
    }
    ini += "MameDir =" + root + "\r\nImpactDir=" + root +
           "impact/\r\nImpactNT=NO\r\nModelerDir=" + root + "modeler/\r\nKI Dir=" + root +
           "ki/\r\nKI2Dir =" + root + "ki2/\r\nVPinballDir=" + root + "vp/\r\nS11Dir=" + root +
           "s11/\r\nNO\r\nS11Arg=\r\n" + "DaphDir=" + root +
           "daphne/\r\nDaphArg=\r\nScrollRate(ms)=16\r\nReserved      =0\r\n" +
           "TV Output  =NO\r\nRunW=0\r\nRunH=0\r\nExHz=0\r\nExBp=0\r\nRuHz=0\r\nRuBp=0\r\n" +
           "PowerOffOnExit=NO\r\n";
    writeFile(program / "quarn.ini", ini);

    std::string extras;
    for (int i = 1; i <= o.hits; ++i) {
        extras += "{\r\nExe=x" + std::to_string(i) + ".exe\r\nCaption=Extra " + std::to_string(i) +
                  "\r\nPath=" + root + "\r\nCmdLine=\r\n}\r\n";
    }
    writeFile(program / "extra.lst", extras);
    writeFile(program / "zbkeys.cfg", "38,40,34,33,116,9,39,37,13,27,83,77,73\r\n");
    // Snap large on the right, marquee on top, flyer and cabinet below, a text list left.
    const fs::path skin = program / "zbthemes" / "bench";
    writeFile(skin / "skin.ini",
              "1400,3900,3600,2700\r\n#TRUE#\r\n4200,5800,1700,1400\r\n#TRUE#\r\n"
              "4200,3900,1700,1400\r\n#TRUE#\r\n150,3900,3600,900\r\n#TRUE#\r\n"
              "1400,200,3500,4200\r\n1\r\n\"list\"\r\n1000,750\r\n150,200\r\n#TRUE#\r\n"
              "5500,200\r\n#TRUE#\r\n100\r\n0\r\n150,200,600,2400\r\n#TRUE#\r\n");
    writeFile(skin / "scheme.cfg", "\"DejaVu Sans\",11,3342336,16777215,255\r\n");
    for (const char* sound : {"pop.mp3", "start.mp3", "com.mp3", "end.mp3"}) {
        writeFile(skin / sound, silence(0.12));
    }
    // The benchmark writes quarn.cfg before each run (sound on or muted); this is the default.
    writeFile(program / "quarn.cfg",
              "\"\\bench\\\"\r\n120\r\n0\r\n0\r\n1\r\n#FALSE#\r\n0\r\n1\r\n0\r\n");

    // What the plain one-test-per-name program needs to scan the same folders.
    std::string probe = (program / "gamelist.lst").string() + "\n";
    for (const RomFolder& folder : folders) {
        probe += root + std::string(folder.disk) + "\n" + std::string(folder.extension) + "\n";
    }
    writeFile(o.root / "probe-folders.txt", probe);

    // The same cabinet with a catalogue at the limit: its rescan finds no end, so it scans
    // every folder and writes nothing, which times the scan without the disk's syncs.
    const fs::path full = o.root / "cabinet-full";
    writeFile(full / "gamelist.lst", catalogueText(kFullCatalogue));
    writeFile(full / "quarn.ini", ini);
    writeFile(full / "extra.lst", extras);
    writeFile(o.root / "probe-folders-full.txt",
              (full / "gamelist.lst").string() + probe.substr(probe.find('\n')));
}

void fillRomFolders(const Options& o) {
    const auto folders = romFolders();
    for (std::size_t f = 0; f < folders.size(); ++f) {
        const fs::path folder = o.root / folders[f].disk;
        fs::create_directories(folder);
        std::vector<int> order(static_cast<std::size_t>(o.catalogue));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), std::mt19937(static_cast<unsigned>(f + 1)));
        const std::string extension(folders[f].extension);
        // Both Ultra 64 folders feed one list, which takes at most 5000 hits: the second
        // folder holds only what the first leaves room for (the rest of its files unlisted).
        const int hits = std::string_view(folders[f].disk) == "ki2/roms"
                             ? std::min(o.hits, kFullCatalogue - o.hits)
                             : o.hits;
        int made = 0;
        for (; made < std::min(hits, o.catalogue); ++made) {
            std::ofstream(folder / (catalogueName(order[made]) + extension));
        }
        for (int i = 0; made < o.files; ++i, ++made) {
            std::ofstream(folder / ("unlisted" + std::to_string(i) + extension));
        }
    }
}

/// Draws the pool once, then gives every catalogue game a hard link to one of its pictures.
void makeArtwork(const Options& o) {
    const fs::path pool = o.root / "pool";
    std::vector<std::pair<int, int>> todo;
    for (int k = 0; k < 4; ++k) {
        fs::create_directories(pool / kKinds[k].folder);
        fs::create_directories(o.root / "art" / kKinds[k].folder);
        for (int p = 0; p < o.pool; ++p) {
            todo.emplace_back(k, p);
        }
    }
    std::atomic<std::size_t> next{0};
    auto draw = [&] {
        for (std::size_t i = next++; i < todo.size(); i = next++) {
            const auto [k, p] = todo[i];
            const fs::path file = pool / kKinds[k].folder / (std::to_string(p) + ".png");
            if (fs::exists(file)) {
                continue;
            }
            const fs::path part = file.string() + ".part";
            QImageWriter writer(QString::fromStdString(part.string()), "png");
            if (!writer.write(photoLike(kKinds[k].size, k * 1000 + p))) {
                std::cerr << "cannot write " << part << "\n";
                std::exit(1);
            }
            fs::rename(part, file);
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t) {
        workers.emplace_back(draw);
    }
    for (auto& worker : workers) {
        worker.join();
    }
    for (int i = 0; i < o.catalogue; ++i) {
        for (int k = 0; k < 4; ++k) {
            const fs::path link = o.root / "art" / kKinds[k].folder / (catalogueName(i) + ".png");
            std::error_code ignored;
            fs::remove(link, ignored);
            fs::create_hard_link(
                pool / kKinds[k].folder / (std::to_string((i * 7 + k) % o.pool) + ".png"), link);
        }
    }
}

int usage() {
    std::cerr << "usage: zembra_real_cabinet FOLDER [--catalogue N] [--hits N] [--files N] "
                 "[--pool N]\n"
                 "Lays out a cabinet in FOLDER (program folder FOLDER/cabinet).\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Only to save PNG files; no window is opened.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    if (argc < 2) {
        return usage();
    }
    Options o;
    o.root = fs::absolute(argv[1]);
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0) {
            return usage();
        }
        if (option == "--catalogue") {
            o.catalogue = std::min(value, kFullCatalogue);
        } else if (option == "--hits") {
            o.hits = value;
        } else if (option == "--files") {
            o.files = value;
        } else if (option == "--pool") {
            o.pool = value;
        } else {
            return usage();
        }
    }
    if (argc % 2 != 0) {
        return usage();
    }
    try {
        writeProgramFiles(o);
        if (!fs::exists(o.root / "roms-ready")) {
            fillRomFolders(o);
            writeFile(o.root / "roms-ready", "");
        }
        makeArtwork(o);
    } catch (const std::exception& error) {
        std::cerr << "zembra_real_cabinet: " << error.what() << "\n";
        return 1;
    }
    std::cout << o.root.string() << "/cabinet\n";
    return 0;
}
