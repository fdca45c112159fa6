// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/InfoIndex.h"

#include "common/os/FileSystem.h"
#include "common/text/ItemReader.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"
#include "zembra/info/InfoLookup.h"

#include <algorithm>
#include <cstring>

namespace zembra {
namespace {

// Reading a file in pieces this large keeps the build's memory small whatever the file's size.
constexpr std::size_t kChunkBytes = 1 << 20;

// A line this long is no part of an information file (a wrong file, perhaps): it is passed over
// rather than gathered in memory.
constexpr std::size_t kMaxLineBytes = 4 << 20;

// No entry of these files comes near this; a file whose last entry never ends is not read whole
// into the window's label.
constexpr std::uint64_t kMaxEntryBytes = 1 << 20;

void setError(std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}

std::string systemReason(const char* what, const common::ReadFile& file) {
    return std::string(what) + " (" + file.reason() + ")";
}

} // namespace

std::optional<FileStamp> fileStamp(const std::filesystem::path& file) {
    const common::FileStatus status = common::fileStatus(file);
    if (status.kind != common::FileKind::File) {
        return std::nullopt;
    }
    return FileStamp{status.size, status.modifiedNs};
}

/// Takes the file line by line and keeps the names of the "$" lines and the ends of the
/// "$end" lines.
class InfoIndex::Builder {
public:
    explicit Builder(InfoIndex& index) : index_(index) {}

    void line(std::string_view text, std::uint64_t next) {
        const std::string_view content = common::trimView(text);
        if (!content.starts_with('$')) {
            return;
        }
        if (content.starts_with("$end")) {
            index_.ends_.push_back(next);
            return;
        }
        common::ItemReader reader(content);
        while (auto item = reader.next()) {
            addName(*item);
            if (item->size() > 6) {
                addName(common::trimView(std::string_view(*item).substr(6)));
            }
        }
    }

    // Splits `bytes` (starting at file offset `offset`) into lines: CR LF, LF and a lone CR
    // each end one. Returns how many bytes were used; a line not yet ended is left for the next
    // call unless `last`.
    std::size_t lines(std::string_view bytes, std::uint64_t offset, bool last) {
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            const char* base = bytes.data();
            const auto* newline =
                static_cast<const char*>(std::memchr(base + pos, '\n', bytes.size() - pos));
            const std::size_t limit =
                newline != nullptr ? static_cast<std::size_t>(newline - base) : bytes.size();
            const auto* cr = static_cast<const char*>(std::memchr(base + pos, '\r', limit - pos));
            std::size_t lineEnd = 0;
            std::size_t next = 0;
            if (cr != nullptr) {
                lineEnd = static_cast<std::size_t>(cr - base);
                if (lineEnd + 1 < bytes.size()) {
                    next = bytes[lineEnd + 1] == '\n' ? lineEnd + 2 : lineEnd + 1;
                } else if (!last) {
                    break; // a CR at the end of the piece may be half of a CR LF
                } else {
                    next = lineEnd + 1;
                }
            } else if (newline != nullptr) {
                lineEnd = limit;
                next = limit + 1;
            } else if (last) {
                lineEnd = next = bytes.size();
            } else {
                break;
            }
            lineStart_ = offset + pos;
            line(bytes.substr(pos, lineEnd - pos), offset + next);
            pos = next;
        }
        return pos;
    }

private:
    void addName(std::string_view name) {
        if (!name.empty()) {
            index_.starts_.try_emplace(common::decodeText(name), lineStart_);
        }
    }

    InfoIndex& index_;
    std::uint64_t lineStart_ = 0;
};

InfoIndex InfoIndex::fromBytes(std::string_view bytes) {
    InfoIndex index;
    index.size_ = bytes.size();
    Builder(index).lines(bytes, 0, true);
    return index;
}

std::optional<InfoIndex> InfoIndex::build(const std::filesystem::path& file, std::string* error) {
    common::ReadFile reader(file);
    if (!reader.isOpen()) {
        setError(error, reader.missing() ? std::string("is missing")
                                         : systemReason("cannot be opened", reader));
        return std::nullopt;
    }
    const common::FileStatus status = reader.status();
    if (status.kind == common::FileKind::Unreachable) {
        setError(error, "cannot be reached (" + status.reason + ")");
        return std::nullopt;
    }
    if (status.kind != common::FileKind::File) {
        setError(error, status.kind == common::FileKind::Folder ? "is a folder, not a file"
                                                                : "is not a regular file");
        return std::nullopt;
    }

    InfoIndex index;
    index.file_ = file;
    index.stamp_ = FileStamp{status.size, status.modifiedNs};
    Builder builder(index);
    std::string pending; // the start of a line whose end is in the next piece
    std::uint64_t pendingStart = 0;
    bool skipping = false; // inside an overlong line, until its end
    std::string piece(kChunkBytes, '\0');
    for (;;) {
        const auto got = reader.read(piece.data(), piece.size());
        if (!got) {
            setError(error, systemReason("cannot be read", reader));
            return std::nullopt;
        }
        const bool last = *got == 0;
        pending.append(piece.data(), *got);
        if (skipping) {
            const std::size_t lineEnd = pending.find_first_of("\r\n");
            const std::size_t dropped = lineEnd == std::string::npos ? pending.size() : lineEnd + 1;
            pending.erase(0, dropped);
            pendingStart += dropped;
            skipping = lineEnd == std::string::npos;
        }
        const std::size_t pos = builder.lines(pending, pendingStart, last);
        pending.erase(0, pos);
        pendingStart += pos;
        if (last) {
            break;
        }
        if (pending.size() > kMaxLineBytes) {
            pendingStart += pending.size();
            pending.clear();
            skipping = true;
        }
    }
    index.size_ = pendingStart + pending.size();
    return index;
}

bool InfoIndex::isCurrent() const {
    const auto now = fileStamp(file_);
    return now && *now == stamp_;
}

std::optional<EntrySpan> InfoIndex::find(std::string_view key) const {
    const auto found = key.empty() ? starts_.end() : starts_.find(std::string(key));
    if (found == starts_.end()) {
        return std::nullopt;
    }
    const std::uint64_t begin = found->second;
    const auto end = std::upper_bound(ends_.begin(), ends_.end(), begin);
    return EntrySpan{begin, end == ends_.end() ? size_ : *end};
}

std::string InfoIndex::entryText(std::string_view key) const {
    const auto span = find(key);
    if (!span) {
        return std::string(kNoEntry);
    }
    common::ReadFile reader(file_);
    if (!reader.isOpen()) {
        return std::string(kNoEntry);
    }
    std::string bytes(static_cast<std::size_t>(std::min(span->end - span->begin, kMaxEntryBytes)),
                      '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const auto got =
            reader.readAt(bytes.data() + filled, bytes.size() - filled, span->begin + filled);
        if (!got || *got == 0) {
            break; // a file cut short since: show what is there
        }
        filled += *got;
    }
    bytes.resize(filled);
    auto text = lookUpEntry(common::decodeText(bytes), key);
    return text ? *text : std::string(kNoEntry);
}

std::shared_ptr<const InfoIndex> InfoIndexes::usable(const std::filesystem::path& file) const {
    for (const auto& index : kept_) {
        if (index->file() == file && index->isCurrent()) {
            return index;
        }
    }
    return nullptr;
}

void InfoIndexes::store(std::shared_ptr<const InfoIndex> index) {
    std::erase_if(kept_, [&](const auto& kept) { return kept->file() == index->file(); });
    kept_.push_back(std::move(index));
}

} // namespace zembra
