// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

#include <stdexcept>
#include <string>

namespace wildcrest
{

std::vector<int> playableplaces(const MatchState &match, int column)
{
    std::vector<int> places;
    for (int i = 1; i <= kHandPlaces; ++i)
        if (playableOn(match.hand[i][column], match.curcard))
            places.push_back(i);
    return places;
}

void playcard(MatchState &match, int column, int place, char suit)
{
    Card card = match.hand[place][column];
    if (card.isEight()) {
        match.real8 = card;
        card = Card('8', suit);
    }
    match.curcard = card;
    match.hand[place][column].clear();
}

// A draw leaves the pile, and so the record, exactly as it was: only a played
// card is recorded.
void recordtopcard(MatchState &match)
{
    if (match.backdeckplace < 1 || match.backdeckplace > kDeckSize)
        throw std::logic_error("the pile record has no place " + std::to_string(match.backdeckplace));
    if (!match.real8.empty()) {
        match.backdeck[match.backdeckplace] = match.real8;
        match.real8.clear();
    } else {
        match.backdeck[match.backdeckplace] = match.curcard;
    }
    ++match.backdeckplace;
}

void packhand(MatchState &match, int column)
{
    std::array<Card, kHandPlaces + 1> scratch;
    int p = 1;
    for (int i = 1; i <= kHandPlaces; ++i)
        if (!match.hand[i][column].empty())
            scratch[p++] = match.hand[i][column];
    for (int i = 1; i <= kHandPlaces; ++i)
        match.hand[i][column] = scratch[i];
}

namespace
{

    // Value of a card when the computer follows suit: ace 1, numbers their digit,
    // ten 10, jack 11, queen 12, king 13.
    int followvalue(const Card &card)
    {
        switch (card.rank()) {
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
            return card.rank() - '0';
        }
    }

    int lasteight(const MatchState &match, int column)
    {
        int place = 0;
        for (int i = 1; i <= kHandPlaces; ++i)
            if (match.hand[i][column].isEight())
                place = i;
        return place;
    }

} // namespace

// The highest card of the pile's suit, else an eight, else a card of the
// pile's rank; an eight first of all when the player is down to one card,
// unless a 9 or better follows suit.
int computerchoice(const MatchState &match, int column)
{
    const int other = column == kComputer ? kPlayer : kComputer;
    int chosen = 0;
    int value = 0;
    if (match.hand[2][other].empty()) {
        chosen = lasteight(match, column);
        value = chosen ? 8 : 0;
    }
    for (int i = 1; i <= kHandPlaces; ++i) {
        const Card &card = match.hand[i][column];
        if (!card.empty() && card.suit() == match.curcard.suit() && !card.isEight() && followvalue(card) > value) {
            chosen = i;
            value = followvalue(card);
        }
    }
    if (chosen == 0)
        chosen = lasteight(match, column);
    if (chosen == 0)
        for (int i = 1; i <= kHandPlaces; ++i)
            if (!match.hand[i][column].empty() && match.hand[i][column].rank() == match.curcard.rank())
                chosen = i;
    return chosen;
}

// The suit the computer holds most of, eights left out; ties go to H, D, S, C in that order.
char computersuit(const MatchState &match, int column)
{
    char named = 'H';
    int best = 0;
    for (char suit : { 'H', 'D', 'S', 'C' }) {
        int count = 0;
        for (int i = 1; i <= kHandPlaces; ++i) {
            const Card &card = match.hand[i][column];
            if (!card.empty() && !card.isEight() && card.suit() == suit)
                ++count;
        }
        if (count > best) {
            named = suit;
            best = count;
        }
    }
    return named;
}

int cardpoints(const Card &card)
{
    switch (card.rank()) {
    case '\0':
        return 0;
    case 'A':
        return 1;
    case '8':
        return 50;
    case 'T':
    case 'J':
    case 'Q':
    case 'K':
        return 10;
    default:
        return card.rank() - '0';
    }
}

void scoreround(MatchState &match)
{
    ++match.gamecount;
    for (int i = 1; i <= kHandPlaces; ++i) {
        match.playerscore += cardpoints(match.hand[i][kPlayer]);
        match.cpuscore += cardpoints(match.hand[i][kComputer]);
    }
}

bool matchover(const MatchState &match)
{
    return match.gamecount > 5;
}

void clearmatch(MatchState &match)
{
    match.gamecount = 1;
    match.playerscore = 0;
    match.cpuscore = 0;
}

} // namespace wildcrest
