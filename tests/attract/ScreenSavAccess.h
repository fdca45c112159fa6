// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the attract window's picture, labels and rotation, which it keeps to itself.
#pragma once

#include "zembra/attract/ScreenSav.h"

namespace testing_support {

struct ScreenSavAccess {
    zembra::ScreenSav& saver;

    QTimer& timrotate() { return saver.timrotate; }
    common::PictureElement* xPreview() { return saver.xPreview; }
    std::array<QLabel*, 3>& lblsong() { return saver.lblsong; }
};

inline ScreenSavAccess saverParts(zembra::ScreenSav& saver) {
    return {saver};
}

} // namespace testing_support
