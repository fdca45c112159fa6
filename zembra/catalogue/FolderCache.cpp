// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/FolderCache.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace zembra {
namespace {

// The file: a header (magic, version, body length, checksum of the body: NameSet::hashOf, whose
// every step is one-to-one, so no single damaged word of the body goes unseen), then for each
// folder its path, identity and stamps, whether it ignores case, its files, the table of their name
// set (NameSet::saveSlots: a scan does not hash them again) and its followed names. Numbers are
// little-endian; names end with a NUL, which no file name holds. The tables depend on
// NameSet::hashOf: a new hash needs a new version.
constexpr char kMagic[8] = {'Z', 'M', 'B', 'F', 'O', 'L', 'D', '\n'};
constexpr std::uint32_t kVersion = 3;
constexpr std::size_t kHeaderBytes = 8 + 4 + 4 + 8 + 8;

void putNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void putNames(std::string& out, std::string_view packed) {
    putNumber(out, packed.size(), 4);
    out += packed;
}

/// Reads the body, refusing anything that runs past its end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool number(std::uint64_t& value, int bytes) {
        if (bytes_.size() < static_cast<std::size_t>(bytes)) {
            return false;
        }
        value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[i])) << (8 * i);
        }
        bytes_.remove_prefix(static_cast<std::size_t>(bytes));
        return true;
    }
    bool name(std::string_view& value) {
        const std::size_t end = bytes_.find('\0');
        if (end == std::string_view::npos) {
            return false;
        }
        value = bytes_.substr(0, end);
        bytes_.remove_prefix(end + 1);
        return true;
    }
    /// Names one after another, each ending in a NUL, as one block.
    bool names(std::string& packed) {
        std::uint64_t size = 0;
        if (!number(size, 4) || size > bytes_.size() || (size > 0 && bytes_[size - 1] != '\0')) {
            return false;
        }
        packed.assign(bytes_.substr(0, size));
        bytes_.remove_prefix(size);
        return true;
    }
    /// Bytes of any kind, as a view into the body.
    bool block(std::string_view& value) {
        std::uint64_t size = 0;
        if (!number(size, 4) || size > bytes_.size()) {
            return false;
        }
        value = bytes_.substr(0, size);
        bytes_.remove_prefix(size);
        return true;
    }
    bool atEnd() const { return bytes_.empty(); }

private:
    std::string_view bytes_;
};

bool sameStamp(const common::FolderStamp& a, const common::FolderStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.modifiedNs == b.modifiedNs &&
           a.changedNs == b.changedNs;
}

std::string joined(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

} // namespace

std::optional<common::FolderStamp> DiskFolderStamps::stamp(const std::string& nativeFolder) {
    return common::folderStamp(nativeFolder);
}

std::int64_t DiskFolderStamps::nowNs() {
    return common::wallClockNs();
}

bool DiskFolderStamps::isFile(const std::string& nativePath) {
    return common::fileStatus(nativePath).kind == common::FileKind::File;
}

FolderCache::FolderCache(FolderLister& lister, FolderStamps& stamps)
    : lister_(lister), stamps_(stamps) {}

void FolderCache::load(std::string owned) {
    const auto saved = std::make_shared<const std::string>(std::move(owned));
    const std::string_view bytes = *saved;
    Entries loaded;
    if (bytes.size() < kHeaderBytes || bytes.size() > kMaxBytes ||
        std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        return;
    }
    Reader header(bytes.substr(sizeof kMagic, kHeaderBytes - sizeof kMagic));
    std::uint64_t version = 0;
    std::uint64_t folders = 0;
    std::uint64_t length = 0;
    std::uint64_t sum = 0;
    header.number(version, 4);
    header.number(folders, 4);
    header.number(length, 8);
    header.number(sum, 8);
    const std::string_view body = bytes.substr(kHeaderBytes);
    if (version != kVersion || length != body.size() || sum != NameSet::hashOf(body)) {
        return;
    }
    Reader reader(body);
    for (std::uint64_t i = 0; i < folders; ++i) {
        std::string_view path;
        auto entry = std::make_shared<Entry>();
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::uint64_t modified = 0;
        std::uint64_t changed = 0;
        std::uint64_t caseInsensitive = 0;
        std::string_view files;
        std::string_view slots;
        if (!reader.name(path) || !reader.number(device, 8) || !reader.number(inode, 8) ||
            !reader.number(modified, 8) || !reader.number(changed, 8) ||
            !reader.number(caseInsensitive, 1) || !reader.block(files) || !reader.block(slots) ||
            !reader.names(entry->followed)) {
            return;
        }
        std::optional<NameSet> set = NameSet::fromSaved(saved, files, slots);
        if (!set) {
            return;
        }
        entry->files = std::make_shared<const NameSet>(std::move(*set));
        entry->stamp.device = device;
        entry->stamp.inode = inode;
        entry->stamp.modifiedNs = static_cast<std::int64_t>(modified);
        entry->stamp.changedNs = static_cast<std::int64_t>(changed);
        entry->stamp.reliable = true;
        entry->caseInsensitive = caseInsensitive != 0;
        loaded.insert_or_assign(std::string(path), std::move(entry));
    }
    if (!reader.atEnd()) {
        return;
    }
    const std::lock_guard lock(mutex_);
    loaded_ = std::move(loaded);
}

FolderContents FolderCache::list(const std::string& nativeFolder) {
    // The clock before the stamps, and the stamps before the listing: a change made after the
    // stamps were taken is then either in the listing or in a later stamp.
    const std::int64_t now = stamps_.nowNs();
    const std::optional<common::FolderStamp> stamp = stamps_.stamp(nativeFolder);
    const bool cacheable = stamp && stamp->reliable;
    if (cacheable) {
        std::unique_lock lock(mutex_);
        const auto found = loaded_.find(nativeFolder);
        if (found != loaded_.end() && sameStamp(found->second->stamp, *stamp)) {
            const std::shared_ptr<const Entry> entry = found->second;
            kept_.insert_or_assign(nativeFolder, entry);
            ++reused_;
            lock.unlock();
            FolderContents contents;
            contents.caseInsensitive = entry->caseInsensitive;
            contents.fileSet = entry->files;
            for (std::string_view rest = entry->followed; !rest.empty();) {
                const std::size_t end = rest.find('\0');
                contents.followed.emplace_back(rest.substr(0, end));
                rest.remove_prefix(end + 1);
            }
            for (const std::string& name : contents.followed) {
                if (stamps_.isFile(joined(nativeFolder, name))) {
                    contents.files.push_back(name);
                }
            }
            return contents;
        }
    }
    FolderContents contents = lister_.list(nativeFolder);
    // Kept only when its stamps were already old as it was taken (a change within the same
    // tick of a coarse clock would leave them as they are), and when the path still names the
    // folder stamped: a link re-pointed meanwhile gave another folder's names.
    bool trusted = cacheable && !contents.problem && nativeFolder.find('\0') == std::string::npos &&
                   std::max(stamp->modifiedNs, stamp->changedNs) <= now - kStampTrustNs;
    if (trusted) {
        const std::optional<common::FolderStamp> after = stamps_.stamp(nativeFolder);
        trusted = after && sameStamp(*after, *stamp);
    }
    const std::lock_guard lock(mutex_);
    if (!trusted) {
        dirty_ = dirty_ || loaded_.count(nativeFolder) > 0;
        kept_.erase(nativeFolder);
        return contents;
    }
    auto entry = std::make_shared<Entry>();
    entry->stamp = *stamp;
    entry->caseInsensitive = contents.caseInsensitive;
    const std::set<std::string_view> followed(contents.followed.begin(), contents.followed.end());
    for (const std::string& name : contents.followed) {
        entry->followed += name;
        entry->followed.push_back('\0');
    }
    // The set is built once, for the probe and for saving; the names followed stay apart, as
    // they are looked at again next time.
    auto files = std::make_shared<NameSet>();
    const NameSet* given = contents.fileSet.get();
    files->reserve(contents.files.size() + (given != nullptr ? given->size() : 0),
                   given != nullptr ? given->packed().size() : 0);
    std::vector<std::string> others;
    for (std::string& name : contents.files) {
        if (followed.count(name) == 0) {
            files->insert(name);
        } else {
            others.push_back(std::move(name));
        }
    }
    if (given != nullptr) {
        // A lister hands a set only for regular files it did not follow.
        files->insertPacked(given->packed());
    }
    contents.files = std::move(others);
    contents.fileSet = files;
    entry->files = std::move(files);
    kept_.insert_or_assign(nativeFolder, std::move(entry));
    dirty_ = true;
    return contents;
}

bool FolderCache::changed() const {
    const std::lock_guard lock(mutex_);
    // Without a new listing, what is kept is a part of what was loaded.
    return dirty_ || kept_.size() != loaded_.size();
}

int FolderCache::reused() const {
    const std::lock_guard lock(mutex_);
    return reused_;
}

std::string FolderCache::save() const {
    const std::lock_guard lock(mutex_);
    std::string body;
    for (const auto& [path, entry] : kept_) {
        body += path;
        body.push_back('\0');
        putNumber(body, entry->stamp.device, 8);
        putNumber(body, entry->stamp.inode, 8);
        putNumber(body, static_cast<std::uint64_t>(entry->stamp.modifiedNs), 8);
        putNumber(body, static_cast<std::uint64_t>(entry->stamp.changedNs), 8);
        putNumber(body, entry->caseInsensitive ? 1 : 0, 1);
        putNames(body, entry->files->packed());
        const std::size_t sizeAt = body.size();
        putNumber(body, 0, 4);
        entry->files->saveSlots(body);
        const std::size_t slotBytes = body.size() - sizeAt - 4;
        for (int i = 0; i < 4; ++i) {
            body[sizeAt + i] = static_cast<char>((slotBytes >> (8 * i)) & 0xFF);
        }
        putNames(body, entry->followed);
    }
    std::string bytes(kMagic, sizeof kMagic);
    putNumber(bytes, kVersion, 4);
    putNumber(bytes, kept_.size(), 4);
    putNumber(bytes, body.size(), 8);
    putNumber(bytes, NameSet::hashOf(body), 8);
    bytes += body; // a few megabytes: appended, not copied into a third string
    return bytes;
}

} // namespace zembra
