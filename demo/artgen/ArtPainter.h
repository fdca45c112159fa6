// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the four stand-in pictures of a game: marquee, snap, flyer and cabinet.
#pragma once

#include "GameNames.h"

#include <QImage>

namespace artgen {

/// 512 x 128: the title on a coloured band.
QImage paintMarquee(const Game& game);

/// 320 x 240: a made-up title screen, drawn coarse and enlarged like an old screenshot.
QImage paintSnap(const Game& game);

/// 240 x 336: a poster with the title, rays and a tag line.
QImage paintFlyer(const Game& game);

/// 240 x 336 with a see-through background: an upright cabinet whose screen shows `snap`.
QImage paintCabinet(const Game& game, const QImage& snap);

} // namespace artgen
