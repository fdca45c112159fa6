// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's actions: key dispatch, mute, rescan, the attract countdown and exit.
#include "common/text/NativePath.h"
#include "common/text/Strings.h"
#include "zembra/browser/Main.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/PathList.h"
#include "zembra/catalogue/Rescan.h"
#include "zembra/catalogue/Scan.h"
#include "zembra/catalogue/ScanMessages.h"
#include "zembra/input/JoystickPoll.h"
#include "zembra/input/KeyDispatch.h"
#include "zembra/input/KeyFile.h"
#include "zembra/launcher/KeySequences.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/Shutdown.h"
#include "zembra/startup/blanker.h"

#include <utility>

namespace zembra {

void Main::heldMove(Action action) {
    switch (action) {
    case Action::Up:
        stepUp();
        return;
    case Action::Down:
        stepDown();
        return;
    case Action::PrevPage:
        gPrevPage();
        break;
    case Action::NextPage:
        gNextPage();
        break;
    case Action::PrevPath:
        gPrevPath();
        break;
    case Action::NextPath:
        gNextPath();
        break;
    default:
        return;
    }
    refreshMoved();
}

void Main::keyDown(int keyCode, bool modifier) {
    timScr.stop();
    if (const auto action = dispatchKey(state_.keys, keyCode)) {
        perform(*action, {.modifier = modifier, .repeatsWhileHeld = true});
    }
}

void Main::perform(Action action, ActionModifiers modifiers) {
    if (HeldMoves::isMove(action)) {
        common::PictureElement* picture = artwork_->pictureFor(action);
        if (!modifiers.repeatsWhileHeld) {
            moves_.tick(action);
        } else if (modifiers.modifier && picture != nullptr) {
            state_.savedIndex = static_cast<std::int16_t>(state_.list1.index());
            pictureView(picture);
        } else {
            app_.services().pictures->setBusy(true);
            moves_.press(action);
        }
        return;
    }
    switch (action) {
    case Action::Info:
        app_.showInfo();
        break;
    case Action::Config:
        app_.showMenu();
        break;
    case Action::Mute:
        ToggleMute();
        break;
    case Action::Exit:
        exitSequence();
        break;
    case Action::Saver:
        StartSaverNow();
        break;
    case Action::Refresh:
        RescanAll();
        break;
    case Action::Select:
        launchRequest();
        break;
    default: // the moves, above
        break;
    }
}

void Main::onTimjoy() {
    const auto joystick = app_.services().joystick->poll();
    if (!joystick) {
        return;
    }
    const std::vector<int> inputs = joystickInputs(*joystick);
    if (joystick->buttons >= 1) {
        timScr.stop();
    }
    for (const int input : inputs) {
        shootinput(input);
    }
}

void Main::shootinput(int index) {
    if (const auto action = state_.joyBindings.actions.at(static_cast<std::size_t>(index))) {
        perform(*action, {.modifier = false, .repeatsWhileHeld = false});
    }
    timScr.start();
    state_.settings.ssCountdown = state_.settings.ssDelay;
}

void Main::keyUp() {
    moves_.release();
    app_.services().pictures->setBusy(false);
    timScr.start();
    state_.settings.ssCountdown = state_.settings.ssDelay;
    timtorefresh.stop();
    onTimtorefresh();
}

void Main::onTimtorefresh() {
    timtorefresh.stop();
    cabRefresh();
}

void Main::ToggleMute() {
    if (!state_.settings.muted) {
        state_.settings.muted = true;
        if (mpFX->playState() == MediaPlayer::Playing) {
            mpFX->stop();
        }
    } else {
        state_.settings.muted = false;
    }
    app_.showMute();
}

void Main::StartSaverNow() {
    state_.settings.ssCountdown = 1;
    onTimScr();
}

void Main::onTimScr() {
    UserSettings& settings = state_.settings;
    if (settings.ssCountdown == -1) {
        return;
    }
    settings.ssCountdown -= 1;
    if (settings.ssCountdown <= 0) {
        state_.ssMode = true;
        timScr.stop();
        if (app_.showScreenSaver()) {
            hide();
        }
    }
}

void Main::pictureView(common::PictureElement* element) {
    state_.ssMode = false;
    state_.viewPic = element->fileName().toStdString();
    app_.showScreenSaver();
}

bool Main::hasSelection() const {
    const ItemList& list = state_.list1;
    return list.visible() && list.index() >= 0 && list.index() < list.count();
}

void Main::launchRequest() {
    timScr.stop();
    if (!hasSelection()) {
        return;
    }
    if (state_.settings.muted) {
        app_.launchSelected();
        return;
    }
    timfx.stop();
    launchPending_ = false;
    mpFX->setFileName(skinFile("com.mp3"));
    if (mpFX->fileName().isEmpty()) {
        // Without its sound the launch would wait for ever; it goes ahead at once.
        app_.launchSelected();
        return;
    }
    launchPending_ = true;
    mpFX->play();
}

void Main::exitSequence() {
    // Every save is attempted: the key file failing must not cost the settings.
    std::vector<std::string> problems;
    std::string error;
    if (!saveKeys(state_.programFolder, state_.keys, &error)) {
        problems.push_back("Not saved: " + error);
    }
    if (!SaveCfg(state_.programFolder, state_.settings,
                 static_cast<std::int16_t>(state_.list1.index()), state_.curPath, &error)) {
        problems.push_back("Not saved: " + error);
    }
    if (!problems.empty()) {
        showProblems(problems);
    }
    if (!state_.settings.muted) {
        mpFX->setFileName(skinFile("end.mp3"));
        mpFX->play();
    }
    // A failed save stays on the screen a few seconds before the program ends.
    timfx.setInterval(problems.empty() ? 1000 : 6000);
    timfx.start();
}

void Main::showProblems(const std::vector<std::string>& problems) {
    QString text;
    for (const std::string& problem : problems) {
        qWarning("zembra: %s", problem.c_str());
        text += (text.isEmpty() ? "" : "\n") + QString::fromStdString(common::printable(problem));
    }
    notice->setText(text);
    notice->setWordWrap(true);
    notice->setMaximumWidth(width() * 9 / 10);
    notice->adjustSize();
    notice->move((width() - notice->width()) / 2, height() - notice->height() - 20);
    notice->show();
    notice->raise();
    QTimer::singleShot(15000, notice, &QWidget::hide);
}

void Main::onTimfx() {
    if (mpFX->fileName().isEmpty() || mpFX->playState() == MediaPlayer::Stopped) {
        timfx.stop();
        KillDisplay();
        const EmulatorConfig& c = state_.config;
        Services& services = app_.services();
        if (c.tvOut) {
            services.keys->send(startMonitor());
        }
        if (state_.desktopWidth != c.runWidth) {
            services.display->ChangeRes(state_.desktopWidth, state_.desktopHeight, c.exitDepth,
                                        c.exitRefresh);
        }
        if (c.powerOffOnExit) {
            try {
                Shutdown(*services.power).ShutdownSystem(kExitPowerOff);
            } catch (const ShutdownError& error) {
                // The machine stays on; the owner learns why before the program ends.
                app_.fatal(QString::fromUtf8(error.what()), 1);
                return;
            }
        }
        app_.quit(0);
        return;
    }
    // Poll the player as fast as the timer allows until the sound has finished.
    timfx.setInterval(1);
}

void Main::showListMessage(const QString& text) {
    list_->showMessage(text);
}

void Main::populateList() {
    const auto heading = zembra::populateList(state_.programFolder, state_.config, state_.tables,
                                              state_.curPath, state_.list1);
    if (!heading) {
        showListMessage(QString::fromStdString(std::string(kNoRomsMessage)));
        return;
    }
    lblPath->setText(QString::fromStdString(heading->caption));
    lblPath->adjustSize();
    artwork_->showLogo(state_.skinLayout.showLogo, Application::nativeFile(heading->logoFile));
    activateWindow();
    setFocus();
}

void Main::loadLists() {
    if (state_.preloadedPath != 0) {
        // The first start's lists were read while the program started.
        state_.curPath = std::exchange(state_.preloadedPath, std::int16_t{0});
    } else if (const auto message = zembra::loadLists(state_.programFolder, state_.config,
                                                      state_.tables, state_.curPath)) {
        showListMessage(QString::fromStdString(*message));
        return;
    }
    populateList();
    if (state_.list1.visible() && !app_.intro().busy()) {
        activateWindow();
        setFocus();
    }
    gNextPath();
}

void Main::RescanAll() {
    // Scanning against a catalogue without games would empty every list: nothing is touched.
    if (const auto refused = catalogueRefusal(state_.programFolder, state_.tables)) {
        showProblems({*refused});
        return;
    }
    state_.list1.clear();
    state_.list1.setVisible(false);
    DeleteList(state_.tables);
    // Folders that could not be read keep their lists; they and failed saves are shown after.
    std::vector<std::string> problems;
    std::string firstUltraFolder;
    ScanObserver observer;
    observer.folderDone = [&](const FolderScan& scan) {
        if (scan.path == kUltra64 && !scan.secondPass) {
            firstUltraFolder = common::nativePathText(scan.folder);
        } else if (!scan.succeeded()) {
            problems.push_back(folderReportLine(scan, firstUltraFolder));
        }
    };
    observer.listMessage = [this](std::string_view text) {
        showListMessage(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    };
    observer.pathCaption = [this](std::string_view text) {
        lblPath->setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
        lblPath->adjustSize();
        lblPath->repaint();
    };
    scanFolders(state_.programFolder, state_.config, state_.tables, observer);
    loadLists();
    // The lists end on the first path from path 1 on that has games; that path is shown.
    list_->clearFirstRow();
    refreshMoved();
    if (!problems.empty()) {
        showProblems(problems);
    }
}

void Main::onTimRefreshit() {
    timRefreshit.stop();
    RescanAll();
}

void Main::KillDisplay() {
    list_->clear();
    artwork_->hideAll();
    lblPath->setText("1");
    lblPath->hide();
    for (QLabel* arrow : lblNav) {
        arrow->hide();
    }
    app_.intro().handOverLater();
    close();
}

} // namespace zembra
