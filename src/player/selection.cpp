// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/cardnames.h"
#include "cards/picturepaths.h"
#include "settings/speeds.h"
#include "table/layout.h"

#include <vector>

namespace wildcrest
{

// The player's whole turn with one switch: the playable cards are offered, lifted,
// in place order as the player's scanning method offers them, and the one taken
// is played. Cards that may not be played are never offered.
TurnOutcome GameForm::selection()
{
    view_.setKeyPreview(true);
    std::vector<int> slots;
    for (int i = 1; i <= kHandPlaces; ++i)
        if (playableOn(hand[i][kPlayer], curcard))
            slots.push_back(i);
    if (slots.empty()) {
        playerdraw();
        return TurnOutcome::Drew;
    }

    std::vector<Offer> offers;
    for (int i : slots) {
        const Control card = playerslot(i);
        offers.push_back({ card,
            cardName(hand[i][kPlayer], words()),
            [this, card] { view_.setTop(card, view_.top(card) - kLift); },
            [this, card] { view_.setTop(card, view_.top(card) + kLift); } });
    }
    playplayercard(slots[scan_.choose(*this, offers)]);
    scan_.endTurn();
    return reset == kTrue ? TurnOutcome::RoundEnded : TurnOutcome::Played;
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
