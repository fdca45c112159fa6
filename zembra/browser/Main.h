// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window: the list of the current path, the artwork and every action on them.
#pragma once

#include "common/picture/PictureElement.h"
#include "zembra/browser/ArtworkPanel.h"
#include "zembra/browser/HeldMoves.h"
#include "zembra/browser/ListView.h"
#include "zembra/input/Action.h"
#include "zembra/launcher/LaunchSupervisor.h"
#include "zembra/platform/MediaPlayer.h"
#include "zembra/startup/ProgramState.h"
#include "zembra/widgets/FormResize.h"

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

namespace testing_support {
struct BrowserAccess;
}

namespace zembra {

class Application;
class FrameTrace;

/// Full screen, designed 7680 twips wide and stretched to the screen. Its timers carry the
/// names the front-end has always used; each tick handler is a method a test can call. The
/// list, the artwork and the held moves are parts of their own; the window routes keys, the
/// joystick, the pointer and its timers to them.
/// The start-up sequence runs from Timer1 a moment after the window loads, every time it
/// loads: at program start and after a change of skin or font size.
class Main : public QWidget, private SupervisedWindow {
    Q_OBJECT

public:
    /// Design size in pixels (7680 x 5760 twips).
    static constexpr int kDesignWidth = 512;
    static constexpr int kDesignHeight = 384;

    explicit Main(Application& app, QWidget* parent = nullptr);
    ~Main() override;

    /// Starts the attract mode's countdown afresh; the windows over the browser call it as they
    /// give the browser back.
    void restartIdleCountdown() { timScr.start(); }

    /// The parts the browser routes its events to.
    ListView& list() { return *list_; }
    ArtworkPanel& artwork() { return *artwork_; }
    HeldMoves& moves() { return moves_; }

    // The start-up sequence and the skin.
    void startUp();
    void setRes();    ///< places the elements as the loaded skin layout says
    void setScheme(); ///< fonts and colours from the loaded scheme (the user's size applied)
    void SetTheme();
    void PaintBg() {}
    void MoveNav();
    void makeVis();

    // The list.
    void RefreshList() { list_->RefreshList(); }
    void populateList();
    void loadLists();
    void RescanAll();
    void stepUp();
    void stepDown();
    void gNextPage();
    void gPrevPage();
    void gNextPath();
    void gPrevPath();
    void setSRate();
    void KillDisplay();

    // Artwork.
    void cabRefresh() { artwork_->cabRefresh(lastMove_); }

    // Actions.
    /// The one entry for every action, whichever device asked for it.
    void perform(Action action, ActionModifiers modifiers);
    void keyDown(int keyCode, bool modifier);
    void keyUp();
    void ToggleMute();
    void StartSaverNow();
    void exitSequence();
    void launchRequest();
    /// Whether there is a game to start: a list that is ready and a selection in it. An empty
    /// list (or the message it shows) starts nothing.
    bool hasSelection() const;
    void pictureView(common::PictureElement* element);

    // Timer ticks.
    void onTimer1() { startUp(); }
    /// What a held move's timer does on each tick.
    void tickHeldMove(Action action) { moves_.tick(action); }
    void onTimhigh() { list_->onTimhigh(); }
    void onTimscroller() { InputCheck(true); }
    void onTimscroller2() { InputCheck(false); }
    void onTimtorefresh();
    void onTimScr();
    void onTimRefreshit();
    void onTimfx();
    void onTimjoy();

    /// Starts the selected game: blocking for the configurable paths and the extras,
    /// supervised for the fixed emulators.
    void runEmu();
    /// The supervision of the game started last: its timers, keys and exit watch.
    LaunchSupervisor& supervisor() { return supervisor_; }
    /// The program is ending: every timer stops and the window takes no input, so nothing of
    /// the browser acts while the last message waits for the owner.
    void standDown();
    /// Shows what a rescan or a save could not do, one line each, over the browser for a
    /// while (a full-screen cabinet has no terminal) and on standard error.
    void showProblems(const std::vector<std::string>& problems);
    /// Performs the action bound to joystick input `index` (0 to 15).
    void shootinput(int index);

    // Window events, as the front-end has always had them.
    void activated();
    void deactivated();
    void gotFocus();
    void lostFocus();

    /// The pulse's counter (0 to 7).
    int pulseStep() const { return list_->pulseStep(); }
    bool loaded() const { return loaded_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the supervision asks of the browser.
    void launchFailed(const std::string& why) override;
    void takeKeyboardBack() override;
    bool inFront() const override;
    void startLock() override;
    void endLock() override;

    friend struct testing_support::BrowserAccess;
    friend class FrameTrace; // times the start-up tick
    /// One move of a held move's action.
    void heldMove(Action action);

    /// 1 s: the attract mode's countdown; the windows over the browser restart it.
    QTimer timScr;
    /// 1 s: waits for the exit sound, then ends the program.
    QTimer timfx;
    /// A short message over the browser, such as a program that could not be started.
    QLabel* notice;
    QTimer Timer1;       ///< 10 ms, once: the start-up sequence
    QTimer timscroller;  ///< 150 ms: dragging pages
    QTimer timscroller2; ///< 150 ms: dragging steps
    QTimer timtorefresh; ///< 500 ms, once: reload the artwork
    QTimer timjoy;       ///< 75 ms: joystick poll
    QTimer timRefreshit; ///< 400 ms, once: the first-run rescan
    QLabel* lblPath;
    std::array<QLabel*, 5> lblNav{};
    std::unique_ptr<MediaPlayer> mpFX;
    clsFormResize formResize;

    void createElements();
    void connectTimers();
    void applyRunSize();
    void showListMessage(const QString& text);
    void refreshMoved(); ///< RefreshList and cabRefresh after a move
    void prefetchNeighbours();
    void InputCheck(bool pages);
    bool labelClicked(QLabel* label, int row, QEvent* event);
    bool cellEvent(common::PictureElement* cell, int k, QEvent* event);
    QString skinFile(std::string_view name) const;

    Application& app_;
    ProgramState& state_;
    LaunchSupervisor supervisor_;
    std::unique_ptr<ListView> list_;
    std::unique_ptr<ArtworkPanel> artwork_;
    HeldMoves moves_;
    bool loaded_ = false;
    int lastMove_ = 1;           ///< +1 down the list, -1 up, for prefetching
    bool launchPending_ = false; ///< a launch waits for the launch sound to end
    QImage backgroundImage_;
    QPoint rememberedPointer_;
    /// Set by a double click: the release that ends it is not one more click.
    bool afterDoubleClick_ = false;
};

} // namespace zembra
