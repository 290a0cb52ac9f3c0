// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/picture.h"

#include <optional>
#include <string>

namespace wildcrest::testing
{

// The picture the game names by a file of its folder: "QH.bmp" a face, "8D.BMP"
// a suit on offer, "Back.bmp", "Empty.bmp", "Card.bmp"; nothing for another name.
inline Picture gamePicture(const std::string &path)
{
    const std::string file = path.substr(path.find_last_of('/') + 1);
    for (Picture p : { Picture::back(), Picture::empty(), Picture::moving() })
        if ("/" + file == p.fileName())
            return p;
    const std::optional<Card> card = Card::fromCode(file.substr(0, 2));
    if (!card)
        return {};
    return file.substr(2) == ".BMP" ? Picture::suitChoice(card->suit()) : Picture::face(*card);
}

} // namespace wildcrest::testing
