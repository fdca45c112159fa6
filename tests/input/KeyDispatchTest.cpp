// SPDX-License-Identifier: GPL-3.0-or-later
// The key that leaves the browser: Escape stands in for an unbound Exit.
#include "zembra/input/KeyDispatch.h"

#include <gtest/gtest.h>

namespace {

using zembra::Action;

TEST(KeyDispatch, EscapeLeavesWhileNoKeyIsBoundToExit) {
    constexpr int kEscape = 27, kQ = 81;
    auto keys = [](std::optional<int> exit, std::optional<int> up) {
        zembra::KeyBindings bindings;
        bindings.keyExit = exit;
        bindings.keyUp = up;
        return bindings;
    };
    struct Row {
        const char* name;
        zembra::KeyBindings bindings;
        int key;
        std::optional<Action> expected;
    };
    const Row rows[] = {
        {"Exit bound to Escape", keys(kEscape, {}), kEscape, Action::Exit},
        {"Exit bound out of range", keys(999, {}), kEscape, Action::Exit},
        {"Escape bound to Up, Exit unbound", keys({}, kEscape), kEscape, Action::Exit},
        {"Escape bound to Up, Exit bound", keys(kQ, kEscape), kEscape, Action::Up},
        {"other unbound keys do nothing", keys({}, {}), kQ, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(zembra::dispatchKey(row.bindings, row.key), row.expected) << row.name;
}

} // namespace
