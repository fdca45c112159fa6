// SPDX-License-Identifier: GPL-3.0-or-later
// Worker threads that decode pictures at display size, and the byte-bounded cache they fill.
#include "common/picture/PictureLoader.h"

#include "common/picture/PictureElement.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageIOHandler>
#include <QImageReader>
#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <list>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <mutex>
#include <thread>

namespace common {

namespace {

constexpr int kWorkerCount = 2;
constexpr int kBusyWorkerCount = 1;
// Far beyond any artwork; a larger file is not a picture worth holding in memory.
constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;
// A decode that holds less than this besides its result is not worth making room for.
constexpr qsizetype kCountedDecodeBytes = 1024 * 1024;
// Blocks from this size up are mapped on their own (see the constructor).
constexpr int kOwnMappingBytes = 256 * 1024;

struct Key {
    QString file;
    QSize size;
    bool operator==(const Key& other) const = default;
};

size_t qHash(const Key& key, size_t seed = 0) {
    return qHashMulti(seed, key.file, key.size.width(), key.size.height());
}

/// An element waiting for a picture; the ticket tells whether it still wants this one.
struct Waiter {
    PictureElement* element;
    quint64 ticket;
};

using Waiters = std::vector<Waiter>;

/// Removes `element` from `waiters`; true when someone is left.
bool dropWaiter(Waiters& waiters, const PictureElement* element) {
    std::erase_if(waiters, [element](const Waiter& w) { return w.element == element; });
    return !waiters.empty();
}

/// The size `source` takes inside `target` with its aspect kept, never below one pixel.
QSize fitInside(QSize source, QSize target) {
    QSize fitted = source.scaled(target, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

/// One picture on its way from the file to the size it is shown at. Opening reads the file and
/// its header, which tells how much memory the decode will hold; decoding then never keeps the
/// full-size picture: readers that can scale while decoding (JPEG) never build it, the others
/// (PNG, GIF) build it, scale it, and let it go before the result is kept.
class Decode {
public:
    Decode(const QString& file, QSize target) {
        // The bytes are read first: Qt holds one lock for all readers while it picks a
        // format, so a slow disk read inside it would stall every other worker's decode.
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxFileBytes)
            return;
        bytes_ = in.readAll();
        in.close();
        buffer_.setBuffer(&bytes_);
        buffer_.open(QIODevice::ReadOnly);
        reader_.setDevice(&buffer_);
        reader_.setAutoTransform(true);
        QSize source = reader_.size();
        if (!source.isValid() || source.isEmpty())
            return;
        // A rotated photo is turned after decoding, so its scaled size is asked for unturned.
        const bool turned =
            reader_.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        if (turned)
            source.transpose();
        fitted_ = fitInside(source, target);
        if (turned)
            fitted_.transpose();
        const qsizetype result = qsizetype(fitted_.width()) * fitted_.height() * 4;
        // JPEG decodes at the nearest eighth above the size asked for, at most twice as wide
        // and high; the others decode the whole picture before it is scaled.
        const qsizetype decoded = reader_.format() == "jpeg"
                                      ? 4 * result
                                      : qsizetype(source.width()) * source.height() * 4;
        holds_ = bytes_.size() + decoded;
        // Small pictures come and go within the allocator's own slack.
        if (holds_ < kCountedDecodeBytes)
            holds_ = 0;
    }

    /// The bytes this decode holds for a while besides its result; 0 when the file is no
    /// picture or the amount is too small to matter.
    qsizetype holds() const { return holds_; }

    QImage run() {
        if (fitted_.isEmpty())
            return {};
        reader_.setScaledSize(fitted_);
        QImage image;
        const bool read = reader_.read(&image);
        // The file's bytes go before the conversion below needs memory of its own.
        buffer_.close();
        bytes_ = QByteArray();
        if (!read || image.isNull())
            return {};
        // Premultiplied 32-bit pictures are drawn by the raster engine without conversion.
        const auto format =
            image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        if (image.format() != format)
            image.convertTo(format);
        return image;
    }

private:
    QByteArray bytes_;
    QBuffer buffer_;
    QImageReader reader_;
    QSize fitted_;
    qsizetype holds_ = 0;
};

/// Gives the memory of a burst of decodes back to the system. Freed pictures would otherwise
/// stay with the allocator (each worker has a heap of its own), and the program would keep its
/// largest size for good.
void giveMemoryBack() {
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

} // namespace

struct PictureLoader::Impl {
    /// A decode asked for by elements (waiters filled) or by a prefetch (no waiters).
    struct Task {
        Key key;
        Waiters waiters;
    };
    /// A finished decode, or a cache hit, waiting to be handed over on the loader's thread.
    struct Done {
        Key key;
        QImage image;
        Waiters waiters;
        bool decoded;
    };
    struct CacheEntry {
        Key key;
        QImage image;
    };

    PictureLoader* owner = nullptr;
    qsizetype limit = 0;

    mutable std::mutex mutex;
    std::condition_variable workCv;
    std::condition_variable idleCv;
    bool stopping = false;
    int allowed = kWorkerCount;
    int running = 0;
    std::deque<Task> pending;
    std::deque<Key> prefetches;
    QHash<Key, Waiters> decoding;
    std::deque<Done> done;
    bool deliveryPosted = false;

    // Most recently used first.
    mutable std::list<CacheEntry> lru;
    mutable QHash<Key, std::list<CacheEntry>::iterator> index;
    qsizetype bytes = 0;
    // What the decodes under way hold besides their results; it counts against the limit too.
    qsizetype decodingBytes = 0;

    std::vector<std::thread> workers;

    // Everything below needs `mutex` held.

    QImage lookup(const Key& key) const {
        auto it = index.find(key);
        if (it == index.end())
            return {};
        lru.splice(lru.begin(), lru, it.value());
        return it.value()->image;
    }

    bool contains(const Key& key) const { return index.contains(key); }

    void store(const Key& key, const QImage& image) {
        const qsizetype size = image.sizeInBytes();
        if (image.isNull() || size > limit)
            return;
        if (auto it = index.find(key); it != index.end()) {
            bytes -= it.value()->image.sizeInBytes();
            lru.erase(it.value());
            index.erase(it);
        }
        while (!lru.empty() && bytes + size > limit) {
            bytes -= lru.back().image.sizeInBytes();
            index.remove(lru.back().key);
            lru.pop_back();
        }
        lru.push_front({key, image});
        index.insert(key, lru.begin());
        bytes += size;
    }

    /// Makes room for a decode that will hold `held` bytes. The oldest pictures go first, but
    /// decoding never takes the cache below half its limit: without pictures to show, the
    /// memory saved would buy nothing.
    void reserve(qsizetype held) {
        decodingBytes += held;
        while (!lru.empty() && bytes + decodingBytes > limit && bytes > limit / 2) {
            bytes -= lru.back().image.sizeInBytes();
            index.remove(lru.back().key);
            lru.pop_back();
        }
    }

    bool idle() const {
        return pending.empty() && prefetches.empty() && running == 0 && done.empty();
    }

    void removeElement(const PictureElement* element) {
        std::erase_if(pending, [element](Task& t) { return !dropWaiter(t.waiters, element); });
        for (auto& waiters : decoding)
            dropWaiter(waiters, element);
        for (auto& d : done)
            dropWaiter(d.waiters, element);
    }

    void finish(Done result) {
        done.push_back(std::move(result));
        if (!deliveryPosted) {
            deliveryPosted = true;
            QMetaObject::invokeMethod(
                owner, [this] { deliver(); }, Qt::QueuedConnection);
        }
    }

    // Worker side.

    void work() {
        std::unique_lock lock(mutex);
        for (;;) {
            workCv.wait(lock, [this] {
                return stopping || (running < allowed && (!pending.empty() || !prefetches.empty()));
            });
            if (stopping)
                return;
            Task task;
            if (!pending.empty()) {
                task = std::move(pending.front());
                pending.pop_front();
            } else {
                task.key = std::move(prefetches.front());
                prefetches.pop_front();
            }
            if (contains(task.key)) {
                // Decoded meanwhile (another element or a prefetch): hand over the cached copy.
                if (!task.waiters.empty())
                    finish({task.key, lookup(task.key), std::move(task.waiters), false});
                idleCv.notify_all();
                continue;
            }
            if (auto it = decoding.find(task.key); it != decoding.end()) {
                // Another worker is decoding it already; its result serves these waiters too.
                it->insert(it->end(), task.waiters.begin(), task.waiters.end());
                continue;
            }
            decoding.insert(task.key, std::move(task.waiters));
            ++running;
            lock.unlock();
            Decode decode(task.key.file, task.key.size);
            lock.lock();
            const qsizetype held = decode.holds();
            reserve(held);
            lock.unlock();
            QImage image = decode.run();
            lock.lock();
            decodingBytes -= held;
            --running;
            store(task.key, image);
            finish({task.key, std::move(image), decoding.take(task.key), true});
            // A worker held back by the busy limit may start now.
            workCv.notify_all();
            idleCv.notify_all();
            if (running == 0 && pending.empty() && prefetches.empty()) {
                lock.unlock();
                giveMemoryBack();
                lock.lock();
            }
        }
    }

    // Loader-thread side.

    void deliver() {
        for (;;) {
            Done result;
            {
                std::lock_guard lock(mutex);
                deliveryPosted = false;
                if (done.empty())
                    break;
                result = std::move(done.front());
                done.pop_front();
                idleCv.notify_all();
            }
            // Every element is served before the signal, as a slot may delete elements.
            for (const Waiter& w : result.waiters) {
                if (w.element->ticket_ == w.ticket)
                    w.element->deliver(result.key.file, result.image);
            }
            if (result.decoded)
                emit owner->decoded(result.key.file, result.key.size);
        }
    }
};

PictureLoader::PictureLoader(qsizetype cacheBytes, QObject* parent)
    : QObject(parent), impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->limit = std::max<qsizetype>(0, cacheBytes);
#ifdef __GLIBC__
    // Large blocks (a decoded picture, a file's bytes) are mapped on their own and go back to
    // the system when freed. Left to itself the allocator raises this threshold after the
    // first large block is freed and keeps every later one in its heaps.
    ::mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
#endif
    impl_->workers.reserve(kWorkerCount);
    for (int i = 0; i < kWorkerCount; ++i)
        impl_->workers.emplace_back([impl = impl_.get()] { impl->work(); });
}

PictureLoader::~PictureLoader() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopping = true;
    }
    impl_->workCv.notify_all();
    for (auto& worker : impl_->workers)
        worker.join();
}

bool PictureLoader::isShowable(const QString& file) {
    // Only regular files: opening a pipe or a device named like a picture would hold the
    // window thread until someone writes to it.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    static constexpr char kPng[] = "\x89PNG\r\n\x1a\n";
    static constexpr char kJpeg[] = "\xff\xd8\xff";
    const QByteArray head = in.read(sizeof kPng - 1);
    // Path logos have always been GIF pictures; they are shown too.
    return head.startsWith(QByteArrayView(kPng, sizeof kPng - 1)) ||
           head.startsWith(QByteArrayView(kJpeg, sizeof kJpeg - 1)) || head.startsWith("GIF87a") ||
           head.startsWith("GIF89a");
}

void PictureLoader::setBusy(bool busy) {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->allowed = busy ? kBusyWorkerCount : kWorkerCount;
    }
    impl_->workCv.notify_all();
}

void PictureLoader::prefetch(const std::vector<QString>& files, QSize size) {
    std::vector<std::pair<QString, QSize>> pictures;
    pictures.reserve(files.size());
    for (const QString& file : files)
        pictures.emplace_back(file, size);
    prefetch(pictures);
}

void PictureLoader::prefetch(const std::vector<std::pair<QString, QSize>>& pictures) {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->prefetches.clear();
        for (const auto& [file, size] : pictures) {
            Key key{file, size};
            if (!file.isEmpty() && !size.isEmpty() && !impl_->contains(key) &&
                !impl_->decoding.contains(key))
                impl_->prefetches.push_back(std::move(key));
        }
    }
    impl_->workCv.notify_all();
    impl_->idleCv.notify_all();
}

QImage PictureLoader::cached(const QString& file, QSize size) const {
    std::lock_guard lock(impl_->mutex);
    return impl_->lookup({file, size});
}

void PictureLoader::waitForIdle() {
    for (;;) {
        impl_->deliver();
        QCoreApplication::processEvents();
        std::unique_lock lock(impl_->mutex);
        if (impl_->idle())
            return;
        // Wakes on every finished decode; the timeout only covers events posted by others.
        impl_->idleCv.wait_for(lock, std::chrono::milliseconds(10));
    }
}

qsizetype PictureLoader::cacheBytes() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->bytes;
}

qsizetype PictureLoader::cacheLimit() const {
    return impl_->limit;
}

void PictureLoader::request(PictureElement* element, const QString& file, QSize size,
                            quint64 ticket) {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->removeElement(element);
        const Key key{file, size};
        const Waiter waiter{element, ticket};
        if (QImage hit = impl_->lookup(key); !hit.isNull()) {
            impl_->finish({key, hit, {waiter}, false});
            return;
        }
        if (auto it = impl_->decoding.find(key); it != impl_->decoding.end()) {
            it->push_back(waiter);
            return;
        }
        auto same = std::find_if(impl_->pending.begin(), impl_->pending.end(),
                                 [&key](const Impl::Task& t) { return t.key == key; });
        if (same != impl_->pending.end())
            same->waiters.push_back(waiter);
        else
            impl_->pending.push_back({key, {waiter}});
    }
    impl_->workCv.notify_one();
}

void PictureLoader::forget(PictureElement* element) {
    std::lock_guard lock(impl_->mutex);
    impl_->removeElement(element);
}

} // namespace common
