// SPDX-License-Identifier: GPL-3.0-or-later
// The font-size, screensaver-delay and skin screens that the settings menu opens.
#pragma once

#include "zembra/menus/MenuWindow.h"
#include "zembra/menus/SettingsScreens.h"

namespace testing_support {
struct ScreenAccess;
}

namespace zembra {

/// A screen laid exactly over the menu: a caption, the value being edited (blinking) and a
/// note. Up and Down step the value, Select keeps it, Exit goes back to the menu and keeps
/// nothing. Where a value cannot be kept the note says why and the screen stays.
class SettingsScreen : public MenuWindow {
    Q_OBJECT

public:
    SettingsScreen(Application& app, int tintDelay, const QString& caption, const QString& note);

    void command(MenuCommand command) override;

protected:
    QLabel* lblNote;

    virtual void up() = 0;
    virtual void down() = 0;
    virtual void select() = 0;
    void showValue(const std::string& text);
    /// Where quarn.cfg goes and the browser's place it records.
    CfgPlace cfgPlace() const;
    /// Back to the menu, which takes the keyboard; this screen closes.
    void backToMenu();
    /// The value is saved: this screen and the menu close, and the browser is taken down to be
    /// built again with the new setting.
    void rebuildBrowser();
    /// Something could not be kept: the note says why.
    void refuse(const std::string& reason);
    void hideMenu();

private:
    friend struct testing_support::ScreenAccess;

    QLabel* lblCaption;
    QLabel* lblValue;
};

/// A screen whose value is a number stepped between limits. Its tint is taken with the menu
/// hidden, so that it shows the browser behind.
class NumberSettingsScreen : public SettingsScreen {
    Q_OBJECT

public:
    NumberSettingsScreen(Application& app, int tintDelay, const QString& caption,
                         const QString& note, NumberScreen screen);
    const NumberScreen& screen() const { return screen_; }
    void onTimtrans() override;

protected:
    void up() override;
    void down() override;

    NumberScreen screen_;
};

/// The font size: 0 (the skin's own) and up; Select rebuilds the browser in the new size.
class frmFont : public NumberSettingsScreen {
    Q_OBJECT

public:
    explicit frmFont(Application& app);
    void activated() override;
    void deactivated() override;

protected:
    void select() override;
};

/// The screensaver delay in seconds, -1 for off; Select goes back to the menu.
class frmSS : public NumberSettingsScreen {
    Q_OBJECT

public:
    explicit frmSS(Application& app);

protected:
    void select() override;
};

/// The skin: starts on the current one, Up and Down walk the folders of zbthemes; Select
/// rebuilds the browser in the chosen skin. A folder that is no skin is refused with its
/// reason and the current skin stays.
class frmSkin : public SettingsScreen {
    Q_OBJECT

public:
    explicit frmSkin(Application& app);
    const SkinScreen& screen() const { return screen_; }
    void activated() override;
    void deactivated() override;

protected:
    void up() override;
    void down() override;
    void select() override;

private:
    SkinScreen screen_;
};

} // namespace zembra
