// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of starting a game: what it hands the supervision, and what the
// supervision asks of it.
#include "zembra/browser/Main.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/blanker.h"

#include <QTimer>

namespace zembra {

void Main::runEmu() {
    const Launch launch = runEmuCommand(state_.programFolder, state_.config, state_.tables,
                                        state_.curPath, state_.list1.index());
    timScr.stop();
    timfx.stop();
    supervisor_.runEmu(launch, state_.joyBindings);
}

void Main::launchFailed(const std::string& why) {
    qWarning("zembra: %s", why.c_str());
    notice->setText(QString::fromStdString(why));
    notice->adjustSize();
    notice->move((width() - notice->width()) / 2, height() - notice->height() - 20);
    notice->show();
    notice->raise();
    QTimer::singleShot(4000, notice, &QWidget::hide);
    timScr.start();
}

void Main::takeKeyboardBack() {
    raise();
    activateWindow();
    setFocus();
    app_.services().keys->takeKeyboard(winId());
}

bool Main::inFront() const {
    return isActiveWindow();
}

void Main::startLock() {
    setEnabled(false);
}

void Main::endLock() {
    app_.intro().hide();
    setEnabled(true);
}

void Main::standDown() {
    for (QTimer* timer : {&Timer1, &timjoy, &timscroller, &timscroller2, &timtorefresh, &timScr,
                          &timRefreshit, &timfx}) {
        timer->stop();
    }
    moves_.stop();
    list_->stopPulse();
    supervisor_.standDown();
    launchPending_ = false;
    setEnabled(false);
}

} // namespace zembra
