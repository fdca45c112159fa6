// SPDX-License-Identifier: GPL-3.0-or-later
// Handing the keyboard from one of the menu's windows to the next.
#pragma once

#include <QWidget>

namespace zembra {

class KeyInjector;

/// Brings `window` to the front and gives it the keyboard. Qt's own request carries the time of
/// the last event the program saw, and X ignores it when the keyboard moved since (a window of
/// the menu that was unmapped for a moment while it had the keyboard sends it back to the
/// root); so the keyboard is also taken "now", once the window is on the screen. Nothing
/// happens to a window that closes meanwhile.
void giveKeyboard(QWidget* window, KeyInjector& keys);

} // namespace zembra
