// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/cardnames.h"

namespace wildcrest
{

void GameForm::playerdraw()
{
    announce(words().translate("Speech", "nothing to play: press the switch to draw a card"));
    scan_.waitforpress(*this, Await::Draw);
    drawinto(kPlayer);
}

void GameForm::cpudraw()
{
    drawinto(kComputer);
}

// One card from the deck into the first empty place of a hand; the deck is
// refilled from the pile the moment its last card is taken, so the next draw
// always finds one. A draw leaves the pile record untouched.
void GameForm::drawinto(int column)
{
    drew = kTrue;
    int p = 1;
    while (p <= kHandPlaces && !hand[p][column].empty())
        ++p;
    if (p > kHandPlaces)
        return; // a full hand takes no card: nothing is lost
    if (deckplace < 1 || deckplace > kDeckSize || deck[deckplace].empty())
        return; // nothing left anywhere to draw

    hand[p][column] = deck[deckplace];
    if (column == kPlayer)
        announce(fill(words().translate("Speech", "you draw %1"), { theCard(hand[p][column], words()) }));
    deck[deckplace].clear();
    ++deckplace;
    if (deckplace > kDeckSize || deck[deckplace].empty()) {
        reshuffle();
        deckplace = 1;
    }
    drawanimation(column == kPlayer ? 'D' : 'U');
    if (column == kPlayer)
        redrawplayerhand();
    else
        redrawcpuhand();
}

} // namespace wildcrest
