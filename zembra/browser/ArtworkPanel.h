// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's artwork: the four pictures of the selection, the logo, their fall-backs and
// the move sound.
#pragma once

#include "common/picture/PictureElement.h"
#include "zembra/browser/Artwork.h"
#include "zembra/input/Action.h"
#include "zembra/platform/MediaPlayer.h"
#include "zembra/startup/ProgramState.h"

#include <QWidget>

namespace testing_support {
struct BrowserAccess;
}

namespace common {
class PictureLoader;
}

namespace zembra {

class ArtworkPanel {
public:
    /// Creates the pictures on `window`, which also watches their clicks; `sound` is the
    /// window's effects player (the move sound).
    ArtworkPanel(QWidget& window, ProgramState& state, common::PictureLoader& loader,
                 MediaPlayer& sound);

    /// Places the pictures as the loaded skin layout says.
    void place();
    /// The skin's background colour behind the flyer and the cabinet.
    void setBackgroundColour(const QColor& colour);
    /// Shows the selection's four pictures (the skin's own where a game has none), plays the
    /// move sound, and has the pictures of the next games in `direction` decoded meanwhile.
    void cabRefresh(int direction);
    /// The path's logo.
    void showLogo(bool visible, const QString& file);
    void hideAll();

    common::PictureElement* artElement(ArtKind kind) const;
    /// The picture a move's key shows with a modifier; none for the path moves.
    common::PictureElement* pictureFor(Action move) const;
    /// Whether `element` is one of the four pictures (a click opens it in the viewer).
    bool isArtwork(const QObject* element) const;
    bool isLogo(const QObject* element) const { return element == xlogo; }

private:
    friend struct testing_support::BrowserAccess;
    bool ShowFileSystemType(const std::string& file);
    void prefetchNeighbours(int direction);
    QString skinFile(std::string_view name) const;

    ProgramState& state_;
    common::PictureLoader& loader_;
    MediaPlayer& sound_;
    common::PictureElement* xMarquee;
    common::PictureElement* xScreen;
    common::PictureElement* xFlyer;
    common::PictureElement* xCabinet;
    common::PictureElement* xlogo;
    QWidget* picf; ///< sits on the cabinet picture's corner
};

} // namespace zembra
