// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as Qt reports them, turned into the Windows virtual-key codes the key file stores.
#pragma once

namespace zembra {

/// The Windows virtual-key code of a Qt key (Qt::Key), taking the keypad flag into account;
/// 0 for a key without one. Letters and digits map to 65-90 and 48-57 whatever the case or
/// shift state; Tab 9, Enter 13, Escape 27, Space 32, Page Up/Down 33/34, End 35, Home 36,
/// arrows 37-40, Insert 45, Delete 46, F1-F24 112-135, keypad digits 96-105, Shift 16,
/// Control 17, Alt 18, and the rest of the usual keyboard.
int windowsKeyCode(int qtKey, bool keypad = false);

/// The Qt key that produces a Windows virtual-key code (for synthesised key events in tests);
/// 0 when there is none.
int qtKeyForWindowsCode(int windowsCode);

} // namespace zembra
