// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the catalogue and the set name lists, and the per-name choices.
#include "GameNames.h"

#include <fstream>
#include <set>
#include <sstream>

namespace artgen {
namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string_view unquote(std::string_view text) {
    text = trim(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

/// Calls `line` for every line of `text`, CR dropped.
template <typename F>
void forEachLine(std::string_view text, F line) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        line(trim(text.substr(0, end)));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
}

} // namespace

std::map<std::string, std::string> readCatalogue(std::string_view text) {
    std::map<std::string, std::string> titles;
    forEachLine(text, [&](std::string_view line) {
        const auto comma = line.find(',');
        if (comma == std::string_view::npos) {
            return;
        }
        const std::string_view name = unquote(line.substr(0, comma));
        const std::string_view title = unquote(line.substr(comma + 1));
        if (!name.empty() && !title.empty()) {
            titles.emplace(std::string(name), std::string(title));
        }
    });
    return titles;
}

std::vector<std::string> catalogueNames(std::string_view text) {
    std::vector<std::string> names;
    forEachLine(text, [&](std::string_view line) {
        const auto comma = line.find(',');
        if (comma == std::string_view::npos) {
            return;
        }
        const std::string_view name = unquote(line.substr(0, comma));
        if (!name.empty() && !unquote(line.substr(comma + 1)).empty()) {
            names.emplace_back(name);
        }
    });
    return names;
}

std::vector<std::string> readSetNames(std::string_view text) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    forEachLine(text, [&](std::string_view line) {
        if (line.empty() || line.find_first_of("/\\") != std::string_view::npos) {
            return;
        }
        const auto dot = line.rfind('.');
        if (dot != std::string_view::npos && dot > 0) {
            line = line.substr(0, dot);
        }
        std::string name(line);
        if (seen.insert(name).second) {
            names.push_back(std::move(name));
        }
    });
    return names;
}

std::uint32_t nameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

Game makeGame(const std::string& name, const std::string& fullTitle) {
    Game game;
    game.name = name;
    game.hash = nameHash(name);
    const auto open = fullTitle.find(" (");
    game.title = std::string(trim(std::string_view(fullTitle).substr(0, open)));
    if (game.title.empty()) {
        game.title = name;
    }
    // "(World) (Sega 1992)" becomes "World - Sega 1992".
    std::string_view rest =
        open == std::string::npos ? std::string_view() : std::string_view(fullTitle).substr(open);
    while (!rest.empty()) {
        const auto start = rest.find('(');
        const auto end = rest.find(')', start == std::string_view::npos ? 0 : start);
        if (start == std::string_view::npos || end == std::string_view::npos) {
            break;
        }
        const std::string_view part = trim(rest.substr(start + 1, end - start - 1));
        if (!part.empty()) {
            if (!game.subtitle.empty()) {
                game.subtitle += " - ";
            }
            game.subtitle += part;
        }
        rest.remove_prefix(end + 1);
    }
    return game;
}

Kinds kindsFor(std::string_view name, bool complete) {
    Kinds kinds;
    if (complete) {
        return kinds;
    }
    // Mixed again so that the choice does not follow the colours, which use the plain hash.
    std::uint32_t h = nameHash(name) ^ 0x9e3779b9u;
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    if (h % 9 == 0) {
        return {false, false, false, false};
    }
    kinds.flyer = (h / 9) % 3 != 0;
    kinds.cabinet = (h / 27) % 4 != 0;
    kinds.marquee = (h / 108) % 8 != 0;
    return kinds;
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return text.str();
}

} // namespace artgen
