// SPDX-License-Identifier: GPL-3.0-or-later
// The game information window: the selected game's entry of mameinfo.dat or history.dat.
#pragma once

#include "zembra/info/InfoIndexer.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

namespace testing_support {
struct InfoAccess;
}

namespace zembra {

class Application;

/// Shown over the browser by the Info action, as large as the browser and tinted over it. Up
/// and Down scroll the text, either page key switches between the two files, any other key or
/// a click closes it and gives the browser the focus back. Made once and kept for the run, so
/// the mode and the files' indexes last between openings; a closed window is only hidden.
/// The entry is looked up by `InfoIndexer`: at once when the file's index is kept, otherwise
/// on its worker while the window says that it is looking.
class Info : public QWidget {
    Q_OBJECT

public:
    explicit Info(Application& app, QWidget* parent = nullptr);

    /// Opens the window ("load"): the mode, the place and colours, the tint, the timers.
    void load();
    void onTimer1();
    void onTiminit();
    /// A key (Windows key code) pressed while the window has the keyboard.
    void keyDown(int keyCode, bool autoRepeat = false);
    /// Gives the browser the focus and closes (hides) the window.
    void closeInfo();
    /// Runs the look-up for the current mode's file.
    void lookUp();
    /// Stops the browser's exit watch: this window is the front-end's own.
    void activated();

    /// "info" or "history"; empty until the first opening.
    const std::string& mode() const { return mode_; }
    /// Where the text's top stands, in twips from the window's top.
    int textTop() const { return textTop_; }
    /// True while a look-up waits for the worker.
    bool looking() const { return looking_; }
    InfoIndexer& indexer() { return indexer_; }

    /// Shown while the index of a file is being built.
    static constexpr const char* kLookingText = "Looking for the game's entry...";

signals:
    /// The window starts to open (for the trace).
    void opening();
    /// The text of a look-up is on the label (for the trace); `found` is false for the
    /// no-entry text.
    void textShown(const QString& mode, bool found);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend struct testing_support::InfoAccess;
    /// The information file of the current mode.
    std::filesystem::path infoFile() const;
    void answered(quint64 ticket, const QString& text);
    void showText(const QString& text);
    void placeText(int top);

    QTimer Timer1;  ///< 15 ms, once per opening: looks the entry up
    QTimer timinit; ///< 300 ms, once per opening: keys do nothing until it has ticked
    QLabel* infoc;  ///< the whole entry; scrolling moves it
    Application& app_;
    std::string mode_;
    int textTop_ = 0;
    bool looking_ = false;
    std::uint64_t ticket_ = 0; ///< the newest look-up; older answers are dropped
    InfoIndexer indexer_;
};

} // namespace zembra
