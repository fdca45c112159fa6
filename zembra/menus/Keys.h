// SPDX-License-Identifier: GPL-3.0-or-later
// The window that binds all thirteen actions again, one key after the other.
#pragma once

#include "zembra/menus/Flasher.h"
#include "zembra/menus/KeyRedefinition.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace zembra {

class Application;

/// Covers the browser with one blinking prompt, centred (and centred again when the window
/// is resized). Every key is taken, in key-file order, with no skipping; after the thirteenth
/// the key file is replaced whole, the new keys act at once, and the browser takes the
/// keyboard back (and hands it to the menu, which is still open).
class Keys : public QWidget {
    Q_OBJECT

public:
    explicit Keys(Application& app);

    /// Takes the key with Windows code `keyCode` for the awaited action.
    void keyDown(int keyCode);
    void onTimhigh();
    const KeyRedefinition& redefinition() const { return redefinition_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void centre();
    void finish();

    QTimer timhigh; ///< 150 ms: blinks the prompt
    QLabel* Label1;
    Application& app_;
    KeyRedefinition redefinition_;
    Flasher flasher_;
};

} // namespace zembra
