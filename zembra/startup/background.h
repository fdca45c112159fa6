// SPDX-License-Identifier: GPL-3.0-or-later
// The black backdrop behind every window of the front-end.
#pragma once

#include <QWidget>

namespace zembra {

class Application;

/// Covers the desktop so nothing of it shows between windows. A click or a key on it brings
/// the browser back; it keeps itself at the back of the window order.
class background : public QWidget {
    Q_OBJECT

public:
    explicit background(Application& app, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void showBrowser();

    Application& app_;
};

} // namespace zembra
