// SPDX-License-Identifier: GPL-3.0-or-later
// The picture element and its loader: name checks, fitted painting, stale answers, the cache.
#include "common/picture/PictureElement.h"

#include "common/picture/PictureLoader.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using common::PictureElement;
using common::PictureLoader;
using testing_support::TempFolder;

namespace {

const QColor kBackground(10, 20, 30);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

class PictureTest : public testing::Test {
protected:
    QString path(const std::string& name) const {
        return QString::fromStdString((folder_ / name).string());
    }

    /// Saves a one-colour picture; the format follows the name's extension.
    QString picture(const std::string& name, QSize size, const QColor& colour,
                    QImage::Format format = QImage::Format_RGB32) const {
        QImage image(size, format);
        image.fill(colour);
        const QString file = path(name);
        EXPECT_TRUE(image.save(file)) << name;
        return file;
    }

    /// A photo-like picture (smooth gradients), saved as JPEG.
    QString photo(const std::string& name, QSize size) const {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, "JPEG", 90)) << name;
        return file;
    }

    /// A shown element of `size` on the test background.
    std::unique_ptr<PictureElement> element(QSize size) {
        auto e = std::make_unique<PictureElement>(loader_);
        e->setBackgroundColour(kBackground);
        e->resize(size);
        e->show();
        return e;
    }

    static QColor pixel(PictureElement& e, int x, int y) {
        return e.grab().toImage().pixelColor(x, y);
    }

    TempFolder folder_;
    PictureLoader loader_;
};

/// Counts a loader's decoded signals.
struct DecodedCount {
    explicit DecodedCount(PictureLoader& loader) {
        QObject::connect(&loader, &PictureLoader::decoded, [this] { ++count; });
    }
    int count = 0;
};

/// The files a loader reports decoded, in the order the reports arrive.
struct DecodedOrder {
    explicit DecodedOrder(PictureLoader& loader) {
        QObject::connect(&loader, &PictureLoader::decoded,
                         [this](const QString& file) { files.push_back(file); });
    }
    std::vector<QString> files;
};

/// Processes events until `done` holds; the generous limit only stops a broken build hanging.
bool waitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return true;
}

/// A named pipe that keeps the worker decoding it waiting: once a worker has opened it, the
/// test holds the writing end and never writes, so the worker sits in its read until release.
class Gate {
public:
    explicit Gate(QString file) : file_(std::move(file)) {
        EXPECT_EQ(::mkfifo(file_.toLocal8Bit().constData(), 0600), 0);
    }
    ~Gate() { release(); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;

    const QString& file() const { return file_; }

    /// Waits until a worker has the pipe open (opening the writing end only succeeds then).
    bool waitUntilHeld() {
        return waitUntil([this] {
            fd_ = ::open(file_.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
            return fd_ >= 0;
        });
    }

    /// The worker reads the end of the pipe; its decode fails and the worker moves on.
    void release() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    QString file_;
    int fd_ = -1;
};

bool near(const QColor& a, const QColor& b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// --- Names read back at once ---------------------------------------------------------------

TEST_F(PictureTest, NamesThatCannotShowReadBackEmptyAtOnce) {
    const QString png = picture("a.png", {8, 8}, kRed);
    const QString jpeg = picture("b.jpg", {8, 8}, kRed);
    folder_.write("text.png", "this is not a picture\n");
    folder_.write("short.png", "\x89PN");
    folder_.touch("empty.jpg");
    // A JPEG under a PNG name still shows: the first bytes decide, not the extension.
    const QString renamed = path("renamed.png");
    ASSERT_TRUE(QFile::copy(jpeg, renamed));

    EXPECT_TRUE(PictureLoader::isShowable(png));
    EXPECT_TRUE(PictureLoader::isShowable(jpeg));
    EXPECT_TRUE(PictureLoader::isShowable(renamed));
    EXPECT_FALSE(PictureLoader::isShowable(path("missing.png")));
    EXPECT_FALSE(PictureLoader::isShowable(path("text.png")));
    EXPECT_FALSE(PictureLoader::isShowable(path("short.png")));
    EXPECT_FALSE(PictureLoader::isShowable(path("empty.jpg")));
    EXPECT_FALSE(PictureLoader::isShowable(QString::fromStdString(folder_.text())));
    EXPECT_FALSE(PictureLoader::isShowable(""));
    // Path logos are GIF pictures.
    folder_.write("logo.gif", std::string("GIF89a\x01\x00\x01\x00", 10));
    EXPECT_TRUE(PictureLoader::isShowable(path("logo.gif")));

    auto e = element({40, 40});
    e->setFileName(png);
    EXPECT_EQ(e->fileName(), png);
    e->setFileName(renamed);
    EXPECT_EQ(e->fileName(), renamed);
    e->setFileName(path("missing.png"));
    EXPECT_EQ(e->fileName(), "");
    e->setFileName(jpeg);
    e->setFileName(path("text.png"));
    EXPECT_EQ(e->fileName(), "");
    e->setFileName(jpeg);
    e->setFileName("");
    EXPECT_EQ(e->fileName(), "");
    loader_.waitForIdle();
    // The last word was "nothing": no earlier answer may put a picture up afterwards.
    EXPECT_TRUE(e->shownImage().isNull());
    EXPECT_EQ(e->fileName(), "");
}

// --- The picture arrives, fitted and centred -----------------------------------------------

TEST_F(PictureTest, AFallBackOnItsWayStaysWhenTheNextNameCannotShow) {
    const QString fallback = picture("fallback.png", {8, 8}, kRed);
    auto e = element({40, 40});
    e->setFileName(fallback);
    e->setFileName(path("missing.png")); // before the fall-back was decoded
    EXPECT_TRUE(e->fileName().isEmpty());
    loader_.waitForIdle();
    EXPECT_FALSE(e->shownImage().isNull());
}

TEST_F(PictureTest, PictureArrivesFittedCentredOverTheBackground) {
    const QString square = picture("square.png", {50, 50}, kRed);
    auto e = element({200, 100});
    e->setFileName(square);
    loader_.waitForIdle();
    ASSERT_FALSE(e->shownImage().isNull());
    // Decoded at the size it is shown at: the height bounds it, aspect kept.
    EXPECT_EQ(e->shownImage().size(), QSize(100, 100));
    EXPECT_TRUE(near(pixel(*e, 100, 50), kRed));
    EXPECT_TRUE(near(pixel(*e, 55, 50), kRed));
    EXPECT_TRUE(near(pixel(*e, 144, 50), kRed));
    // Bands left and right show the background.
    EXPECT_TRUE(near(pixel(*e, 5, 50), kBackground, 0));
    EXPECT_TRUE(near(pixel(*e, 45, 50), kBackground, 0));
    EXPECT_TRUE(near(pixel(*e, 155, 50), kBackground, 0));
    EXPECT_TRUE(near(pixel(*e, 195, 50), kBackground, 0));

    // A wide picture in a tall element: bands above and below instead.
    const QString wide = picture("wide.png", {400, 100}, kBlue);
    e->resize(100, 200);
    e->setFileName(wide);
    loader_.waitForIdle();
    EXPECT_EQ(e->shownImage().size(), QSize(100, 25));
    EXPECT_TRUE(near(pixel(*e, 50, 100), kBlue));
    EXPECT_TRUE(near(pixel(*e, 50, 80), kBackground, 0));
    EXPECT_TRUE(near(pixel(*e, 50, 120), kBackground, 0));
}

TEST_F(PictureTest, PicturesAreDecodedAtDisplaySizeInAPaintReadyFormat) {
    const QString jpeg = photo("photo.jpg", {800, 600});
    const QString clear =
        picture("clear.png", {60, 30}, QColor(0, 255, 0, 128), QImage::Format_ARGB32);
    auto a = element({200, 200});
    auto b = element({120, 120});
    a->setFileName(jpeg);
    b->setFileName(clear);
    loader_.waitForIdle();
    EXPECT_EQ(a->shownImage().size(), QSize(200, 150));
    EXPECT_EQ(a->shownImage().format(), QImage::Format_RGB32);
    EXPECT_EQ(b->shownImage().size(), QSize(120, 60));
    EXPECT_EQ(b->shownImage().format(), QImage::Format_ARGB32_Premultiplied);
    // A see-through picture lets the background show through.
    const QColor mixed = pixel(*b, 60, 60);
    EXPECT_GT(mixed.green(), 100);
    EXPECT_LT(mixed.green(), 160);
    EXPECT_TRUE(near(pixel(*b, 60, 10), kBackground, 0));
    // Small pictures grow to fill their element too.
    EXPECT_TRUE(near(pixel(*a, 100, 100), QColor(128, 128, 128), 40));
}

TEST_F(PictureTest, ResizingAsksAgainAtTheNewSizeAndCachedPicturesShowAtOnce) {
    const QString square = picture("square.png", {50, 50}, kRed);
    auto e = element({100, 100});
    e->setFileName(square);
    loader_.waitForIdle();
    EXPECT_EQ(e->shownImage().size(), QSize(100, 100));

    e->resize(300, 300);
    // Until the new size arrives, the old picture stays up, stretched to fit.
    EXPECT_EQ(e->fileName(), square);
    EXPECT_TRUE(near(pixel(*e, 150, 150), kRed));
    loader_.waitForIdle();
    EXPECT_EQ(e->shownImage().size(), QSize(300, 300));
    EXPECT_FALSE(loader_.cached(square, {300, 300}).isNull());

    // A second element of a cached size shows the picture in the same call, before any event.
    auto other = element({100, 100});
    other->setFileName(square);
    EXPECT_EQ(other->shownImage().size(), QSize(100, 100));
}

TEST_F(PictureTest, AnElementWithoutASizeWaitsForOne) {
    const QString square = picture("square.png", {50, 50}, kGreen);
    PictureElement e(loader_);
    e.resize(0, 0);
    e.show();
    e.setFileName(square);
    loader_.waitForIdle();
    EXPECT_EQ(e.fileName(), square);
    EXPECT_TRUE(e.shownImage().isNull());
    e.resize(40, 20);
    loader_.waitForIdle();
    EXPECT_EQ(e.shownImage().size(), QSize(20, 20));
}

TEST_F(PictureTest, OneFileInSeveralElementsReachesEveryOne) {
    const QString square = picture("square.png", {50, 50}, kGreen);
    std::vector<std::unique_ptr<PictureElement>> elements;
    for (int i = 0; i < 5; ++i) {
        elements.push_back(element({64, 64}));
        elements.back()->setFileName(square);
    }
    loader_.setBusy(true);
    loader_.waitForIdle();
    loader_.setBusy(false);
    for (const auto& e : elements)
        EXPECT_EQ(e->shownImage().size(), QSize(64, 64));
}

// --- Failed loads and stale answers ----------------------------------------------------------

TEST_F(PictureTest, AFailedLoadKeepsThePictureShownBefore) {
    const QString fallback = picture("fallback.png", {30, 30}, kRed);
    // A good PNG header over damaged data passes the name check but cannot be decoded.
    folder_.write("damaged.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, '\x5a'));
    const QString damaged = path("damaged.png");
    folder_.write("damaged.jpg", std::string("\xff\xd8\xff\xe0", 4) + std::string(10, '\0'));
    const QString damagedJpeg = path("damaged.jpg");

    auto e = element({60, 60});
    e->setFileName(fallback);
    loader_.waitForIdle();
    ASSERT_TRUE(near(pixel(*e, 30, 30), kRed));

    e->setFileName(damaged);
    EXPECT_EQ(e->fileName(), damaged);
    loader_.waitForIdle();
    EXPECT_EQ(e->fileName(), "");
    EXPECT_EQ(e->shownImage().size(), QSize(60, 60));
    EXPECT_TRUE(near(pixel(*e, 30, 30), kRed));

    e->setFileName(damagedJpeg);
    loader_.waitForIdle();
    EXPECT_EQ(e->fileName(), "");
    EXPECT_TRUE(near(pixel(*e, 30, 30), kRed));

    e->setFileName(path("missing.png"));
    EXPECT_EQ(e->fileName(), "");
    EXPECT_TRUE(near(pixel(*e, 30, 30), kRed));

    // Only an empty name takes the picture down.
    e->setFileName("");
    EXPECT_TRUE(e->shownImage().isNull());
    EXPECT_TRUE(near(pixel(*e, 30, 30), kBackground, 0));
}

TEST_F(PictureTest, TheNewestNameWins) {
    const QString red = picture("red.png", {40, 40}, kRed);
    const QString big = photo("big.jpg", {1600, 1200});
    const QString green = picture("green.png", {40, 40}, kGreen);
    auto e = element({80, 80});

    // Quick moves: only the last name may end up on screen, whatever order answers come in.
    e->setFileName(big);
    e->setFileName(red);
    e->setFileName(green);
    loader_.waitForIdle();
    EXPECT_EQ(e->fileName(), green);
    EXPECT_TRUE(near(pixel(*e, 40, 40), kGreen));

    // A name that cannot show leaves the answer still on its way to arrive: the browser puts
    // a fall-back up first and relies on it when the game's own picture is missing.
    const QString fresh = photo("fresh.jpg", {640, 480});
    e->setFileName(fresh);
    e->setFileName(path("missing.png"));
    loader_.waitForIdle();
    EXPECT_EQ(e->fileName(), "");
    EXPECT_FALSE(near(pixel(*e, 40, 40), kGreen));

    // Many elements moving at once, twice, while a key is held.
    std::vector<std::unique_ptr<PictureElement>> strip;
    for (int i = 0; i < 6; ++i)
        strip.push_back(element({40, 40}));
    loader_.setBusy(true);
    for (auto& cell : strip)
        cell->setFileName(big);
    for (auto& cell : strip)
        cell->setFileName(red);
    loader_.setBusy(false);
    loader_.waitForIdle();
    for (auto& cell : strip) {
        EXPECT_EQ(cell->fileName(), red);
        EXPECT_TRUE(near(pixel(*cell, 20, 20), kRed));
    }
}

TEST_F(PictureTest, DestroyingElementsWithDecodesInFlightIsSafe) {
    const QString big = photo("big.jpg", {1600, 1200});
    const QString small = picture("small.png", {20, 20}, kRed);
    DecodedCount decoded(loader_);
    {
        auto a = element({300, 300});
        auto b = element({300, 300});
        a->setFileName(big);
        b->setFileName(small);
    }
    loader_.waitForIdle();

    // An element deleted by a slot while answers for it are being handed out.
    auto first = element({50, 50});
    auto* second = new PictureElement(loader_);
    second->resize(50, 50);
    QObject::connect(&loader_, &PictureLoader::decoded, first.get(), [&] {
        delete second;
        second = nullptr;
    });
    first->setFileName(small);
    second->setFileName(big);
    loader_.waitForIdle();
    EXPECT_EQ(second, nullptr);
    EXPECT_GE(decoded.count, 2);
}

// --- Which decode runs when ----------------------------------------------------------------

TEST_F(PictureTest, WhileAKeyIsHeldOneWorkerTakesTheNewestElementRequestsBeforePrefetches) {
    const QSize size(64, 64);
    const QString a = picture("a.png", {32, 32}, kRed);
    const QString b = picture("b.png", {32, 32}, kGreen);
    const QString c = picture("c.png", {32, 32}, kBlue);
    const QString d = picture("d.png", {32, 32}, kRed);
    const QString p1 = picture("p1.png", {32, 32}, kRed);
    const QString p2 = picture("p2.png", {32, 32}, kGreen);
    const QString p3 = picture("p3.png", {32, 32}, kBlue);
    DecodedOrder order(loader_);

    loader_.setBusy(true);
    Gate gate(path("gate.png"));
    loader_.prefetch({gate.file()}, size);
    ASSERT_TRUE(gate.waitUntilHeld());

    // Queued behind the gate: later prefetches replace earlier ones, later names earlier ones,
    // and a deleted element's request goes with it.
    loader_.prefetch({p1, p2}, size);
    auto e = element(size);
    e->setFileName(a);
    e->setFileName(b);
    loader_.prefetch({p3}, size);
    e->setFileName(c);
    {
        auto gone = element(size);
        gone->setFileName(d);
    }
    gate.release();
    loader_.waitForIdle();
    loader_.setBusy(false);

    // One worker at a time, so the reports come in decoding order: the element first.
    EXPECT_EQ(order.files, (std::vector<QString>{gate.file(), c, p3}));
    EXPECT_EQ(e->fileName(), c);
    EXPECT_TRUE(near(pixel(*e, 32, 32), kBlue));
    EXPECT_TRUE(loader_.cached(p1, size).isNull());
}

TEST_F(PictureTest, WhenIdleASecondWorkerDecodesWhileTheFirstIsHeld) {
    const QString a = picture("a.png", {32, 32}, kGreen);
    Gate gate(path("gate.png"));
    loader_.prefetch({gate.file()}, {64, 64});
    ASSERT_TRUE(gate.waitUntilHeld());

    auto e = element({64, 64});
    e->setFileName(a);
    EXPECT_TRUE(waitUntil([&] { return !e->shownImage().isNull(); }));
    gate.release();
    loader_.waitForIdle();
    EXPECT_TRUE(near(pixel(*e, 32, 32), kGreen));
}

// --- The cache ---------------------------------------------------------------------------

TEST_F(PictureTest, TheCacheKeepsTheMostRecentlyUsedWithinItsBytes) {
    const QSize cell(10, 10);
    const qsizetype one = cell.width() * cell.height() * 4;
    PictureLoader small(2 * one + one / 2);
    EXPECT_EQ(small.cacheLimit(), 2 * one + one / 2);
    const QString a = picture("a.png", {20, 20}, kRed);
    const QString b = picture("b.png", {20, 20}, kGreen);
    const QString c = picture("c.png", {20, 20}, kBlue);

    small.prefetch({a, b}, cell);
    small.waitForIdle();
    EXPECT_FALSE(small.cached(a, cell).isNull());
    EXPECT_FALSE(small.cached(b, cell).isNull());
    EXPECT_EQ(small.cacheBytes(), 2 * one);
    // The same file at another size is another entry.
    EXPECT_TRUE(small.cached(a, {12, 12}).isNull());

    // Using a makes b the oldest, so c pushes b out.
    EXPECT_FALSE(small.cached(a, cell).isNull());
    small.prefetch({c}, cell);
    small.waitForIdle();
    EXPECT_FALSE(small.cached(a, cell).isNull());
    EXPECT_TRUE(small.cached(b, cell).isNull());
    EXPECT_FALSE(small.cached(c, cell).isNull());
    EXPECT_LE(small.cacheBytes(), small.cacheLimit());

    // A picture larger than the whole cache is shown but not kept, and evicts nothing.
    PictureElement e(small);
    e.resize(100, 100);
    e.setFileName(a);
    small.waitForIdle();
    EXPECT_EQ(e.shownImage().size(), QSize(100, 100));
    EXPECT_TRUE(small.cached(a, {100, 100}).isNull());
    EXPECT_FALSE(small.cached(c, cell).isNull());
    EXPECT_LE(small.cacheBytes(), small.cacheLimit());
}

TEST_F(PictureTest, PrefetchFillsTheCacheForTheNextMove) {
    std::vector<QString> files;
    for (int i = 0; i < 6; ++i)
        files.push_back(photo("p" + std::to_string(i) + ".jpg", {320, 240}));
    DecodedCount decoded(loader_);
    loader_.prefetch(files, {64, 64});
    loader_.waitForIdle();
    EXPECT_EQ(decoded.count, 6);
    for (const QString& file : files)
        EXPECT_EQ(loader_.cached(file, {64, 64}).size(), QSize(64, 48));

    // The next move finds them at once, with no further decoding.
    auto e = element({64, 64});
    e->setFileName(files[3]);
    EXPECT_EQ(e->shownImage().size(), QSize(64, 48));
    loader_.prefetch(files, {64, 64});
    loader_.waitForIdle();
    EXPECT_EQ(decoded.count, 6);

    // Names that cannot be decoded are tried, reported, and leave nothing behind.
    decoded.count = 0;
    loader_.prefetch({path("missing.png"), ""}, {64, 64});
    loader_.waitForIdle();
    EXPECT_EQ(decoded.count, 1);
    EXPECT_TRUE(loader_.cached(path("missing.png"), {64, 64}).isNull());
}

// --- Mouse -------------------------------------------------------------------------------

TEST_F(PictureTest, MouseButtonsEmitPressReleaseClickAndDoubleClick) {
    auto e = element({50, 50});
    std::vector<Qt::MouseButton> pressed, released, clicked;
    int doubled = 0;
    QObject::connect(e.get(), &PictureElement::pressed, [&](auto b) { pressed.push_back(b); });
    QObject::connect(e.get(), &PictureElement::released, [&](auto b) { released.push_back(b); });
    QObject::connect(e.get(), &PictureElement::clicked, [&](auto b) { clicked.push_back(b); });
    QObject::connect(e.get(), &PictureElement::doubleClicked, [&] { ++doubled; });

    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button) {
        QMouseEvent event(type, at, e->mapToGlobal(at), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(e.get(), &event);
    };

    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {12, 12}, Qt::LeftButton);
    EXPECT_EQ(pressed, std::vector{Qt::LeftButton});
    EXPECT_EQ(released, std::vector{Qt::LeftButton});
    EXPECT_EQ(clicked, std::vector{Qt::LeftButton});

    // Released outside: no click.
    send(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    send(QEvent::MouseButtonRelease, {80, 10}, Qt::RightButton);
    EXPECT_EQ(pressed, (std::vector{Qt::LeftButton, Qt::RightButton}));
    EXPECT_EQ(released, (std::vector{Qt::LeftButton, Qt::RightButton}));
    EXPECT_EQ(clicked, std::vector{Qt::LeftButton});

    send(QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton);
    EXPECT_EQ(doubled, 1);
}

} // namespace
