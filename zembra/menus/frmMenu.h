// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menu: five entries over the browser, driven by four keys or the joystick.
#pragma once

#include "zembra/menus/MenuWindow.h"

#include <QPointer>
#include <array>

namespace testing_support {
struct MenuAccess;
}

namespace zembra {

/// Font Size, ReDefine Keys, ScreenSaver, Skins and Exit, one under the other, the current one
/// blinking. Up and Down move (wrapping), Select opens the entry's screen, Exit closes the
/// menu; a click on an entry selects and opens it. The joystick is polled every 50 ms for as
/// long as the menu exists, also while one of its screens is in front.
class frmMenu : public MenuWindow {
    Q_OBJECT

public:
    explicit frmMenu(Application& app);
    /// The screen the menu opened goes with it.
    ~frmMenu() override;

    int menuPos() const { return menuPos_; }

    void command(MenuCommand command) override;
    /// Every entry in the highlight colour; the current one then blinks from there.
    void refreshMenu();
    /// Opens what the current entry stands for.
    void nextMenu();
    /// Performs joystick input `index` (0 to 15): only Up, Down, Select and Exit act.
    void shootinput(int index);
    void onTimjoy();
    /// The browser takes the keyboard and the menu closes.
    void closeMenu();

    void activated() override;
    void deactivated() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend struct testing_support::MenuAccess;

    QTimer timjoy; ///< 50 ms: joystick poll

    std::array<QLabel*, kMenuEntries> entries{}; ///< lblFS, lblRK, lblSS, lblSk, lblex
    int menuPos_ = 1;
    QPointer<QWidget> screen_; ///< the screen opened last
};

} // namespace zembra
