// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/InfoIndexer.h"

#include "zembra/info/InfoLookup.h"

#include <iostream>

namespace zembra {

InfoIndexer::InfoIndexer() : worker_([this] { work(); }) {}

InfoIndexer::~InfoIndexer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_one();
    worker_.join();
}

std::optional<std::string> InfoIndexer::lookUp(const std::filesystem::path& file,
                                               const std::string& key, std::uint64_t ticket) {
    std::shared_ptr<const InfoIndex> index;
    {
        const std::lock_guard lock(mutex_);
        index = indexes_.usable(file);
        if (!index) {
            waiting_ = Request{file, key, ticket};
        }
    }
    if (index) {
        return index->entryText(key);
    }
    wake_.notify_one();
    return std::nullopt;
}

void InfoIndexer::prepare(const std::filesystem::path& file) {
    {
        const std::lock_guard lock(mutex_);
        if (waiting_ || indexes_.usable(file)) {
            return;
        }
        waiting_ = Request{file, std::string(), kNoTicket};
    }
    wake_.notify_one();
}

void InfoIndexer::work() {
    for (;;) {
        Request request;
        std::shared_ptr<const InfoIndex> index;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
            if (stopping_) {
                return;
            }
            request = std::move(*waiting_);
            waiting_.reset();
            // An earlier request may have built it meanwhile.
            index = indexes_.usable(request.file);
        }
        if (!index) {
            std::string error;
            if (auto built = InfoIndex::build(request.file, &error)) {
                index = std::make_shared<const InfoIndex>(std::move(*built));
                const std::lock_guard lock(mutex_);
                indexes_.store(index);
            } else if (error != "is missing") {
                std::cerr << "zembra: the information file " << request.file.string() << ' '
                          << error << std::endl;
            }
        }
        if (request.ticket == kNoTicket) {
            continue;
        }
        const std::string text = index ? index->entryText(request.key) : std::string(kNoEntry);
        emit answered(request.ticket, QString::fromStdString(text));
    }
}

} // namespace zembra
