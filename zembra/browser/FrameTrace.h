// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the browser's frame times to a file, for the benchmark that runs the whole program.
#pragma once

#include "zembra/widgets/TraceFile.h"

#include <QObject>
#include <deque>
#include <string>

namespace zembra {

class Main;

/// When the program is started with ZEMBRA_TRACE=FILE it writes, one line each, in nanoseconds
/// of the monotonic clock (the clock a benchmark reads before it starts the program):
///   first-frame T   the first frame that shows the browser after its start-up sequence;
///   move TICK FRAME a held key's move, from its timer's tick to the frame that shows it.
/// A frame is the window's repaint, flushed to the display. Lines are written as they happen,
/// so a program that is killed leaves a whole trace.
class FrameTrace : public QObject {
public:
    /// Follows `browser` (and goes with it); nothing when `file` cannot be written.
    FrameTrace(Main& browser, const std::string& file);
    FrameTrace(const FrameTrace&) = delete;
    FrameTrace& operator=(const FrameTrace&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Main& browser_;
    TraceFile out_;
    bool startedUp_ = false;
    bool firstFrameWritten_ = false;
    std::deque<long long> ticks_;
};

} // namespace zembra
