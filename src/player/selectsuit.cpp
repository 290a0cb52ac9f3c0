#include "app/gameform.h"
#include "cards/cardnames.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

namespace wildcrest
{

namespace
{

    struct SuitOffer {
        const std::string &picture;
        char suit;
    };

} // namespace

// The pile, framed in red, shows the eight of each suit in turn for one pacing
// delay; a press names the suit on show.
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
    int offered = 0;
    for (;;) {
        for (const SuitOffer &offer : offers) {
            view_.setPicture(Image45, picturepath(offer.picture));
            hitkey = kFalse;
            if (holdoffer(++offered, Image45, "name a suit: " + suitName(offer.suit))) {
                view_.setVisible(Shape2, false);
                return offer.suit;
            }
        }
    }
}

} // namespace wildcrest
