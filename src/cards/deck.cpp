// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"

#include <vector>

namespace wildcrest
{

namespace
{

    using Places = std::array<CardCode, kDeckSize + 1>;

} // namespace

// Shuffles the n cards in places 1..n of the deck: a random place is picked
// among all n and kept only while it still holds a card, so every order is as
// likely as any other. Places after n end empty.
void GameForm::shuffle(int n)
{
    Places scratch;
    std::int16_t i = 1;
    while (i <= n) {
        reseed();
        const std::int32_t r = Rand(1, n);
        if (!deck[r].empty()) {
            scratch[i] = deck[r];
            deck[r].clear();
            ++i;
            view_.yield();
        }
        view_.yield();
    }
    deck = scratch;
}

void GameForm::newdeck()
{
    for (int j = 1; j <= kDeckSize; ++j)
        deck[j] = canonicalCard(j);
    shuffle(kDeckSize);
}

// Turns the pile under the top card into a new deck. The top card stays on the
// pile, as the only card of the record, so it can never be drawn while it shows.
void GameForm::reshuffle()
{
    // Gathering the recorded cards in order closes any gap, so the shuffle below always ends.
    std::vector<CardCode> recorded;
    for (int i = 1; i <= kDeckSize; ++i)
        if (!backdeck[i].empty())
            recorded.push_back(backdeck[i]);
    CardCode top;
    if (!recorded.empty()) {
        top = recorded.back();
        recorded.pop_back();
    }

    const int n = static_cast<int>(recorded.size());
    for (int i = 1; i <= kDeckSize; ++i)
        deck[i] = i <= n ? recorded[i - 1] : CardCode {};
    shuffle(n);

    backdeck = Places {};
    backdeckplace = 1;
    if (!top.empty())
        backdeck[backdeckplace++] = top;
}

int GameForm::cardsleft() const
{
    int left = 0;
    for (int p = std::max<int>(deckplace, 1); p <= kDeckSize; ++p)
        if (!deck[p].empty())
            ++left;
    return left;
}

} // namespace wildcrest
