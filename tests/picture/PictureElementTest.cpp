// SPDX-License-Identifier: GPL-3.0-or-later
// The picture element and its loader: name checks, fitted painting, stale answers, the cache.
// Its clicks are seen through the browser's strip.
#include "common/picture/PictureElement.h"

#include "common/picture/PictureLoader.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Waiting.h"

#include <QCoreApplication>
#include <QPixmap>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

using common::PictureElement;
using common::PictureLoader;

namespace {

const QColor kBackground(10, 20, 30);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
// One red pixel, as a GIF (path logos are GIF pictures).
const std::string kRedGif("GIF89a\1\0\1\0\x80\0\0\xff\0\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 35);

/// A named pipe: the worker decoding it waits in its read until the writing end is closed,
/// then fails.
struct Gate {
    explicit Gate(QString name) : file(std::move(name)) {
        EXPECT_EQ(::mkfifo(file.toLocal8Bit().constData(), 0600), 0);
    }
    ~Gate() { ::close(fd); }
    /// Opening the writing end succeeds only once a worker has the pipe open.
    bool held() {
        return fd >= 0 || (fd = ::open(file.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK)) >= 0;
    }
    QString file;
    int fd = -1;
};

class PictureTest : public testing::Test {
protected:
    QString path(const std::string& name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    QString file(const std::string& name, const std::string& bytes) const {
        folder_.write(name, bytes);
        return path(name);
    }

    /// A one-colour picture, see-through when the colour is; the extension picks the format.
    QString picture(const std::string& name, QSize size = {32, 32}, QColor colour = kRed) const {
        QImage image(size, colour.alpha() < 255 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path(name))) << name;
        return path(name);
    }

    static void decode(PictureLoader& loader, const QString& file, QSize size) {
        loader.prefetch({file}, size);
        loader.waitForIdle();
    }

    std::unique_ptr<PictureElement> element(QSize size) {
        auto e = std::make_unique<PictureElement>(loader_);
        e->setBackgroundColour(kBackground);
        e->resize(size);
        e->show();
        return e;
    }

    testing_support::TempFolder folder_;
    PictureLoader loader_;
};

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 24 && std::abs(a.green() - b.green()) <= 24 &&
           std::abs(a.blue() - b.blue()) <= 24;
}

QColor pixel(PictureElement& e, int x, int y) {
    return e.grab().toImage().pixelColor(x, y);
}

TEST_F(PictureTest, NamesReadBackAtOnceByTheirFirstBytes) {
    // The first bytes decide, not the extension.
    for (const char* head : {"\x89PNG\r\n\x1a\n", "\xff\xd8\xff", "GIF87a"})
        EXPECT_TRUE(PictureLoader::isShowable(file("picture.txt", head))) << head;
    for (const char* head : {"\x89PNG\r\n\x1a", "GIF88a", ""})
        EXPECT_FALSE(PictureLoader::isShowable(file("picture.png", head))) << head;
    EXPECT_FALSE(PictureLoader::isShowable(QString::fromStdString(folder_.text())));
    // A pipe named like a picture is refused at once instead of holding the window thread.
    const std::string pipe = folder_.text() + "/pipe.png";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(PictureLoader::isShowable(QString::fromStdString(pipe)));
}

TEST_F(PictureTest, APictureThatCannotShowGivesWayToTheFallBackNeverToThePictureBefore) {
    const QString red = file("logo.gif", kRedGif);
    const QString blue = picture("fallback.png", {8, 8}, kBlue);
    // Good first bytes over damaged data pass the name check, then fail to decode.
    const QString damaged = file("damaged.png", "\x89PNG\r\n\x1a\n" + std::string(200, 'Z'));
    struct Row {
        QString fallback;
        QColor shown; ///< what the element shows once the bad picture has been tried
    } const rows[] = {
        {blue, kBlue},          // the skin's fall-back picture
        {damaged, kBackground}, // a fall-back that cannot show either
    };
    for (const Row& row : rows) {
        for (const QString& bad : {path("missing.png"), damaged}) {
            auto e = element({40, 40});
            e->setFallback(row.fallback);
            e->setFileName(red);
            loader_.waitForIdle();
            ASSERT_TRUE(near(pixel(*e, 20, 20), kRed));
            e->setFileName(bad);
            loader_.waitForIdle();
            EXPECT_EQ(e->fileName(), "") << bad.toStdString();
            EXPECT_TRUE(near(pixel(*e, 20, 20), row.shown))
                << bad.toStdString() << " with fall-back " << row.fallback.toStdString();
        }
    }

    // The browser puts the fall-back up by name, then tries the game's own picture: one that
    // cannot show leaves the fall-back, even while it is still being decoded.
    auto e = element({40, 40});
    e->setFallback(blue);
    e->setFileName(blue);
    e->setFileName(path("missing.png"));
    EXPECT_EQ(e->fileName(), "");
    loader_.waitForIdle();
    EXPECT_TRUE(near(pixel(*e, 20, 20), kBlue));

    // An empty name takes the picture down, and no answer on its way puts one back.
    e->setFileName(picture("green.png", {8, 8}, kGreen));
    e->setFileName("");
    loader_.waitForIdle();
    EXPECT_TRUE(e->shownImage().isNull());
    EXPECT_EQ(pixel(*e, 20, 20), kBackground);
}

TEST_F(PictureTest, PicturesArriveAtDisplaySizeFittedAndCentred) {
    // Picture, its size and colour; the element's size, where the picture shows (the rest
    // shows the background) and in what colour.
    const std::tuple<const char*, QSize, QColor, QSize, QRect, QColor> rows[] = {
        {"grown.png", {50, 50}, kRed, {200, 100}, {50, 0, 100, 100}, kRed},
        {"wide.jpg", {400, 100}, kBlue, {100, 200}, {0, 87, 100, 25}, kBlue},
        // See-through: the background shows through.
        {"clear.png", {60, 30}, QColor(0, 255, 0, 128), {120, 120}, {0, 30, 120, 60}, {5, 137, 15}},
    };
    for (const auto& [name, size, colour, elementSize, r, painted] : rows) {
        SCOPED_TRACE(name);
        auto e = element(elementSize);
        e->setFileName(picture(name, size, colour));
        loader_.waitForIdle();
        // Decoded at the size it is shown at, so the cache holds no more than is painted.
        EXPECT_EQ(e->shownImage().size(), r.size());
        const QImage shot = e->grab().toImage();
        const QPoint c = r.center();
        for (QPoint at : {c, r.topLeft() + QPoint(2, 2), r.bottomRight() - QPoint(2, 2)})
            EXPECT_TRUE(near(shot.pixelColor(at), painted)) << at.x() << "," << at.y();
        for (QPoint at : {QPoint(r.left() - 3, c.y()), QPoint(r.right() + 3, c.y()),
                          QPoint(c.x(), r.top() - 3), QPoint(c.x(), r.bottom() + 3)}) {
            EXPECT_TRUE(!shot.rect().contains(at) || shot.pixelColor(at) == kBackground)
                << at.x() << "," << at.y();
        }
    }
}

TEST_F(PictureTest, ResizingAsksAgainAndACachedPictureShowsAtOnce) {
    const QString square = picture("square.png", {50, 50});
    auto e = element({0, 0}); // named before it has a size
    e->setFileName(square);
    e->resize(100, 100);
    loader_.waitForIdle();
    EXPECT_EQ(e->shownImage().size(), QSize(100, 100));

    // Until the new size arrives the old picture stays up, stretched.
    e->resize(300, 300);
    EXPECT_TRUE(near(pixel(*e, 150, 150), kRed));
    loader_.waitForIdle();
    EXPECT_EQ(e->shownImage().size(), QSize(300, 300));

    // A cached size shows within the call, so moving onto a cached game never flickers.
    auto other = element({100, 100});
    other->setFileName(square);
    EXPECT_EQ(other->shownImage().size(), QSize(100, 100));
}

TEST_F(PictureTest, TheNewestNameWinsAndElementsMayGoMeanwhile) {
    const QString big = picture("big.jpg", {1600, 1200}, kBlue);
    const QString red = picture("red.png");
    const QString green = picture("green.png", {32, 32}, kGreen);
    auto e = element({80, 80});
    for (const QString& name : {big, red, green})
        e->setFileName(name);
    loader_.waitForIdle();
    EXPECT_EQ(e->fileName(), green);
    EXPECT_TRUE(near(pixel(*e, 40, 40), kGreen));

    // Many elements moving twice while a key is held, half of them going away meanwhile; each
    // one left gets its file.
    std::vector<std::unique_ptr<PictureElement>> strip;
    loader_.setBusy(true);
    for (int i = 0; i < 6; ++i)
        strip.push_back(element({40, 40}));
    for (const QString& name : {big, red}) {
        for (auto& cell : strip)
            cell->setFileName(name);
    }
    strip.resize(3);
    loader_.setBusy(false);
    loader_.waitForIdle();
    for (auto& cell : strip)
        EXPECT_TRUE(near(pixel(*cell, 20, 20), kRed));

    // Gone while its picture is decoded; and one deleted by a slot while answers are handed out.
    element({300, 300})->setFileName(big);
    auto first = element({50, 50});
    auto* second = element({50, 50}).release();
    QObject::connect(&loader_, &PictureLoader::decoded, first.get(),
                     [&] { delete std::exchange(second, nullptr); });
    first->setFileName(red);
    second->setFileName(big);
    loader_.waitForIdle();
    EXPECT_EQ(second, nullptr);
}

TEST_F(PictureTest, APictureLargerThanTheWholeCacheIsShownButNotKept) {
    const QSize cell(10, 10);
    PictureLoader small(3 * cell.width() * cell.height() * 4);
    const QString a = picture("a.png"), c = picture("c.png");
    small.prefetch({c}, cell);
    PictureElement e(small);
    e.resize(100, 100);
    e.setFileName(a);
    small.waitForIdle();
    EXPECT_EQ(e.shownImage().size(), QSize(100, 100));
    EXPECT_TRUE(small.cached(a, {100, 100}).isNull());
    EXPECT_FALSE(small.cached(c, cell).isNull()); // and evicts nothing
}

TEST_F(PictureTest, ADecodeMakesRoomDownToHalfTheCacheAndGivesItBack) {
    const QSize cell(10, 10);
    const qsizetype one = cell.width() * cell.height() * 4;
    PictureLoader loader(8 * one);
    std::vector<QString> small;
    for (int i = 0; i < 7; ++i) {
        small.push_back(picture("p" + std::to_string(i) + ".png", cell));
        decode(loader, small.back(), cell);
    }
    ASSERT_EQ(loader.cacheBytes(), 7 * one);
    EXPECT_FALSE(loader.cached(small[0], cell).isNull()); // now the most recently used

    // A big picture holds far more than the cache while it is decoded: the oldest go, down to
    // half the bound, and the new picture is kept beside the rest.
    const QString big = picture("big.png", {800, 800});
    decode(loader, big, cell);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(loader.cached(small[i], cell).isNull(), i >= 1 && i <= 3) << i;
    EXPECT_FALSE(loader.cached(big, cell).isNull());
    EXPECT_EQ(loader.cacheBytes(), 5 * one);

    // What the decode held was given back: a broken picture, then a small one, fit beside the
    // others without pushing anything out (held for good, it would push them out again).
    decode(loader, file("broken.png", std::string("\x89PNG\r\n\x1a\n", 8) + "not really"), cell);
    decode(loader, small[1], cell);
    EXPECT_EQ(loader.cacheBytes(), 6 * one);
}

TEST_F(PictureTest, OneWorkerWhileAKeyIsHeldTakesElementRequestsBeforePrefetches) {
    const QSize size(64, 64);
    const QString a = picture("a.png"), c = picture("c.png", {32, 32}, kBlue), d = picture("d.png"),
                  x = picture("x.png"), p1 = picture("p1.png"), p2 = picture("p2.png");
    std::vector<QString> order;
    QObject::connect(&loader_, &PictureLoader::decoded,
                     [&](const QString& file) { order.push_back(file); });
    Gate gate(path("gate.png"));
    loader_.prefetch({gate.file}, size);
    ASSERT_TRUE(testing_support::waitUntil([&] { return gate.held(); }));

    // When idle, a second worker decodes while the first is held.
    auto e = element(size);
    e->setFileName(x);
    ASSERT_TRUE(testing_support::waitUntil([&] { return !loader_.cached(x, size).isNull(); }));

    // With a key held, all waits behind the gate: a later prefetch replaces an earlier one, a
    // later name an earlier one, and a deleted element's request goes with it.
    loader_.setBusy(true);
    loader_.prefetch({p1}, size);
    e->setFileName(a);
    loader_.prefetch({p2}, size);
    e->setFileName(c);
    element(size)->setFileName(d);
    ::close(std::exchange(gate.fd, -1)); // the gate opens
    loader_.waitForIdle();
    loader_.setBusy(false);

    // One worker at a time, so the reports come in decoding order: after the gate the element's
    // newest name, then the newest prefetch.
    EXPECT_EQ(order, (std::vector<QString>{x, gate.file, c, p2}));
    EXPECT_TRUE(near(pixel(*e, 32, 32), kBlue));
    EXPECT_TRUE(loader_.cached(p1, size).isNull());
}

TEST_F(PictureTest, PrefetchFillsTheCacheForTheNextMove) {
    int decoded = 0;
    QObject::connect(&loader_, &PictureLoader::decoded, [&] { ++decoded; });
    const QString a = picture("a.jpg", {320, 240}), b = picture("b.jpg", {320, 240});
    loader_.prefetch({a, b}, {64, 64});
    loader_.waitForIdle();
    EXPECT_EQ(decoded, 2);
    EXPECT_EQ(loader_.cached(a, {64, 64}).size(), QSize(64, 48));

    // Each file at its own size. Cached ones are not decoded again; names that cannot be
    // decoded are tried and leave nothing behind; empty names and sizes are skipped.
    loader_.prefetch(
        {{a, {32, 32}}, {b, {64, 64}}, {path("missing.png"), {64, 64}}, {"", {64, 64}}, {b, {}}});
    loader_.waitForIdle();
    EXPECT_EQ(decoded, 4);
    EXPECT_EQ(loader_.cached(a, {32, 32}).size(), QSize(32, 24));
}

} // namespace
