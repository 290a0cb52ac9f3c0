// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/cardnames.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

#include <vector>

namespace wildcrest
{

namespace
{

    struct SuitOffer {
        const std::string &picture;
        char suit;
    };

} // namespace

// The pile, framed in red, shows the eight of each suit in turn, offered as the
// player's scanning method offers them; the one taken is the suit named.
char GameForm::selectsuit(const CardCode &eight)
{
    const SuitOffer offers[] = {
        { kSuitPictureHearts, 'H' },
        { kSuitPictureSpades, 'S' },
        { kSuitPictureDiamonds, 'D' },
        { kSuitPictureClubs, 'C' },
    };
    real8 = eight;
    hitkey = kFalse; // the press that picked the eight must not name a suit too
    view_.setVisible(Shape2, true);
    std::vector<Offer> suits;
    for (const SuitOffer &offer : offers)
        suits.push_back({ Image45,
            fill(words().translate("Speech", "name a suit: %1"), { suitName(offer.suit, words()) }),
            [this, &offer] {
                view_.setPicture(Image45, picturepath(offer.picture));
                hitkey = kFalse;
            },
            [] {} });
    const char suit = offers[scan_.choose(*this, suits)].suit;
    view_.setVisible(Shape2, false);
    return suit;
}

} // namespace wildcrest
