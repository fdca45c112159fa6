// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows set up their timers.
#pragma once

#include <QTimer>

namespace zembra {

/// Sets a window timer's interval in milliseconds. Precise, because the system's timers (the
/// 5 ms exit watch, the scroll rate) count on their interval and Qt's default lets them drift
/// by up to a twentieth.
inline void setupTimer(QTimer& timer, int interval, bool singleShot = false) {
    timer.setInterval(interval);
    timer.setSingleShot(singleShot);
    timer.setTimerType(Qt::PreciseTimer);
}

} // namespace zembra
