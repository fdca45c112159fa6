// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/SettingsWindows.h"

#include "common/text/Strings.h"
#include "zembra/browser/Main.h"
#include "zembra/menus/KeyboardFocus.h"
#include "zembra/menus/frmMenu.h"
#include "zembra/platform/KeyInjector.h"
#include "zembra/startup/Application.h"

#include <utility>

namespace zembra {
namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

} // namespace

SettingsScreen::SettingsScreen(Application& app, int tintDelay, const QString& caption,
                               const QString& note)
    : MenuWindow(app, tintDelay) {
    lblCaption = addLabel(caption, geometry().entryTop(2));
    lblValue = addLabel(QString(), geometry().entryTop(3));
    lblNote = addLabel(note, geometry().entryTop(4));
    lblNote->setWordWrap(true);
    setFlashing(lblValue);
    timhigh.start();
}

void SettingsScreen::command(MenuCommand command) {
    switch (command) {
    case MenuCommand::Up:
        up();
        break;
    case MenuCommand::Down:
        down();
        break;
    case MenuCommand::Select:
        select();
        break;
    case MenuCommand::Exit:
        backToMenu();
        break;
    }
}

void SettingsScreen::showValue(const std::string& value) {
    lblValue->setText(QString::fromStdString(common::printable(value)));
}

CfgPlace SettingsScreen::cfgPlace() const {
    const ProgramState& state = app_.state();
    return {state.programFolder, static_cast<std::int16_t>(state.list1.index()), state.curPath};
}

void SettingsScreen::backToMenu() {
    timhigh.stop();
    if (app_.menu() != nullptr) {
        app_.focusMenu();
    } else if (Main* browser = app_.browser()) {
        // The joystick closed the menu meanwhile.
        giveKeyboard(browser, *app_.services().keys);
    }
    close();
}

void SettingsScreen::rebuildBrowser() {
    timhigh.stop();
    close();
    if (frmMenu* menu = app_.menu()) {
        menu->closeMenu();
    }
    Main* browser = app_.browser();
    if (browser == nullptr) {
        return;
    }
    // The rebuilt browser asks for the keyboard with the time of an event from before the
    // menu's windows closed, which X ignores; it is handed over here once it stands.
    KeyInjector& keys = *app_.services().keys;
    QObject::connect(
        &app_, &Application::browserLoaded, &app_,
        [&keys](Main* rebuilt) { giveKeyboard(rebuilt, keys); }, Qt::SingleShotConnection);
    browser->KillDisplay();
}

void SettingsScreen::refuse(const std::string& reason) {
    lblNote->setText(QString::fromStdString(common::printable(reason)));
    // A long reason takes the lines below it, and more when it needs them.
    lblNote->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const int needed = lblNote->heightForWidth(width());
    if (lblNote->y() + needed + geometry().gap > height()) {
        resize(width(), lblNote->y() + needed + geometry().gap);
    }
    lblNote->resize(width(), height() - lblNote->y());
}

void SettingsScreen::hideMenu() {
    if (frmMenu* menu = app_.menu()) {
        menu->hide();
    }
}

// The number screens.

NumberSettingsScreen::NumberSettingsScreen(Application& app, int tintDelay, const QString& caption,
                                           const QString& note, NumberScreen screen)
    : SettingsScreen(app, tintDelay, caption, note), screen_(std::move(screen)) {
    showValue(screen_.label());
}

void NumberSettingsScreen::onTimtrans() {
    // First, so that the tint shows the browser behind, not the menu.
    hideMenu();
    SettingsScreen::onTimtrans();
}

void NumberSettingsScreen::up() {
    screen_.up();
    showValue(screen_.label());
}

void NumberSettingsScreen::down() {
    screen_.down();
    showValue(screen_.label());
}

// The font size.

frmFont::frmFont(Application& app)
    : NumberSettingsScreen(app, 5, text(kFontCaption), text(kFontNote),
                           fontScreen(app.state().settings.userFontSize)) {}

void frmFont::activated() {
    SettingsScreen::activated();
    timhigh.start();
}

void frmFont::deactivated() {
    timhigh.stop();
}

void frmFont::select() {
    ProgramState& state = app_.state();
    std::string error;
    if (!selectFontSize(screen_, state.settings, cfgPlace(), &error)) {
        refuse("Not saved: " + error);
        return;
    }
    state.scheme.fontSize = state.settings.userFontSize;
    rebuildBrowser();
}

// The screensaver delay.

frmSS::frmSS(Application& app)
    : NumberSettingsScreen(app, 50, text(kDelayCaption), text(kDelayNote),
                           screenSaverScreen(app.state().settings.ssDelay)) {}

void frmSS::select() {
    std::string error;
    if (!selectScreenSaverDelay(screen_, app_.state().settings, cfgPlace(), &error)) {
        refuse("Not saved: " + error);
        return;
    }
    backToMenu();
}

// The skin.

frmSkin::frmSkin(Application& app)
    : SettingsScreen(app, 50, text(kSkinCaption), QString()),
      screen_(app.state().settings.skinDir,
              GetDirs(SystemFolderListing(), app.state().programFolder)) {
    showValue(screen_.label());
}

void frmSkin::activated() {
    SettingsScreen::activated();
    timhigh.start();
}

void frmSkin::deactivated() {
    timhigh.stop();
}

void frmSkin::up() {
    screen_.up();
    showValue(screen_.label());
    lblNote->clear();
}

void frmSkin::down() {
    screen_.down();
    showValue(screen_.label());
    lblNote->clear();
}

void frmSkin::select() {
    const SkinChoice choice = selectSkin(screen_, app_.state().settings, cfgPlace());
    if (!choice.saved) {
        refuse(choice.reason + " The skin stays as it is.");
        return;
    }
    rebuildBrowser();
}

} // namespace zembra
