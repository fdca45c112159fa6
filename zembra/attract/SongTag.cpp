// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the ID3v1 tag and lays the song's title out for the labels.
#include "zembra/attract/SongTag.h"

#include "common/text/NativePath.h"
#include "common/text/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const std::string native = common::nativePath(programPath).string();
    // O_NONBLOCK: a FIFO named in the playlist must not hang the reader.
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<SongTag> tag;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_size >= static_cast<off_t>(kId3v1Size)) {
        char bytes[kId3v1Size];
        const off_t at = info.st_size - static_cast<off_t>(kId3v1Size);
        if (::pread(fd, bytes, kId3v1Size, at) == static_cast<ssize_t>(kId3v1Size)) {
            tag = parseId3v1(std::string_view(bytes, kId3v1Size));
        }
    }
    ::close(fd);
    return tag;
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
