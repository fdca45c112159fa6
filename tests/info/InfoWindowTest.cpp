// SPDX-License-Identifier: GPL-3.0-or-later
// The information window over the real browser: modes, the key guard, scrolling, closing, and
// answers from the worker that come late. Showing both files' entries is run end to end.
#include "common/ui/Units.h"
#include "tests/browser/BrowserFixture.h"
#include "tests/info/InfoAccess.h"
#include "tests/support/Waiting.h"
#include "zembra/info/Info.h"
#include "zembra/info/InfoLookup.h"

#include <QApplication>
#include <QMouseEvent>

using testing_support::BrowserTest;
using testing_support::infoParts;

namespace {

class InfoWindowTest : public BrowserTest {
protected:
    void SetUp() override {
        BrowserTest::SetUp();
        values.mameDir = cab.text() + "/mame/";
        std::string text = "# notes\r\n$info=g05,g07,\r\n$mame\r\nFrom mameinfo\r\n$end\r\n"
                           "$info=g06\r\n$bio\r\n"; // and g06's entry, a long one
        for (int line = 1; line <= 120; ++line)
            text += "Line " + std::to_string(line) + " of a long story\r\n";
        cab.write("mame/mameinfo.dat", text + "$end\r\n");
        cab.write("mame/history.dat", "$info=g05\r\n$bio\r\nFrom history, with commas\r\n$end\r\n");
    }

    /// Opens the window on the selected game, lets the guard run out and waits for the text.
    zembra::Info& open() {
        app->browser()->keyDown(kInfo, false);
        zembra::Info& info = *app->info();
        info.onTiminit();
        info.onTimer1();
        settle(info);
        return info;
    }

    /// Lets the worker's answer arrive (a look-up answered at once needs none).
    static void settle(zembra::Info& info) {
        ASSERT_TRUE(answered([&] { return !info.looking(); })) << "the worker never answered";
    }

    template <typename Condition>
    static bool answered(Condition done) {
        return testing_support::pollUntil(
            done, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
    }

    static std::string text(zembra::Info& info) {
        return infoParts(info).infoc()->text().toStdString();
    }
};

// Both files' entries on the screen are the end-to-end run's.
TEST_F(InfoWindowTest, EitherPageKeySwitchesTheFileAndTheModeSurvivesReopening) {
    start();
    zembra::Info& info = open();
    info.keyDown(kNextPage);
    settle(info);
    info.keyDown(kPrevPage); // the kept index answers at once
    EXPECT_EQ(info.mode(), "info");
    info.keyDown(kNextPage, true); // a held page key does not flick the files
    EXPECT_EQ(info.mode(), "info");
    info.keyDown(kNextPage);

    info.keyDown(kExit);
    EXPECT_FALSE(info.isVisible());
    open();
    EXPECT_EQ(info.mode(), "history");
}

TEST_F(InfoWindowTest, KeysWaitForTheGuardAndAnyOtherKeyOrAClickCloses) {
    start();
    app->browser()->keyDown(kInfo, false);
    zembra::Info& info = *app->info();
    info.keyDown(kExit); // the guard still runs
    info.keyDown(kNextPage);
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.mode(), "info");
    info.onTiminit();
    info.keyDown(kInfo, true); // the Info key still held from the browser
    EXPECT_TRUE(info.isVisible());
    info.keyDown(kInfo);
    EXPECT_FALSE(info.isVisible());

    open();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(infoParts(info).infoc(), &click);
    EXPECT_FALSE(info.isVisible());
}

TEST_F(InfoWindowTest, AMissingFileShowsNoEntry) {
    std::filesystem::remove(cab / "mame/mameinfo.dat");
    start();
    EXPECT_EQ(text(open()), zembra::kNoEntry);
}

TEST_F(InfoWindowTest, ScrollingStopsOneStepPastEitherEdge) {
    savedIndex = 5; // g06, the long entry
    start();
    zembra::Info& info = open();
    const int height = static_cast<int>(common::pixelsToTwips(infoParts(info).infoc()->height()));
    const int window = static_cast<int>(common::pixelsToTwips(info.height()));
    ASSERT_GT(height, window); // the text is longer than the window

    for (int press = 0; press < 200; ++press)
        info.keyDown(kDown, press > 0);
    EXPECT_LE(info.textTop(), -height);
    EXPECT_GT(info.textTop(), -height - 1000);

    for (int press = 0; press < 400; ++press)
        info.keyDown(kUp);
    EXPECT_GE(info.textTop(), window);
    EXPECT_LT(info.textTop(), window + 1000);
}

TEST_F(InfoWindowTest, AnAnswerThatComesAfterTheWindowClosedIsDropped) {
    start();
    app->browser()->keyDown(kInfo, false);
    zembra::Info& info = *app->info();
    bool came = false;
    QObject::connect(&info.indexer(), &zembra::InfoIndexer::answered, &info,
                     [&came] { came = true; });
    info.onTiminit();
    info.keyDown(kNextPage); // history.dat: not indexed yet, so the worker is asked
    ASSERT_TRUE(info.looking());
    EXPECT_EQ(text(info), zembra::Info::kLookingText);
    info.keyDown(kExit);
    ASSERT_TRUE(answered([&] { return came; }));
    EXPECT_EQ(text(info), zembra::Info::kLookingText);
}

TEST_F(InfoWindowTest, TheProgramMayEndWhileALookUpIsInHand) {
    start();
    app->browser()->keyDown(kInfo, false);
    app->info()->onTimer1();
    app.reset(); // the window and its worker go; nothing is left to answer into
    QCoreApplication::processEvents();
}

} // namespace
