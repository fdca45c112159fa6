// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the ID3v1 tag and lays the song's title out for the labels.
#include "zembra/attract/SongTag.h"

#include "common/os/FileSystem.h"
#include "common/text/NativePath.h"
#include "common/text/TextFile.h"

namespace zembra {

namespace {

constexpr std::size_t kFieldSize = 30;

// One fixed-width field: cut at the first NUL (taggers pad with NULs, some leave older text
// after one), blanks removed from both ends, then decoded.
std::string field(std::string_view raw) {
    raw = raw.substr(0, raw.find('\0'));
    const auto first = raw.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = raw.find_last_not_of(' ');
    return common::decodeText(raw.substr(first, last - first + 1));
}

// The name shown for a song without a tag: its full path as this system writes it.
std::string shownName(std::string_view programPath) {
    return common::nativePathText(programPath);
}

} // namespace

std::optional<SongTag> parseId3v1(std::string_view tail) {
    if (tail.size() < kId3v1Size) {
        return std::nullopt;
    }
    tail = tail.substr(tail.size() - kId3v1Size);
    if (tail.substr(0, 3) != "TAG") {
        return std::nullopt;
    }
    SongTag tag;
    tag.title = field(tail.substr(3, kFieldSize));
    tag.artist = field(tail.substr(3 + kFieldSize, kFieldSize));
    tag.album = field(tail.substr(3 + 2 * kFieldSize, kFieldSize));
    return tag;
}

std::optional<SongTag> readId3v1(const std::string& programPath) {
    // Non-blocking: a FIFO named in the playlist must not hang the reader.
    common::ReadFile file(common::nativePath(programPath), true);
    if (!file.isOpen()) {
        return std::nullopt;
    }
    const common::FileStatus status = file.status();
    if (status.kind != common::FileKind::File || status.size < kId3v1Size) {
        return std::nullopt;
    }
    char bytes[kId3v1Size];
    if (file.readAt(bytes, kId3v1Size, status.size - kId3v1Size) != kId3v1Size) {
        return std::nullopt;
    }
    return parseId3v1(std::string_view(bytes, kId3v1Size));
}

std::array<std::string, 3> keyboardLabels(const std::optional<SongTag>& tag,
                                          std::string_view programPath) {
    if (!tag) {
        return {shownName(programPath), std::string(), std::string()};
    }
    return {tag->title, tag->artist, tag->album};
}

std::string joystickLabel(const std::optional<SongTag>& tag, std::string_view programPath) {
    if (!tag) {
        return shownName(programPath);
    }
    return tag->title + "\r\n" + tag->artist + "\r\n" + tag->album;
}

} // namespace zembra
