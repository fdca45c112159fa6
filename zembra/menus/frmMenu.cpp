// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/frmMenu.h"

#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/input/JoystickPoll.h"
#include "zembra/menus/KeyboardFocus.h"
#include "zembra/menus/Keys.h"
#include "zembra/menus/SettingsWindows.h"
#include "zembra/startup/Application.h"
#include "zembra/widgets/WindowTimer.h"

#include <QMouseEvent>

namespace zembra {

frmMenu::frmMenu(Application& app) : MenuWindow(app, 5) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view caption = kMenuItems[i].caption;
        entries[i] = addLabel(QString::fromUtf8(caption.data(), caption.size()),
                              geometry().entryTop(static_cast<int>(i) + 1));
        entries[i]->setObjectName(
            QString::fromUtf8(kMenuItems[i].label.data(), kMenuItems[i].label.size()));
    }
    setupTimer(timjoy, 50);
    connect(&timjoy, &QTimer::timeout, this, &frmMenu::onTimjoy);
    timjoy.start();
    refreshMenu();
}

frmMenu::~frmMenu() {
    delete screen_.data();
}

void frmMenu::refreshMenu() {
    for (QLabel* entry : entries) {
        common::setTextColour(entry, common::colourFromNumber(app_.state().scheme.highColour));
    }
    setFlashing(entries[static_cast<std::size_t>(menuPos_ - 1)]);
}

void frmMenu::command(MenuCommand command) {
    switch (command) {
    case MenuCommand::Exit:
        closeMenu();
        break;
    case MenuCommand::Up:
        menuPos_ = menuUp(menuPos_);
        refreshMenu();
        break;
    case MenuCommand::Down:
        menuPos_ = menuDown(menuPos_);
        refreshMenu();
        break;
    case MenuCommand::Select:
        nextMenu();
        break;
    }
}

void frmMenu::nextMenu() {
    QWidget* screen = nullptr;
    switch (zembra::nextMenu(menuPos_)) {
    case MenuEntry::FontSize:
        screen = new frmFont(app_);
        break;
    case MenuEntry::RedefineKeys:
        screen = new Keys(app_);
        break;
    case MenuEntry::ScreenSaver:
        screen = new frmSS(app_);
        break;
    case MenuEntry::Skins:
        screen = new frmSkin(app_);
        break;
    case MenuEntry::Exit:
        closeMenu();
        return;
    }
    delete screen_.data(); // one screen at a time (the joystick can open one behind another)
    screen_ = screen;
    giveKeyboard(screen, *app_.services().keys);
}

void frmMenu::closeMenu() {
    timjoy.stop();
    timhigh.stop();
    if (Main* browser = app_.browser()) {
        giveKeyboard(browser, *app_.services().keys);
    }
    close();
}

void frmMenu::shootinput(int index) {
    const auto& actions = app_.state().joyBindings.actions;
    if (index < 0 || static_cast<std::size_t>(index) >= actions.size()) {
        return;
    }
    if (const auto what = menuJoystickCommand(actions[static_cast<std::size_t>(index)])) {
        command(*what);
    }
}

void frmMenu::onTimjoy() {
    const auto joystick = app_.services().joystick->poll();
    if (!joystick) {
        return;
    }
    for (const int input : joystickInputs(*joystick)) {
        if (!timjoy.isActive()) {
            return; // closed by the input before
        }
        shootinput(input);
    }
}

void frmMenu::activated() {
    MenuWindow::activated();
    timhigh.start();
}

void frmMenu::deactivated() {
    timhigh.stop();
}

void frmMenu::mousePressEvent(QMouseEvent* event) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i]->geometry().contains(event->position().toPoint())) {
            menuPos_ = static_cast<int>(i) + 1;
            refreshMenu();
            nextMenu();
            return;
        }
    }
    MenuWindow::mousePressEvent(event);
}

} // namespace zembra
