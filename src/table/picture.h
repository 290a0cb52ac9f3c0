// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/card.h"

#include <string>

namespace wildcrest
{

// What a picture control shows, as the game names it: a card's face, the
// eight of a suit being offered in the suit choice, a card's back, an empty
// place, or the plain card that stands in for one on its way. The view maps it
// to its own picture; only fileName writes it as a file.
struct Picture {
    enum class Kind { None, Face, SuitChoice, Back, Empty, Moving };
    Kind kind = Kind::None;
    Card card; // Face and SuitChoice

    static Picture face(const Card &card)
    {
        return { Kind::Face, card };
    }
    // The eight of `suit`, offered as the suit to name.
    static Picture suitChoice(char suit)
    {
        return { Kind::SuitChoice, Card('8', suit) };
    }
    static Picture back()
    {
        return { Kind::Back, {} };
    }
    static Picture empty()
    {
        return { Kind::Empty, {} };
    }
    static Picture moving()
    {
        return { Kind::Moving, {} };
    }

    // The file of the picture in the game's folder: "/QH.bmp", "/8H.BMP" for a
    // suit on offer, "/Back.bmp", "/Empty.bmp", "/Card.bmp"; "" for none.
    std::string fileName() const;
    // Whether a card's back shows (the moving card is one seen from behind).
    bool showsBack() const
    {
        return kind == Kind::Back || kind == Kind::Moving;
    }

    friend bool operator==(const Picture &, const Picture &) = default;
};

} // namespace wildcrest
