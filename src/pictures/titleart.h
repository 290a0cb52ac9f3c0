// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace wildcrest::pictures
{

// The title screen is white, so its pictures are drawn on white; `scale`
// times the sizes below.
QImage titleArt(double scale = 1); // 763 x 232, the game's name
QImage makerLogo(double scale = 1); // 238 x 200, a crest holding a fanned hand
QImage banner(double scale = 1); // 180 x 50, the one-line motto
// The window icon at any square size, on a transparent ground.
QImage windowIcon(int size);

} // namespace wildcrest::pictures
