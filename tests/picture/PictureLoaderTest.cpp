// SPDX-License-Identifier: GPL-3.0-or-later
// The loader's memory: display-size results, and decodes that count against the cache's bound.
#include "common/picture/PictureLoader.h"

#include "tests/support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using common::PictureLoader;

namespace {

class PictureLoaderTest : public testing::Test {
protected:
    QString picture(const std::string& name, QSize size, QColor colour = Qt::red) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = QString::fromStdString((folder_ / name).string());
        EXPECT_TRUE(image.save(file)) << name;
        return file;
    }

    void decode(PictureLoader& loader, const QString& file, QSize size) const {
        loader.prefetch({file}, size);
        loader.waitForIdle();
    }

    testing_support::TempFolder folder_;
};

TEST_F(PictureLoaderTest, LargePicturesAreKeptOnlyAtTheSizeTheyAreShownAt) {
    // Each format, wide or tall: nothing of the full size stays in the cache.
    PictureLoader loader;
    const QSize shown(192, 108);
    for (const char* name : {"big.png", "big.jpg", "big.bmp"}) {
        const QString file = picture(name, {1920, 1080});
        decode(loader, file, shown);
        EXPECT_EQ(loader.cached(file, shown).size(), shown) << name;
    }
    const QString tall = picture("tall.jpg", {1080, 1920});
    decode(loader, tall, shown);
    const QSize tallShown = QSize(1080, 1920).scaled(shown, Qt::KeepAspectRatio);
    EXPECT_EQ(loader.cached(tall, shown).size(), tallShown);
    const qsizetype all = 3 * 192 * 108 * 4 + tallShown.width() * 108 * 4;
    EXPECT_EQ(loader.cacheBytes(), all);
    // Nothing is kept of a picture that cannot be read.
    folder_.write("cut.jpg", "\xff\xd8\xff");
    decode(loader, QString::fromStdString((folder_ / "cut.jpg").string()), shown);
    EXPECT_EQ(loader.cacheBytes(), all);
}

TEST_F(PictureLoaderTest, ADecodeMakesRoomDownToHalfTheCacheAndGivesItBack) {
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
    folder_.write("broken.png", std::string("\x89PNG\r\n\x1a\n", 8) + "not really");
    decode(loader, QString::fromStdString((folder_ / "broken.png").string()), cell);
    decode(loader, small[1], cell);
    EXPECT_EQ(loader.cacheBytes(), 6 * one);
}

} // namespace
