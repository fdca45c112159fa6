// SPDX-License-Identifier: GPL-3.0-or-later
// A cabinet in a temporary folder and the real windows on it, with fake platform services.
#pragma once

#include "tests/browser/BrowserAccess.h"
#include "tests/fakes/FakeDisplayMode.h"
#include "tests/fakes/FakeJoystick.h"
#include "tests/fakes/FakeKeyInjector.h"
#include "tests/fakes/FakeLauncher.h"
#include "tests/fakes/FakeMediaPlayer.h"
#include "tests/fakes/FakePower.h"
#include "tests/support/QuarnIniBuilder.h"
#include "tests/support/TempFolder.h"
#include "zembra/browser/Main.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/HeadlessRescan.h"
#include "zembra/startup/blanker.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sstream>

using testing_support::parts;

namespace testing_support {

/// A display without the exact mode asked for: a change lands on `taken` (the nearest mode the
/// monitor has, or the mode it had when RandR is missing).
class NearestModeDisplay : public testing_fakes::FakeDisplayMode {
public:
    explicit NearestModeDisplay(QSize taken) : taken_(taken) {}
    void ChangeRes(float w, float h, float depth, float refresh) override {
        FakeDisplayMode::ChangeRes(w, h, depth, refresh);
        width = taken_.width();
        height = taken_.height();
    }

private:
    QSize taken_;
};

/// Path 1 holds games g01 to g12, path 3 holds g20 to g22, every other path is unused. The
/// skin "plain" is a text list of one column. quarn.cfg opens path 1 on `savedIndex`.
class BrowserTest : public testing::Test {
protected:
    /// The codes of zbkeys.cfg as SetUp writes it.
    static constexpr int kUp = 38, kDown = 40, kNextPage = 34, kPrevPage = 33, kNextPath = 39,
                         kPrevPath = 37, kSelect = 13, kExit = 27, kSaver = 83, kMute = 77,
                         kInfo = 73;

    void SetUp() override {
        std::string gamelist;
        for (int i = 1; i <= 30; ++i) {
            const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
            gamelist += "g" + n + ",\"Game " + n + "\"\r\n";
        }
        cab.write("gamelist.lst", gamelist);
        values.paths[1].romFolder = cab.text() + "/roms1/";
        values.paths[1].title = "Fixture";
        values.paths[1].artFolder = cab.text() + "/art/";
        values.paths[3].romFolder = cab.text() + "/roms3/";
        values.paths[3].title = "Third";
        for (int i = 1; i <= 12; ++i)
            cab.touch("roms1/g" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".zip");
        for (int i = 20; i <= 22; ++i)
            cab.touch("roms3/g" + std::to_string(i) + ".zip");
        writeSkin("\"list\"", 1);
        cab.write("zbthemes/plain/scheme.cfg", "\"DejaVu Sans\",11,3342336,16777215,255\r\n");
        for (const char* sound : {"start.mp3", "pop.mp3", "com.mp3", "end.mp3"})
            cab.touch(std::string("zbthemes/plain/") + sound);
        cab.write("zbkeys.cfg", "38,40,34,33,116,9,39,37,13,27,83,77,73\r\n");
        savedIndex = 4;
    }

    void TearDown() override {
        app.reset();
        QCoreApplication::processEvents();
    }

    /// skin.ini with the given list mode and columns; the flyer kind is hidden by the skin.
    void writeSkin(const std::string& listType, int columns,
                   const std::string& listArea = "900,200,3600,4500",
                   const std::string& cell = "1000,750", int spacing = 100) {
        cab.write("zbthemes/plain/skin.ini",
                  "600,4000,3400,2600\r\n#TRUE#\r\n3400,5800,1600,2100\r\n#TRUE#\r\n"
                  "3400,4000,1600,2100\r\n#FALSE#\r\n100,4000,3400,450\r\n#TRUE#\r\n" +
                      listArea + "\r\n" + std::to_string(columns) + "\r\n" + listType + "\r\n" +
                      cell + "\r\n150,200\r\n#TRUE#\r\n5500,200\r\n#TRUE#\r\n" +
                      std::to_string(spacing) + "\r\n0\r\n5300,2400,300,1200\r\n#FALSE#\r\n");
    }

    /// A picture of one colour for `game` in path 1's artwork folder of `kind`.
    void writeArt(const std::string& kind, const std::string& game) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const auto file = cab / "art" / kind / (game + ".png");
        std::filesystem::create_directories(file.parent_path());
        ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
    }

    /// Runs the intro's hand-over and the browser's start-up sequence, without waiting.
    zembra::Main& start() {
        cab.write("quarn.ini", joinLines(quarnLines(values)));
        if (scanFirst) {
            std::ostringstream ignored;
            zembra::runHeadlessRescan(cab.text(), ignored, ignored);
        }
        cab.write("quarn.cfg", "\"\\plain\\\"\r\n" + ssDelay + "\r\n0\r\n0\r\n1\r\n" +
                                   std::string(muted ? "#TRUE#" : "#FALSE#") + "\r\n" +
                                   std::to_string(savedIndex) + "\r\n" + std::to_string(savedPath) +
                                   "\r\n0\r\n");
        zembra::Services services;
        services.makePlayer = testing_fakes::FakeMediaPlayer::factory(&players);
        services.display =
            kept(display, modeTaken ? std::make_unique<NearestModeDisplay>(*modeTaken)
                                    : std::make_unique<testing_fakes::FakeDisplayMode>());
        services.joystick = std::make_unique<testing_fakes::FakeJoystick>();
        services.pictures = std::make_unique<common::PictureLoader>();
        services.launcher = kept(launcher, std::make_unique<testing_fakes::FakeLauncher>());
        services.keys = kept(keys, std::make_unique<testing_fakes::FakeKeyInjector>());
        services.power = kept(power, std::make_unique<testing_fakes::FakePower>());
        app = std::make_unique<zembra::Application>(cab.text(), std::move(services));
        app->start();
        app->intro().onTimresize();
        zembra::Main& browser = *app->browser();
        browser.onTimer1();
        return browser;
    }

    /// The program closed and started again on the cabinet as it is now.
    zembra::Main& restart() {
        app.reset();
        players.clear();
        return start();
    }

    static void tap(zembra::Main& browser, int key, bool modifier = false) {
        browser.keyDown(key, modifier);
        browser.keyUp();
    }

    testing_fakes::FakeJoystick& joystick() {
        return static_cast<testing_fakes::FakeJoystick&>(*app->services().joystick);
    }

    /// The shown top-level window of type `Window`, if any.
    template <typename Window>
    static Window* shownWindow() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<Window*>(window);
            if (found != nullptr && found->isVisible())
                return found;
        }
        return nullptr;
    }

    /// Hands `made` on, keeping a pointer to it in `into`.
    template <class Fake, class Made>
    static std::unique_ptr<Made> kept(Fake*& into, std::unique_ptr<Made> made) {
        into = made.get();
        return made;
    }

    zembra::ProgramState& state() { return app->state(); }

    /// The text row `row` of the list shows.
    std::string row(zembra::Main& browser, int row) {
        return parts(browser).ll().at(static_cast<std::size_t>(row))->text().toStdString();
    }

    testing_fakes::FakeMediaPlayer& fx() { return *players.at(1); }

    TempFolder cab;
    QuarnValues values;
    int savedIndex = 0;
    int savedPath = 1;
    bool muted = false;
    bool scanFirst = true; ///< write the list files before starting, as a set-up cabinet has
    std::string ssDelay = "120";
    std::optional<QSize> modeTaken; ///< the mode a change lands on, when not the one asked for
    std::vector<testing_fakes::FakeMediaPlayer*> players; ///< 0 the intro's, 1 the browser's
    testing_fakes::FakeDisplayMode* display = nullptr;
    testing_fakes::FakeLauncher* launcher = nullptr;
    testing_fakes::FakeKeyInjector* keys = nullptr;
    testing_fakes::FakePower* power = nullptr;
    std::unique_ptr<zembra::Application> app;
};

} // namespace testing_support
