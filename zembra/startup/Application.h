// SPDX-License-Identifier: GPL-3.0-or-later
// The running program: its state, its services and its windows.
#pragma once

#include "zembra/platform/Services.h"
#include "zembra/startup/ProgramState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

namespace zembra {

class Main;
class blanker;
class background;
class frmMute;
class ScreenSav;
class frmMenu;
class Info;

/// Owns the program-wide state and the services, and creates the windows as they are needed.
/// Windows reach one another through it. The browser window `Main` is closed and loaded anew
/// when the skin or the font size changes; the others live for the whole run.
class Application : public QObject {
    Q_OBJECT

public:
    Application(std::string programFolder, Services services);
    ~Application() override;

    ProgramState& state() { return *state_; }
    Services& services() { return services_; }

    /// Opens the intro window, which starts everything else.
    void start();

    blanker& intro();
    background& backdrop();

    /// The browser window, or nullptr while it is closed.
    Main* browser() const;
    /// The browser window, created ("loaded") when it is closed.
    Main& loadBrowser();
    /// Called by the browser when it closes.
    void browserClosed(Main* window);

    /// The sound notice after the Mute action.
    void showMute();
    /// One of the front-end's own windows (a notice, the menu, the attract or information
    /// window) took the keyboard over the browser: that is no game's window, so the browser's
    /// watch for a game's window losing the keyboard stops.
    void ownWindowActivated();

    // The windows that the Info, Config, Invoke ScreenSaver and picture-view actions open.
    // Each action arrives here and nowhere else.
    /// Opens the game information window over the browser (made on first use, kept for the
    /// run so its mode and the files' indexes last).
    void showInfo();
    /// The information window, or nullptr before its first opening.
    Info* info() const { return info_.get(); }
    /// Opens the settings menu over the browser (a menu already open takes the keyboard).
    void showMenu();
    /// The settings menu, or nullptr while it is closed.
    frmMenu* menu() const;
    bool menuVisible() const;
    /// Shows the open settings menu and gives it the keyboard.
    void focusMenu();
    /// Opens the attract window in the browser's place, as the screensaver or, when `ssMode`
    /// is false, as the picture viewer; false when it could not be opened, in which case the
    /// browser stays as it is.
    bool showScreenSaver();
    /// The attract window, or nullptr before it was first opened.
    ScreenSav* screenSaver() const { return saver_.get(); }

    /// Starts the selected game; the launch request ends here.
    void launchSelected();

    /// A program path ("C:\x\y.png", "\zbthemes\neon\pop.mp3" after the program folder) as a
    /// native file name.
    static QString nativeFile(const std::string& programPath);

    /// Ends the program with `status` once control returns to the event loop.
    void quit(int status);
    /// Something the program cannot go on without failed (quarn.ini cannot be used, the
    /// machine cannot be switched off): the reason is shown and, once the owner has dismissed
    /// it, the program ends with `status`. Nothing comes up over the message meanwhile.
    void fatal(const QString& message, int status = 2);
    /// True from the first fatal error on: no window is brought up any more.
    bool ending() const { return ending_; }

    /// Shows a message the owner must dismiss and returns once it is dismissed; a message box
    /// on a real display, nothing on the offscreen one. Tests put a recorder here.
    std::function<void(const QString&)> showMessage;

    /// How many times each not-yet-built window was asked for (for tests).

signals:
    void browserLoaded(Main* window);
    void infoLoaded(Info* window);
    void finished(int status);

private:
    std::unique_ptr<ProgramState> state_;
    Services services_;
    std::unique_ptr<background> backdrop_;
    std::unique_ptr<blanker> intro_;
    std::unique_ptr<ScreenSav> saver_;
    QPointer<Main> browser_;
    QPointer<frmMute> mute_;
    QPointer<frmMenu> menu_;
    std::unique_ptr<Info> info_;
    bool quitting_ = false;
    bool ending_ = false;
};

} // namespace zembra
