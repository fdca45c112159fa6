// SPDX-License-Identifier: GPL-3.0-or-later
// Where each game's entry lies in a large information file, so showing one reads only it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zembra {

/// The size and modification time a file had when it was indexed; an index is only used
/// while the file still has both.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

/// Empty when the file cannot be reached or is not a regular file.
std::optional<FileStamp> fileStamp(const std::filesystem::path& file);

/// The byte range of one entry: from the start of the line that names the game to the end of
/// the next line starting with "$end" (or the end of the file).
struct EntrySpan {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

/// The names of an information file and where their entries start. Entries are found by the
/// names on their "$" lines ("$info=pacman,puckman,"); a name given to several entries finds
/// the first. Built once by build(), which reads the whole file and may take a while, so the
/// window runs it away from its own thread; look-ups are then cheap and read only one entry.
/// An index is immutable once built and may be shared between threads.
class InfoIndex {
public:
    /// Reads `file` and indexes it. Empty, with the reason in `error` (words following the
    /// file's name), when the file cannot be read.
    static std::optional<InfoIndex> build(const std::filesystem::path& file,
                                          std::string* error = nullptr);

    /// Indexes bytes already in memory (the file's stamp is left empty).
    static InfoIndex fromBytes(std::string_view bytes);

    const std::filesystem::path& file() const { return file_; }
    const FileStamp& stamp() const { return stamp_; }
    std::size_t nameCount() const { return starts_.size(); }

    /// True while the file on disk still has the size and modification time it was indexed
    /// with.
    bool isCurrent() const;

    /// Where the entry of `key` lies; empty when no entry has that name.
    std::optional<EntrySpan> find(std::string_view key) const;

    /// The text the window shows for `key`: the entry read from the file by its offsets, or
    /// the no-entry text when there is none or the file cannot be read.
    std::string entryText(std::string_view key) const;

private:
    class Builder;

    std::filesystem::path file_;
    FileStamp stamp_;
    std::uint64_t size_ = 0;
    std::unordered_map<std::string, std::uint64_t> starts_; ///< name to its line's offset
    std::vector<std::uint64_t> ends_; ///< ascending: the offset after each "$end" line
};

/// The indexes of the information files in use, kept between openings of the window. A kept
/// index is handed out only while its file is unchanged; otherwise the window builds a new
/// one and stores it.
class InfoIndexes {
public:
    /// The index of `file` when one is kept and the file has not changed since.
    std::shared_ptr<const InfoIndex> usable(const std::filesystem::path& file) const;
    void store(std::shared_ptr<const InfoIndex> index);

private:
    std::vector<std::shared_ptr<const InfoIndex>> kept_;
};

} // namespace zembra
