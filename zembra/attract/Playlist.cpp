// SPDX-License-Identifier: GPL-3.0-or-later
// Reads default.m3u field by field and keeps the songs that exist.
#include "zembra/attract/Playlist.h"

#include "common/text/ItemReader.h"
#include "common/text/NativePath.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"
#include "zembra/catalogue/FileProbe.h"

namespace zembra {

namespace {

// A field that already says where it is: a Linux or a backslash root ("/music/a.mp3",
// "\music\a.mp3") or a drive ("D:\music\a.mp3", which names nothing here and is then passed
// over as missing rather than looked for under the program folder).
bool isAbsolute(std::string_view field) {
    if (field.front() == '/' || field.front() == '\\') {
        return true;
    }
    return field.size() >= 2 && field[1] == ':';
}

std::string resolve(std::string_view field, std::string_view programFolder) {
    if (isAbsolute(field)) {
        return std::string(field);
    }
    std::string path(programFolder);
    path += '\\';
    path += field;
    return path;
}

// Reads one line's fields into the list; false once the list is full.
bool readLine(std::string_view line, std::string_view programFolder, FileProbe& probe,
              Playlist& list) {
    common::ItemReader items(line);
    while (auto item = items.next()) {
        // Blanks around a name are the editor's, not the file's.
        const std::string_view field = common::trimView(*item);
        if (field.empty()) {
            continue;
        }
        const std::string path = resolve(field, programFolder);
        if (!CheckMp3(probe, path)) {
            continue;
        }
        list.songs.push_back(path);
        if (list.songCount() >= kMaxSongs) {
            return false;
        }
    }
    return true;
}

} // namespace

const std::string& Playlist::entry(int n) const {
    static const std::string none;
    if (n < 1 || n > songCount()) {
        return none;
    }
    return songs[static_cast<std::size_t>(n - 1)];
}

bool CheckMp3(FileProbe& probe, std::string_view path) {
    return !path.empty() && probe.isFile(path);
}

Playlist readPlaylist(std::string_view text, std::string_view programFolder, FileProbe& probe) {
    Playlist list;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(at, end - at);
        at = end;
        if (at < text.size() && text[at] == '\r') {
            ++at;
        }
        if (at < text.size() && text[at] == '\n') {
            ++at;
        }
        const std::string_view start = common::trimView(line);
        if (start.empty() || start.front() == '#') {
            continue;
        }
        if (!readLine(line, programFolder, probe, list)) {
            break;
        }
    }
    return list;
}

Playlist setarray(const std::string& programFolder, FileProbe& probe) {
    const auto text = common::loadTextFile(common::nativePath(programFolder + "\\default.m3u"));
    if (!text) {
        return {};
    }
    return readPlaylist(*text, programFolder, probe);
}

} // namespace zembra
