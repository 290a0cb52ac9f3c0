// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/cardcode.h"

#include <string>

namespace wildcrest
{

// File names of the fixed pictures, appended to the directory of the executable.
inline const std::string kBackPicture = "/Back.bmp";
inline const std::string kEmptyPicture = "/Empty.bmp";
inline const std::string kCardPicture = "/Card.bmp";
// The four eights of the suit choice, spelled with an upper-case extension.
inline const std::string kSuitPictureHearts = "/8H.BMP";
inline const std::string kSuitPictureSpades = "/8S.BMP";
inline const std::string kSuitPictureDiamonds = "/8D.BMP";
inline const std::string kSuitPictureClubs = "/8C.BMP";

// The face picture of a card: the directory, "/", the trimmed code, ".bmp".
std::string facepath(const std::string &appdir, const CardCode &code);
// A fixed picture: the directory followed by its name, nothing in between.
std::string picturepath(const std::string &appdir, const std::string &name);

} // namespace wildcrest
