// SPDX-License-Identifier: GPL-3.0-or-later
// Work that may wait on the disk, done off the window thread and answered on it.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <functional>

namespace zembra {

/// Runs each piece of work on a thread of its own pool; what the work returns is then called on
/// the thread that owns this object, from its event loop. The answers of work still running when
/// the object goes are dropped (its destructor waits for the work to end).
class OffThread : public QObject {
    Q_OBJECT

public:
    /// Work returns what to do with its result on the window thread.
    using Work = std::function<std::function<void()>()>;

    explicit OffThread(QObject* parent = nullptr);
    ~OffThread() override;

    void run(Work work);
    /// Work started and not yet answered.
    int pending() const { return pending_; }
    /// Waits for the work and delivers every answer now (tests and the end of the program).
    void finishAll();

private:
    QThreadPool pool_;
    int pending_ = 0;
};

} // namespace zembra
