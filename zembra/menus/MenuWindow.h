// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings menu and its screens share: the frame, the tint, the blink, the keys.
#pragma once

#include "zembra/menus/Flasher.h"
#include "zembra/menus/SettingsMenu.h"
#include "zembra/widgets/MenuGeometry.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdint>

namespace common {
struct Scheme;
}

namespace zembra {

class Application;

/// A small frameless window over the browser, where the menu stands, in the scheme's
/// background with a frame in the highlight colour. `timhigh` blinks one label (the flashing
/// label) every 150 ms; `timtrans` fires once and tints the window with what lies behind it.
/// The bound Up, Down, Select and Exit keys arrive at `command`; every other key does nothing.
/// While it is the active window the browser's exit watch stays off.
class MenuWindow : public QWidget {
    Q_OBJECT

public:
    /// `tintDelay` is timtrans's interval in milliseconds.
    MenuWindow(Application& app, int tintDelay);

    virtual void command(MenuCommand command) = 0;

    /// One blink step on the flashing label.
    void onTimhigh();
    virtual void onTimtrans();
    virtual void activated();
    virtual void deactivated() {}

    /// Brings this window to the front with the keyboard.
    void takeFocus();

    const MenuGeometry& geometry() const { return geometry_; }
    int flashStep() const { return flasher_.flashStep(); }

protected:
    /// A label in the scheme's font and the highlight colour, one menu line high, as wide as
    /// the window, its text centred.
    QLabel* addLabel(const QString& text, int top);
    void setFlashing(QLabel* label) { flashing_ = label; }
    QLabel* flashing() const { return flashing_; }
    QTimer timhigh; ///< 150 ms: blinks the flashing label
    Application& app_;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timtrans; ///< once: the see-through tint
    MenuGeometry geometry_;
    Flasher flasher_;
    QLabel* flashing_ = nullptr;
};

} // namespace zembra
