// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/KeyboardFocus.h"

#include "zembra/platform/KeyInjector.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace zembra {
namespace {

/// A window just shown is mapped a moment later; X refuses the keyboard to one not yet mapped.
void takeWhenMapped(QPointer<QWidget> window, KeyInjector& keys, int tries) {
    if (window == nullptr || !window->isVisible()) {
        return;
    }
    if (window->windowHandle() != nullptr && window->windowHandle()->isExposed()) {
        keys.takeKeyboard(window->winId());
        return;
    }
    if (tries > 0) {
        QTimer::singleShot(20, window,
                           [window, &keys, tries] { takeWhenMapped(window, keys, tries - 1); });
    }
}

} // namespace

void giveKeyboard(QWidget* window, KeyInjector& keys) {
    window->show();
    window->raise();
    window->activateWindow();
    window->setFocus();
    takeWhenMapped(window, keys, 50);
}

} // namespace zembra
