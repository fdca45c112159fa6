// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the attract mode's disk work on a pool and posts the answers to the window thread.
#include "zembra/attract/OffThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <memory>

namespace zembra {

OffThread::OffThread(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(2);
}

OffThread::~OffThread() {
    // Posted answers die with this object; the work itself must not outlive what it reads.
    pool_.waitForDone();
}

void OffThread::run(Work work) {
    ++pending_;
    pool_.start([this, work = std::move(work)] {
        auto answer = std::make_shared<std::function<void()>>(work());
        QMetaObject::invokeMethod(
            this,
            [this, answer] {
                --pending_;
                (*answer)();
            },
            Qt::QueuedConnection);
    });
}

void OffThread::finishAll() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

} // namespace zembra
