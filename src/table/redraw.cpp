// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

namespace wildcrest
{

void GameForm::packhand(int column)
{
    std::array<CardCode, kHandPlaces + 1> scratch;
    int p = 1;
    for (int i = 1; i <= kHandPlaces; ++i)
        if (!hand[i][column].empty())
            scratch[p++] = hand[i][column];
    for (int i = 1; i <= kHandPlaces; ++i)
        hand[i][column] = scratch[i];
}

// Packs the hand to places 1..n and shows it again: the player's cards face up,
// the computer's as backs. An empty hand ends the round here.
void GameForm::redrawhand(int column)
{
    packhand(column);
    const bool player = column == kPlayer;
    const auto slot = [player](int k) { return player ? playerslot(k) : cpuslot(k); };
    if (hand[1][column].empty()) {
        view_.setPicture(slot(1), picturepath(kEmptyPicture));
        roundend();
        return;
    }
    for (int k = 1; k <= kHandPlaces; ++k) {
        const CardCode &card = hand[k][column];
        if (card.empty())
            view_.setPicture(slot(k), picturepath(kEmptyPicture));
        else
            view_.setPicture(slot(k), player ? facepath(card) : picturepath(kBackPicture));
    }
}

void GameForm::redrawplayerhand()
{
    redrawhand(kPlayer);
}

void GameForm::redrawcpuhand()
{
    redrawhand(kComputer);
}

} // namespace wildcrest
