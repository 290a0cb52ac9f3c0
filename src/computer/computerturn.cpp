// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/cardnames.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

namespace wildcrest
{

namespace
{

    // Value of a card when the computer follows suit: ace 1, numbers their digit,
    // ten 10, jack 11, queen 12, king 13.
    int followvalue(const CardCode &code)
    {
        switch (rankOf(code)) {
        case 'A':
            return 1;
        case 'T':
            return 10;
        case 'J':
            return 11;
        case 'Q':
            return 12;
        case 'K':
            return 13;
        default:
            return rankOf(code) - '0';
        }
    }

} // namespace

TurnOutcome GameForm::computerturn()
{
    scan_.pause(*this);
    const int i = computerchoice();
    if (i == 0) {
        announce(words().translate("Speech", "the computer draws a card"));
        cpudraw();
        return TurnOutcome::Drew;
    }
    if (isEight(hand[i][kComputer])) {
        const char suit = computersuit();
        real8 = hand[i][kComputer];
        hand[i][kComputer] = std::string { '8', suit };
        announce(fill(words().translate("Speech", "the computer plays %1 and names %2"), { theCard(real8, words()), suitName(suit, words()) }));
    } else {
        announce(fill(words().translate("Speech", "the computer plays %1"), { theCard(hand[i][kComputer], words()) }));
    }
    view_.setPicture(cpuslot(i), picturepath(kEmptyPicture));
    view_.setPicture(Image45, facepath(hand[i][kComputer]));
    curcard = hand[i][kComputer];
    hand[i][kComputer].clear();
    movetopile('D', i);
    redrawcpuhand();
    view_.yield();
    return reset == kTrue ? TurnOutcome::RoundEnded : TurnOutcome::Played;
}

// The place the computer plays from, 0 to draw: the highest card of the pile's
// suit, else an eight, else a card of the pile's rank; an eight first of all
// when the player is down to one card, unless a 9 or better follows suit.
int GameForm::computerchoice() const
{
    const char suit = suitOf(curcard);
    const char rank = rankOf(curcard);
    const auto lasteight = [this] {
        int place = 0;
        for (int i = 1; i <= kHandPlaces; ++i)
            if (isEight(hand[i][kComputer]))
                place = i;
        return place;
    };

    int chosen = 0;
    int value = 0;
    if (hand[2][kPlayer].empty()) {
        chosen = lasteight();
        value = chosen ? 8 : 0;
    }
    for (int i = 1; i <= kHandPlaces; ++i) {
        const CardCode &card = hand[i][kComputer];
        if (!card.empty() && suitOf(card) == suit && !isEight(card) && followvalue(card) > value) {
            chosen = i;
            value = followvalue(card);
        }
    }
    if (chosen == 0)
        chosen = lasteight();
    if (chosen == 0)
        for (int i = 1; i <= kHandPlaces; ++i)
            if (!hand[i][kComputer].empty() && rankOf(hand[i][kComputer]) == rank)
                chosen = i;
    return chosen;
}

// The suit the computer holds most of, eights left out; ties go to H, D, S, C in that order.
char GameForm::computersuit() const
{
    char named = 'H';
    int best = 0;
    for (char suit : { 'H', 'D', 'S', 'C' }) {
        int count = 0;
        for (int i = 1; i <= kHandPlaces; ++i)
            if (!hand[i][kComputer].empty() && !isEight(hand[i][kComputer]) && suitOf(hand[i][kComputer]) == suit)
                ++count;
        if (count > best) {
            named = suit;
            best = count;
        }
    }
    return named;
}

} // namespace wildcrest
