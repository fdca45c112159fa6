// SPDX-License-Identifier: GPL-3.0-or-later
// The sound notice: says for a moment whether the sound effects are on or off.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace testing_support {
struct MuteAccess;
}

namespace zembra {

class Application;

/// Stands where the settings menu would, tinted over the browser (the picture behind is taken
/// when the notice is made, before it is shown), flashes its label like the other screens of
/// the menu, and closes itself after 0.8 s, giving the browser the focus back.
class frmMute : public QWidget {
    Q_OBJECT

public:
    explicit frmMute(Application& app, QWidget* parent = nullptr);

    void onTimexit();
    void onTimhigh();
    /// Stops the browser's exit watch: this notice is the front-end's own window.
    void activated();

    int flashStep() const { return flashStep_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend struct testing_support::MuteAccess;

    QTimer timexit; ///< 800 ms: close
    QTimer timhigh; ///< 150 ms, from creation: flashes the label
    QLabel* lblMute;
    Application& app_;
    int flashStep_ = 0;
};

} // namespace zembra
