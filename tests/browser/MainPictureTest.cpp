// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's pictures when one cannot be shown: the path logo and the artwork panels never
// keep the picture of the path or the game before.
#include "common/picture/PictureLoader.h"
#include "tests/browser/BrowserFixture.h"

using testing_support::BrowserTest;

namespace {

/// The colour of the picture an element holds; black when it holds none.
QColor centre(common::PictureElement* element) {
    const QImage& image = element->shownImage();
    return image.isNull() ? QColor(Qt::black) : image.pixelColor(image.rect().center());
}

class BrowserPictureTest : public BrowserTest {
protected:
    void picture(const std::string& name, QColor colour) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(colour);
        const auto file = cab / name;
        std::filesystem::create_directories(file.parent_path());
        ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
    }
    void settle(zembra::Main& browser) {
        app->services().pictures->waitForIdle();
        QCoreApplication::processEvents();
        browser.repaint();
    }
};

TEST_F(BrowserPictureTest, APictureThatCannotShowNeverLeavesTheOneBefore) {
    values.paths[1].logo = "logo1.png";
    picture("logo1.png", Qt::red);
    values.paths[3].logo = "missing.png";
    picture("art/snap/g05.png", Qt::red);
    picture("zbthemes/plain/screen32.jpg", Qt::blue);
    // g06's snap exists (so the panel stays up) but is no picture inside.
    cab.write("art/snap/g06.png", "\x89PNG\r\n\x1a\n" + std::string(300, 'Z'));
    zembra::Main& browser = start();
    parts(browser).xlogo()->resize(40, 40);
    settle(browser);
    ASSERT_EQ(centre(parts(browser).xScreen()), QColor(Qt::red));
    ASSERT_EQ(centre(parts(browser).xlogo()), QColor(Qt::red));

    tap(browser, kDown);
    settle(browser);
    EXPECT_EQ(parts(browser).xScreen()->fileName(), "");
    const QColor shown = centre(parts(browser).xScreen()); // the skin's fall-back, a JPEG
    EXPECT_LT(std::abs(shown.blue() - 255) + shown.red(), 60) << shown.name().toStdString();

    tap(browser, kNextPath); // path 3 has no logo
    settle(browser);
    EXPECT_EQ(parts(browser).xlogo()->fileName(), "");
    EXPECT_NE(centre(parts(browser).xlogo()), QColor(Qt::red));
}

} // namespace
