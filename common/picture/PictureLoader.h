// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes pictures off the window thread into a bounded cache of display-size images.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace common {

class PictureElement;

/// One loader serves every picture element of a program. Decoding runs on worker threads
/// (one while a key is held, two when idle) so the window thread only paints; the newest
/// request of an element wins and older ones are dropped. Decoded images are kept, scaled to
/// the size they are shown at, in a cache bounded in bytes (least recently used go first); the
/// memory a large decode holds while it runs (the file's bytes, a full-size picture before
/// scaling) counts against the same bound, down to half the cache. Memory freed after a burst of
/// decodes goes back to the system.
/// All signals and callbacks arrive on the thread the loader was created on.
class PictureLoader : public QObject {
    Q_OBJECT

public:
    explicit PictureLoader(qsizetype cacheBytes = 96 * 1024 * 1024, QObject* parent = nullptr);
    ~PictureLoader() override;

    /// True when `file` starts like a PNG, a JPEG or a GIF; reads only the first bytes.
    static bool isShowable(const QString& file);

    /// Fewer workers while the user holds a key, so the moves stay smooth.
    void setBusy(bool busy);

    /// Decodes `files` at `size` in the background when the workers are idle, so the next
    /// move finds them in the cache. Earlier prefetch requests not yet started are dropped.
    void prefetch(const std::vector<QString>& files, QSize size);
    /// The same for pictures of different sizes, each file with the size it will be shown at.
    void prefetch(const std::vector<std::pair<QString, QSize>>& pictures);

    /// The cached image of `file` at `size`, or a null image.
    QImage cached(const QString& file, QSize size) const;

    /// Blocks until every pending decode has been delivered (tests and benchmarks).
    void waitForIdle();

    qsizetype cacheBytes() const;
    qsizetype cacheLimit() const;

signals:
    /// A decode finished (or failed, with a null image).
    void decoded(const QString& file, QSize size);

private:
    friend class PictureElement;
    /// Asks for `file` at `size` for `element`; `ticket` identifies the request so a late
    /// answer to an older one is ignored.
    void request(PictureElement* element, const QString& file, QSize size, quint64 ticket);
    void forget(PictureElement* element);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace common
