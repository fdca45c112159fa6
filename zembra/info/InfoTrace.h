// SPDX-License-Identifier: GPL-3.0-or-later
// Writes when the information window shows its text, for the benchmark and the end-to-end run.
#pragma once

#include "zembra/widgets/TraceFile.h"

#include <QObject>
#include <QString>
#include <string>

namespace zembra {

class Info;

/// When the program is started with ZEMBRA_TRACE=FILE, appends one line each time the
/// information window shows the text of a look-up, in nanoseconds of the monotonic clock:
///   info-text OPENED FRAME MODE found|none
/// OPENED is when the window was opened (or its file switched), FRAME the first frame that
/// shows the text, MODE "info" or "history", and "none" marks the no-entry text.
class InfoTrace : public QObject {
public:
    /// Follows `window` (and goes with it); nothing when `file` cannot be written.
    InfoTrace(Info& window, const std::string& file);
    InfoTrace(const InfoTrace&) = delete;
    InfoTrace& operator=(const InfoTrace&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Info& window_;
    TraceFile out_;
    long long opened_ = 0;
    QString shown_; ///< "MODE found|none" of a text not yet painted
};

} // namespace zembra
