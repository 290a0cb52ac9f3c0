// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

namespace wildcrest
{

// Seven cards each, the player first, each travelling from the deck; then the
// first card of the pile is turned up. The cards come from the fixed places 1
// to 15 of the deck; deckplace only counts them.
void GameForm::dealround()
{
    for (int k = 1; k <= kHandPlaces; ++k)
        view_.setPicture(playerslot(k), picturepath(kEmptyPicture));
    for (int k = 1; k <= kHandPlaces; ++k)
        view_.setPicture(cpuslot(k), picturepath(kEmptyPicture));

    for (int k = 1; k <= 7; ++k) {
        view_.setPicture(playerslot(k), facepath(deck[2 * k - 1]));
        hand[k][kPlayer] = deck[2 * k - 1];
        ++deckplace;
        drawanimation('D');

        view_.setPicture(cpuslot(k), picturepath(kBackPicture));
        hand[k][kComputer] = deck[2 * k];
        ++deckplace;
        drawanimation('U');
    }

    view_.setPicture(Image45, facepath(deck[15]));
    curcard = deck[15];
    backdeck[1] = curcard;
    backdeckplace = 2;

    for (int j = 1; j <= 15; ++j)
        deck[j].clear();
    deckplace = 16;
}

} // namespace wildcrest
