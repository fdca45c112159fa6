// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/Application.h"

#include "common/text/NativePath.h"
#include "zembra/attract/ScreenSav.h"
#include "zembra/browser/Main.h"
#include "zembra/browser/frmMute.h"
#include "zembra/info/Info.h"
#include "zembra/menus/frmMenu.h"
#include "zembra/startup/background.h"
#include "zembra/startup/blanker.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

namespace zembra {

Application::Application(std::string programFolder, Services services)
    : state_(std::make_unique<ProgramState>()), services_(std::move(services)) {
    state_->programFolder = std::move(programFolder);
    state_->themesRoot = state_->programFolder + "\\zbthemes";
    // The program ends through quit() alone: after a change of skin or font size from the menu
    // no window is shown for the two seconds before the browser comes back.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    showMessage = [](const QString& message) {
        const QString platform = QGuiApplication::platformName();
        if (platform != "offscreen" && platform != "minimal") {
            QMessageBox::critical(nullptr, "Zembra", message);
        }
    };
}

Application::~Application() {
    // The browser refers to the intro window; it goes first. The attract window's readers end
    // before anything they answer to.
    saver_.reset();
    delete browser_.data();
    delete mute_.data();
    delete menu_.data();
    info_.reset();
}

void Application::start() {
    if (intro().load()) {
        intro().show();
    }
}

blanker& Application::intro() {
    if (!intro_) {
        intro_ = std::make_unique<blanker>(*this);
    }
    return *intro_;
}

background& Application::backdrop() {
    if (!backdrop_) {
        backdrop_ = std::make_unique<background>(*this);
    }
    return *backdrop_;
}

Main* Application::browser() const {
    return browser_.data();
}

Main& Application::loadBrowser() {
    if (browser_ == nullptr) {
        browser_ = new Main(*this);
        emit browserLoaded(browser_);
    }
    return *browser_;
}

void Application::browserClosed(Main* window) {
    if (browser_ == window) {
        browser_ = nullptr;
    }
}

void Application::showMute() {
    if (mute_ != nullptr) {
        mute_->close();
    }
    mute_ = new frmMute(*this);
    mute_->show();
}

void Application::ownWindowActivated() {
    if (Main* window = browser()) {
        window->supervisor().stopExitWatch();
    }
}

void Application::showInfo() {
    if (!info_) {
        info_ = std::make_unique<Info>(*this);
        emit infoLoaded(info_.get());
    }
    info_->load();
}

void Application::showMenu() {
    if (menu_ == nullptr) {
        menu_ = new frmMenu(*this);
    }
    focusMenu();
}

frmMenu* Application::menu() const {
    return menu_.data();
}

bool Application::menuVisible() const {
    return menu_ != nullptr && menu_->isVisible();
}

void Application::focusMenu() {
    if (menu_ != nullptr) {
        menu_->takeFocus();
    }
}

bool Application::showScreenSaver() {
    if (ending_) {
        return false;
    }
    if (!saver_) {
        saver_ = std::make_unique<ScreenSav>(*this);
    }
    saver_->open();
    return true;
}

void Application::launchSelected() {
    if (browser_ != nullptr) {
        browser_->runEmu();
    }
}

QString Application::nativeFile(const std::string& programPath) {
    return QString::fromStdString(common::nativePathText(programPath));
}

void Application::quit(int status) {
    if (quitting_) {
        return;
    }
    quitting_ = true;
    emit finished(status);
    QTimer::singleShot(0, qApp, [status] { QCoreApplication::exit(status); });
}

void Application::fatal(const QString& message, int status) {
    std::cerr << "zembra: " << message.toStdString() << std::endl;
    if (ending_) {
        return; // the first reason is on screen already
    }
    ending_ = true;
    // The message box waits in an event loop of its own, where every timer still runs. When
    // the browser has just been taken down (a refused power-off at exit), the intro's hand-over
    // would show a fresh browser over the box two seconds later, and the old browser's exit
    // watch would answer a held Exit key with an Escape into the box.
    if (intro_) {
        intro_->cancelHandOver();
    }
    if (browser_ != nullptr) {
        browser_->standDown();
    }
    showMessage(message);
    quit(status);
}

} // namespace zembra
