#pragma once

#include <QImage>

namespace wildcrest::pictures
{

// The title screen is white, so its pictures are drawn on white.
QImage titleArt(); // 763 x 232, the game's name
QImage makerLogo(); // 238 x 200, a crest holding a fanned hand
QImage banner(); // 180 x 50, the one-line motto
// The window icon at any square size, on a transparent ground.
QImage windowIcon(int size);

} // namespace wildcrest::pictures
