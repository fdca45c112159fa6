// SPDX-License-Identifier: GPL-3.0-or-later
// Looks entries up in the information files away from the window thread.
#pragma once

#include "zembra/info/InfoIndex.h"

#include <QObject>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace zembra {

/// Keeps the indexes of the information files for the program's run and answers look-ups.
/// A look-up whose file has a current index is answered at once (one `stat`, one read of the
/// entry); any other goes to a worker thread, which builds the index (reading the whole file),
/// keeps it and answers through `answered`, on the thread this object lives in. Only the newest
/// request waiting is worked on: an answer nobody waits for any more is not worked out.
/// Destroying the indexer waits for the look-up in hand, so no answer outlives it.
class InfoIndexer : public QObject {
    Q_OBJECT

public:
    InfoIndexer();
    ~InfoIndexer() override;

    InfoIndexer(const InfoIndexer&) = delete;
    InfoIndexer& operator=(const InfoIndexer&) = delete;

    /// The ticket of a request that wants no answer; look-ups use others.
    static constexpr std::uint64_t kNoTicket = 0;

    /// The text of `key`'s entry in `file` now, when the file's index is kept and current;
    /// otherwise empty, and `answered(ticket, text)` follows.
    std::optional<std::string> lookUp(const std::filesystem::path& file, const std::string& key,
                                      std::uint64_t ticket);

    /// Starts building the index of `file` on the worker when none is kept, so that a look-up
    /// soon after finds it ready or under way; nothing is answered for it.
    void prepare(const std::filesystem::path& file);

signals:
    void answered(quint64 ticket, const QString& text);

private:
    struct Request {
        std::filesystem::path file;
        std::string key;
        std::uint64_t ticket = 0;
    };

    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> waiting_;
    bool stopping_ = false;
    InfoIndexes indexes_; ///< guarded by mutex_
    std::thread worker_;  ///< last: starts once everything it uses exists
};

} // namespace zembra
