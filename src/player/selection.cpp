#include "app/gameform.h"
#include "app/speeds.h"
#include "cards/cardnames.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

namespace wildcrest
{

// The player's whole turn with one switch: the playable cards are lifted one
// after another in place order, each for one pacing delay, and a press plays
// the lifted one. Cards that may not be played are never offered.
void GameForm::selection()
{
    view_.setKeyPreview(true);
    std::array<bool, kHandPlaces + 1> playable {};
    int lastplayable = 0;
    for (int i = 1; i <= kHandPlaces; ++i) {
        playable[i] = playableOn(hand[i][kPlayer], curcard);
        if (playable[i])
            lastplayable = i;
    }
    if (lastplayable == 0) {
        playerdraw();
        return;
    }

    int offers = 0;
    for (;;) {
        for (int i = 1; i <= kHandPlaces; ++i) {
            if (!hand[i][kPlayer].empty() && playable[i]) {
                const Control card = playerslot(i);
                view_.setTop(card, view_.top(card) - kLift);
                if (holdoffer(++offers, card, cardName(hand[i][kPlayer]))) {
                    playplayercard(i);
                    adaptive.endTurn();
                    return;
                }
                view_.setTop(card, view_.top(card) + kLift);
            }
            view_.yield();
        }
    }
}

// The card in `slot` is still lifted; an eight has its suit named before it leaves.
void GameForm::playplayercard(int slot)
{
    if (isEight(hand[slot][kPlayer]))
        hand[slot][kPlayer] = std::string { '8', selectsuit(hand[slot][kPlayer]) };
    const CardCode played = hand[slot][kPlayer];
    const Control card = playerslot(slot);

    view_.setPicture(card, picturepath(kEmptyPicture));
    view_.setPicture(Image45, facepath(played));
    curcard = played;
    hand[slot][kPlayer].clear();
    hitkey = kFalse;
    movetopile('U', slot);
    view_.setTop(card, view_.top(card) + kLift);
    redrawplayerhand();
    view_.yield();
}

} // namespace wildcrest
