// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rules.h"

#include <vector>

namespace wildcrest
{

namespace
{

    using Places = std::array<Card, kDeckSize + 1>;

    // Shuffles the n cards in places 1..n of the deck: a random place is picked
    // among all n and kept only while it still holds a card, so every order is
    // as likely as any other. Places after n end empty.
    void shuffle(MatchState &match, Shuffler &shuffler, int n)
    {
        Places scratch;
        std::int16_t i = 1;
        while (i <= n) {
            const std::int32_t r = shuffler.pick(n);
            if (!match.deck[r].empty()) {
                scratch[i] = match.deck[r];
                match.deck[r].clear();
                ++i;
                shuffler.between();
            }
            shuffler.between();
        }
        match.deck = scratch;
    }

} // namespace

std::int32_t Shuffler::pick(std::int32_t n)
{
    random_.reseed(clock_());
    return random_.rand(1, n);
}

void newdeck(MatchState &match, Shuffler &shuffler)
{
    for (int j = 1; j <= kDeckSize; ++j)
        match.deck[j] = canonicalCard(j);
    shuffle(match, shuffler, kDeckSize);
}

// The top card stays on the pile, as the only card of the record, so it can
// never be drawn while it shows.
void reshuffle(MatchState &match, Shuffler &shuffler)
{
    // Gathering the recorded cards in order closes any gap, so the shuffle always ends.
    std::vector<Card> recorded;
    for (int i = 1; i <= kDeckSize; ++i)
        if (!match.backdeck[i].empty())
            recorded.push_back(match.backdeck[i]);
    Card top;
    if (!recorded.empty()) {
        top = recorded.back();
        recorded.pop_back();
    }

    const int n = static_cast<int>(recorded.size());
    for (int i = 1; i <= kDeckSize; ++i)
        match.deck[i] = i <= n ? recorded[i - 1] : Card {};
    shuffle(match, shuffler, n);

    match.backdeck = Places {};
    match.backdeckplace = 1;
    if (!top.empty())
        match.backdeck[match.backdeckplace++] = top;
}

// A draw leaves the pile record untouched.
int drawcard(MatchState &match, int column, Shuffler &shuffler)
{
    int p = 1;
    while (p <= kHandPlaces && !match.hand[p][column].empty())
        ++p;
    if (p > kHandPlaces)
        return 0; // a full hand takes no card: nothing is lost
    if (match.deckplace < 1 || match.deckplace > kDeckSize || match.deck[match.deckplace].empty())
        return 0; // nothing left anywhere to draw

    match.hand[p][column] = match.deck[match.deckplace];
    match.deck[match.deckplace].clear();
    ++match.deckplace;
    if (match.deckplace > kDeckSize || match.deck[match.deckplace].empty()) {
        reshuffle(match, shuffler);
        match.deckplace = 1;
    }
    return p;
}

// The cards come from the fixed places 1 to 15 of the deck, the player's
// first; deckplace only counts them.
void dealcard(MatchState &match, int k, int column)
{
    match.hand[k][column] = match.deck[column == kPlayer ? 2 * k - 1 : 2 * k];
    ++match.deckplace;
}

void turnuppile(MatchState &match)
{
    match.curcard = match.deck[15];
    match.backdeck[1] = match.curcard;
    match.backdeckplace = 2;
    for (int j = 1; j <= 15; ++j)
        match.deck[j].clear();
    match.deckplace = 16;
}

void clearround(MatchState &match)
{
    match.curcard.clear();
    match.deckplace = 0;
    match.backdeckplace = 0;
    match.real8.clear();
}

} // namespace wildcrest
