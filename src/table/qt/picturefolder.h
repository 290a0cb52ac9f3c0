// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace wildcrest
{

// The folder of the game's picture files for the program in `programDir`:
// that folder itself when the pictures lie there (the build), else the
// installed game's share/games/wildcrest, when there is one. The game names a
// missing picture in the program's own folder when neither holds them.
std::string pictureFolder(const std::string &programDir);

} // namespace wildcrest
