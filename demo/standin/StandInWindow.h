// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in's full-screen window: shows the launch, records keys, ends like an emulator.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <string_view>
#include <unordered_map>

class QKeyEvent;

namespace standin {

/// How the stand-in was started, ready to show (escaped the way the record writes it).
struct Launch {
    QString program; ///< the program's file name, without its folder
    QStringList arguments;
    QString folder;
};

/// The name a key is recorded and shown by: `A`..`Z`, `0`..`9`, `F1`..`F24`, `Ctrl`, `Alt`,
/// `Shift`, `Enter`, `Escape`, `Tab`, `Space`, `Backspace`, the four arrows, else Qt's portable
/// key text, else `0x` and the key code in lower-case hex.
QString keyName(int key);

/// Whether a key only changes other keys (Ctrl, Alt, Shift, Meta, AltGr ...). Such keys neither
/// advance nor break the table player's closing sequence.
bool isModifierKey(int key);

/// The closing sequence of a table player: a tap of Q, then F while Alt is held, then X. Any
/// other key pressed on the way starts it over; a Q always starts it afresh.
class ClosingSequence {
public:
    /// Feeds one key press (never a release or an auto-repeat); true when it completes.
    bool press(int key, bool altHeld);

private:
    int stage_ = 0; ///< 0 waiting for Q, 1 waiting for Alt+F, 2 waiting for X
};

class StandInWindow : public QWidget {
public:
    /// `record` writes one entry of the record (without the line end).
    StandInWindow(Launch launch, std::function<void(std::string_view)> record);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void key(const QKeyEvent& event, bool down);
    void end(std::string_view how);

    Launch launch_;
    std::function<void(std::string_view)> record_;
    std::deque<QString> recentKeys_;
    std::unordered_map<quint32, QString> pressedNames_; ///< by scan code, until released
    ClosingSequence closing_;
    bool ended_ = false;
    bool exposed_ = false;
};

} // namespace standin
