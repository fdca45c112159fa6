// SPDX-License-Identifier: GPL-3.0-or-later
// Photo-like test pictures that compress as real screenshots and photographs do.
#pragma once

#include <QImage>
#include <QSize>

namespace zembra::bench {

/// Smooth gradients under fine noise, so the picture compresses like a real screenshot or
/// photograph, not like a flat test card. The same seed gives the same picture.
QImage photoLike(QSize size, int seed);

} // namespace zembra::bench
